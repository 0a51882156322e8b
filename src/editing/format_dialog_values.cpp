#include "editing/format_dialog_values.h"

#include <QTextCursor>

#include <algorithm>

namespace quillet {

namespace {

int entryInRange(int code, int last) {
    return code >= 0 && code <= last ? code : -1;
}

} // namespace

ParaDialogValues fillParaDialog(const ParaAttributes& p) {
    ParaDialogValues v;
    v.leftIndent = p.leftIndent;
    v.rightIndent = p.rightIndent;
    v.firstIndent = p.firstIndent;
    // The group holds three entries, so a justified paragraph shows the last one.
    v.alignmentEntry = std::clamp(p.alignment, 0, 2);
    v.spaceBefore = p.spaceBefore;
    v.spaceAfter = p.spaceAfter;
    v.lineSpacing = p.lineSpacing;
    v.numberingEntry = entryInRange(p.numbering, 6);
    v.numberingStyleEntry = entryInRange(p.numberingStyle, 3);
    v.headingEntry = std::clamp(p.headingStyle, 0, 9);
    return v;
}

void applyParaDialog(const ParaDialogValues& v, QTextCursor& cursor) {
    cursor.beginEditBlock();
    ParaAttributes p;
    p.leftIndent = v.leftIndent;
    p.rightIndent = v.rightIndent;
    p.firstIndent = v.firstIndent;
    writeParaAttributes(cursor, p,
                        ParaField::LeftIndent | ParaField::RightIndent | ParaField::FirstIndent);
    if (v.alignmentEntry >= 0 && v.alignmentEntry <= 2) {
        p.alignment = v.alignmentEntry;
        writeParaAttributes(cursor, p, ParaField::Alignment);
    }
    p.spaceBefore = v.spaceBefore;
    p.spaceAfter = v.spaceAfter;
    writeParaAttributes(cursor, p, ParaField::SpaceBefore | ParaField::SpaceAfter);
    p.lineSpacingRule = v.lineSpacing <= 0 ? LineSpacingSingle : LineSpacingAtLeast;
    p.lineSpacing = v.lineSpacing;
    writeParaAttributes(cursor, p, ParaField::LineSpacing);
    if (v.numberingEntry >= 0 && v.numberingEntry <= 6) {
        // Numbering decides the left indent from the value just written.
        p = readParaAttributes(cursor);
        p.numbering = v.numberingEntry;
        writeParaAttributes(cursor, p, ParaField::Numbering);
    }
    if (v.numberingStyleEntry >= 0 && v.numberingStyleEntry <= 3) {
        p = readParaAttributes(cursor);
        p.numberingStyle = v.numberingStyleEntry;
        writeParaAttributes(cursor, p, ParaField::NumberingStyle);
    }
    if (v.headingEntry >= 0 && v.headingEntry <= 9) {
        p.headingStyle = v.headingEntry;
        writeParaAttributes(cursor, p, ParaField::HeadingStyle);
    }
    cursor.endEditBlock();
}

TextDialogValues fillTextDialog(const CharAttributes& t) {
    TextDialogValues v;
    v.background = t.backColor;
    v.foreground = t.color;
    v.size = t.size;
    v.fontName = t.fontName;
    v.disabled = t.disabled;
    v.hidden = t.hidden;
    v.isProtected = t.isProtected;
    v.link = t.link;
    v.bold = t.bold;
    v.italic = t.italic;
    v.underline = t.underline;
    v.strikeOut = t.strikeOut;
    v.underlineEntry = t.underline ? entryInRange(t.underlineStyle, 5) : 0;
    v.scriptEntry = entryInRange(t.script, 2);
    return v;
}

void applyTextDialog(const TextDialogValues& v, QTextCursor& cursor) {
    cursor.beginEditBlock();
    CharAttributes a;
    a.backColor = v.background;
    writeCharAttributes(cursor, a, CharField::BackColor);
    a.color = v.foreground;
    writeCharAttributes(cursor, a, CharField::Color);
    a.size = v.size;
    writeCharAttributes(cursor, a, CharField::Size);
    a.fontName = v.fontName;
    writeCharAttributes(cursor, a, CharField::FontName);
    a.disabled = v.disabled;
    a.hidden = v.hidden;
    a.isProtected = v.isProtected;
    a.link = v.link;
    writeCharAttributes(cursor, a,
                        CharField::Disabled | CharField::Hidden | CharField::Protected |
                            CharField::Link);
    CharFields bits;
    a.bold = a.italic = a.underline = a.strikeOut = true;
    if (v.bold)
        bits |= CharField::Bold;
    if (v.italic)
        bits |= CharField::Italic;
    if (v.underline)
        bits |= CharField::Underline;
    if (v.strikeOut)
        bits |= CharField::StrikeOut;
    if (bits)
        writeCharAttributes(cursor, a, bits);
    if (v.underlineEntry >= 0 && v.underlineEntry <= 5) {
        a.underlineStyle = v.underlineEntry;
        a.underline = v.underlineEntry != UnderlineNone;
        writeCharAttributes(cursor, a, CharField::UnderlineStyle);
    }
    if (v.scriptEntry >= 0 && v.scriptEntry <= 2) {
        a.script = v.scriptEntry;
        writeCharAttributes(cursor, a, CharField::Script);
    }
    cursor.endEditBlock();
}

} // namespace quillet
