#include "ui/text_attributes.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillet {

namespace {

// Pages are laid out for a 96 dpi screen: one pixel is 15 twentieths of a point.
constexpr qreal kTwipsPerPixel = 15.0;

int clampInt(long long v, int lo, int hi) {
    return int(std::clamp<long long>(v, lo, hi));
}

qreal defaultPointSize(const QTextDocument* doc) {
    const QFont f = doc ? doc->defaultFont() : QFont();
    if (f.pointSizeF() > 0)
        return f.pointSizeF();
    if (f.pixelSize() > 0)
        return f.pixelSize() * 72.0 / 96.0;
    return 12.0;
}

int underlineKindOf(const QTextCharFormat& f) {
    if (f.hasProperty(textprop::UnderlineKind))
        return std::clamp(f.intProperty(textprop::UnderlineKind), 0, 5);
    switch (f.underlineStyle()) {
    case QTextCharFormat::NoUnderline:
        return f.fontUnderline() ? UnderlineSolid : UnderlineNone;
    case QTextCharFormat::DotLine:
        return UnderlineDotted;
    case QTextCharFormat::DashUnderline:
    case QTextCharFormat::DashDotLine:
    case QTextCharFormat::DashDotDotLine:
        return UnderlineDash;
    case QTextCharFormat::SpellCheckUnderline:
        return UnderlineNone; // a marker of the spell checker, not the text's own
    default:
        return UnderlineSolid;
    }
}

QTextCharFormat::UnderlineStyle qtUnderlineFor(int kind) {
    switch (kind) {
    case UnderlineNone:
        return QTextCharFormat::NoUnderline;
    case UnderlineDotted:
        return QTextCharFormat::DotLine;
    case UnderlineDash:
        return QTextCharFormat::DashUnderline;
    default:
        return QTextCharFormat::SingleUnderline; // word and double shown as a single line
    }
}

struct Run {
    int from;
    int to;
    QTextCharFormat format;
};

// The runs of [from, to) with their formats; collected first because changing formats
// invalidates fragment iterators.
std::vector<Run> runsOf(const QTextDocument* doc, int from, int to) {
    std::vector<Run> runs;
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() < to; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const int s = std::max(frag.position(), from);
            const int e = std::min(frag.position() + frag.length(), to);
            if (s < e)
                runs.push_back({s, e, frag.charFormat()});
        }
    }
    return runs;
}

bool charProtectedAt(const QTextDocument* doc, int pos) {
    if (pos < 0)
        return false;
    const QTextBlock b = doc->findBlock(pos);
    if (!b.isValid() || pos >= b.position() + b.length() - 1)
        return false; // the paragraph end
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (pos >= frag.position() && pos < frag.position() + frag.length())
            return frag.charFormat().boolProperty(textprop::Protected);
    }
    return false;
}

int alignmentCode(Qt::Alignment a) {
    const Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        return AlignJustify;
    if (h & Qt::AlignHCenter)
        return AlignCenter;
    if ((h & Qt::AlignRight) || (h & Qt::AlignTrailing))
        return AlignRight;
    return AlignLeft;
}

Qt::Alignment qtAlignment(int code) {
    switch (code) {
    case AlignRight:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case AlignCenter:
        return Qt::AlignHCenter;
    case AlignJustify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

int numberingOfList(const QTextList* list) {
    return list ? numberingOfListFormat(list->format()) : int(NumberingNone);
}

int numberingStyleOfList(const QTextList* list);

} // namespace

int numberingOfListFormat(const QTextListFormat& f) {
    switch (f.style()) {
    case QTextListFormat::ListDisc:
    case QTextListFormat::ListCircle:
    case QTextListFormat::ListSquare:
        return NumberingBullet;
    case QTextListFormat::ListDecimal:
        return NumberingArabic;
    case QTextListFormat::ListLowerAlpha:
        return NumberingLowerLetter;
    case QTextListFormat::ListUpperAlpha:
        return NumberingUpperLetter;
    case QTextListFormat::ListLowerRoman:
        return NumberingLowerRoman;
    case QTextListFormat::ListUpperRoman:
        return NumberingUpperRoman;
    default:
        return NumberingBullet;
    }
}

namespace {

int numberingStyleOfList(const QTextList* list) {
    if (!list)
        return NumberingParenthesis;
    const QTextListFormat f = list->format();
    const QString pre = f.numberPrefix();
    const QString suf =
        f.hasProperty(QTextFormat::ListNumberSuffix) ? f.numberSuffix() : QStringLiteral(".");
    if (pre == QLatin1String("(") && suf == QLatin1String(")"))
        return NumberingEnclosed;
    if (suf == QLatin1String(")"))
        return NumberingParenthesis;
    if (suf.isEmpty())
        return NumberingSimple;
    return NumberingPeriod;
}

} // namespace

QTextListFormat listFormatFor(int numbering, int style) {
    QTextListFormat lf;
    QTextListFormat::Style s = QTextListFormat::ListDisc;
    switch (numbering) {
    case NumberingArabic:
        s = QTextListFormat::ListDecimal;
        break;
    case NumberingLowerLetter:
        s = QTextListFormat::ListLowerAlpha;
        break;
    case NumberingUpperLetter:
        s = QTextListFormat::ListUpperAlpha;
        break;
    case NumberingLowerRoman:
        s = QTextListFormat::ListLowerRoman;
        break;
    case NumberingUpperRoman:
        s = QTextListFormat::ListUpperRoman;
        break;
    default:
        break;
    }
    lf.setStyle(s);
    // The paragraph's own indents place the text; the marker hangs to its left.
    lf.setIndent(0);
    if (numbering != NumberingBullet) {
        switch (style) {
        case NumberingParenthesis:
            lf.setNumberPrefix(QString());
            lf.setNumberSuffix(QStringLiteral(")"));
            break;
        case NumberingEnclosed:
            lf.setNumberPrefix(QStringLiteral("("));
            lf.setNumberSuffix(QStringLiteral(")"));
            break;
        case NumberingSimple:
            lf.setNumberPrefix(QString());
            lf.setNumberSuffix(QString());
            break;
        default:
            lf.setNumberPrefix(QString());
            lf.setNumberSuffix(QStringLiteral("."));
            break;
        }
    }
    return lf;
}

void setUnderlineKind(QTextCharFormat& f, int kind) {
    f.setUnderlineStyle(qtUnderlineFor(kind));
    if (kind == UnderlineNone)
        f.clearProperty(textprop::UnderlineKind);
    else
        f.setProperty(textprop::UnderlineKind, kind);
}

int twipsToPoints(int twips) {
    return twips / 20;
}

qreal twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

int pixelsToTwips(qreal px) {
    return clampInt(std::llround(px * kTwipsPerPixel), -2000000000, 2000000000);
}

qint32 colorValue(const QColor& c) {
    return qint32(c.red() + c.green() * 256 + c.blue() * 65536);
}

QColor colorFromValue(qint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

CharAttributes charAttributesOf(const QTextCharFormat& f, const QTextDocument* doc) {
    CharAttributes a;
    const QStringList families = f.fontFamilies().toStringList();
    a.fontName =
        families.isEmpty() ? (doc ? doc->defaultFont().family() : QString()) : families.first();
    a.fontName.truncate(kMaxFontNameLength);
    const qreal pt =
        f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : defaultPointSize(doc);
    a.size = twipsToPoints(int(std::lround(pt * 20)));
    const QBrush fg = f.foreground();
    a.color = fg.style() == Qt::NoBrush ? kAutoTextColor : colorValue(fg.color());
    const QBrush bg = f.background();
    a.backColor = bg.style() == Qt::NoBrush ? kAutoBackColor : colorValue(bg.color());
    a.bold = f.fontWeight() >= QFont::DemiBold;
    a.italic = f.fontItalic();
    a.underlineStyle = underlineKindOf(f);
    a.underline = a.underlineStyle != UnderlineNone;
    a.strikeOut = f.fontStrikeOut();
    switch (f.verticalAlignment()) {
    case QTextCharFormat::AlignSubScript:
        a.script = ScriptSubscript;
        break;
    case QTextCharFormat::AlignSuperScript:
        a.script = ScriptSuperscript;
        break;
    default:
        a.script = ScriptNormal;
    }
    a.hidden = f.boolProperty(textprop::Hidden);
    a.disabled = f.boolProperty(textprop::Disabled);
    a.isProtected = f.boolProperty(textprop::Protected);
    a.link = f.isAnchor();
    return a;
}

void applyCharAttributes(QTextCharFormat& f, const CharAttributes& a, CharFields fields) {
    if (fields & CharField::FontName)
        f.setFontFamilies(QStringList{a.fontName.left(kMaxFontNameLength)});
    if ((fields & CharField::Size) && a.size > 0)
        f.setFontPointSize(qMin(a.size, 1638) * 20 / 20.0);
    if (fields & CharField::Color) {
        if (a.color == kAutoTextColor || a.color < 0)
            f.clearForeground();
        else
            f.setForeground(colorFromValue(a.color));
    }
    if (fields & CharField::BackColor) {
        if (a.backColor == kAutoBackColor || a.backColor < 0)
            f.clearBackground();
        else
            f.setBackground(colorFromValue(a.backColor));
    }
    if (fields & CharField::Bold)
        f.setFontWeight(a.bold ? QFont::Bold : QFont::Normal);
    if (fields & CharField::Italic)
        f.setFontItalic(a.italic);
    if (fields & CharField::StrikeOut)
        f.setFontStrikeOut(a.strikeOut);
    int kind = -1;
    if (fields & CharField::Underline) {
        const int current = underlineKindOf(f);
        kind = a.underline ? (current == UnderlineNone ? UnderlineSolid : current) : UnderlineNone;
    }
    if (fields & CharField::UnderlineStyle) // a style decides the underline bit as well
        kind = std::clamp(a.underlineStyle, 0, 5);
    if (kind >= 0)
        setUnderlineKind(f, kind);
    if (fields & CharField::Script) {
        f.setVerticalAlignment(a.script == ScriptSubscript     ? QTextCharFormat::AlignSubScript
                               : a.script == ScriptSuperscript ? QTextCharFormat::AlignSuperScript
                                                               : QTextCharFormat::AlignNormal);
    }
    auto setFlag = [&f](int prop, bool on) {
        if (on)
            f.setProperty(prop, true);
        else
            f.clearProperty(prop);
    };
    if (fields & CharField::Hidden)
        setFlag(textprop::Hidden, a.hidden);
    if (fields & CharField::Disabled)
        setFlag(textprop::Disabled, a.disabled);
    if (fields & CharField::Protected)
        setFlag(textprop::Protected, a.isProtected);
    if (fields & CharField::Link) {
        f.setAnchor(a.link);
        if (!a.link) {
            f.clearProperty(QTextFormat::AnchorHref);
            f.clearProperty(QTextFormat::AnchorName);
        }
    }
}

int blockTwips(const QTextBlockFormat& f, int property) {
    if (f.hasProperty(property))
        return f.intProperty(property);
    switch (property) {
    case textprop::FirstLineTwips:
        return pixelsToTwips(f.textIndent());
    case textprop::LeftTwips:
        return pixelsToTwips(f.leftMargin() + f.indent() * 40.0);
    case textprop::RightTwips:
        return pixelsToTwips(f.rightMargin());
    case textprop::BeforeTwips:
        return pixelsToTwips(f.topMargin());
    case textprop::AfterTwips:
        return pixelsToTwips(f.bottomMargin());
    case textprop::LineTwips:
        if (f.lineHeightType() == QTextBlockFormat::MinimumHeight)
            return pixelsToTwips(f.lineHeight());
        if (f.lineHeightType() == QTextBlockFormat::FixedHeight)
            return -pixelsToTwips(f.lineHeight());
        return 0;
    default:
        return 0;
    }
}

ParaAttributes paraAttributesOf(const QTextBlock& block) {
    ParaAttributes p;
    const QTextBlockFormat f = block.blockFormat();
    p.alignment = alignmentCode(f.alignment());
    const int fi = blockTwips(f, textprop::FirstLineTwips);
    const int li = blockTwips(f, textprop::LeftTwips);
    p.firstIndent = twipsToPoints(li + fi);
    p.leftIndent = twipsToPoints(-fi);
    p.rightIndent = twipsToPoints(blockTwips(f, textprop::RightTwips));
    p.spaceBefore = twipsToPoints(blockTwips(f, textprop::BeforeTwips));
    p.spaceAfter = twipsToPoints(blockTwips(f, textprop::AfterTwips));
    const int sl = blockTwips(f, textprop::LineTwips);
    const int mult = f.intProperty(textprop::LineMultiple);
    if (sl != 0 && mult == 0) {
        p.lineSpacingRule = LineSpacingAtLeast;
        p.lineSpacing = twipsToPoints(std::abs(sl));
    }
    p.numbering = numberingOfList(block.textList());
    p.numberingStyle = numberingStyleOfList(block.textList());
    p.headingStyle = std::clamp(f.headingLevel(), 0, 9);
    return p;
}

void layoutBlockFromTwips(QTextBlockFormat& f, bool inList) {
    const int fi = f.intProperty(textprop::FirstLineTwips);
    const int li = f.intProperty(textprop::LeftTwips);
    f.setLeftMargin(twipsToPixels(li));
    // In a list the marker sits in the hanging first-line indent, as word processors show it.
    f.setTextIndent(inList ? 0.0 : twipsToPixels(fi));
    f.setRightMargin(twipsToPixels(f.intProperty(textprop::RightTwips)));
    f.setTopMargin(twipsToPixels(f.intProperty(textprop::BeforeTwips)));
    f.setBottomMargin(twipsToPixels(f.intProperty(textprop::AfterTwips)));
    const int sl = f.intProperty(textprop::LineTwips);
    const int mult = f.intProperty(textprop::LineMultiple);
    if (sl == 0)
        f.setLineHeight(0, QTextBlockFormat::SingleHeight);
    else if (mult != 0)
        f.setLineHeight(std::clamp(std::abs(sl) * 100.0 / 240.0, 50.0, 1000.0),
                        QTextBlockFormat::ProportionalHeight);
    else if (sl > 0)
        f.setLineHeight(twipsToPixels(sl), QTextBlockFormat::MinimumHeight);
    else
        f.setLineHeight(twipsToPixels(-sl), QTextBlockFormat::FixedHeight);
}

void applyBlockAttributes(QTextBlockFormat& f, const ParaAttributes& a, ParaFields fields) {
    // Make Qt's layout values (a block that came from elsewhere) our own twips first.
    for (int prop : {textprop::FirstLineTwips, textprop::LeftTwips, textprop::RightTwips,
                     textprop::BeforeTwips, textprop::AfterTwips, textprop::LineTwips})
        f.setProperty(prop, blockTwips(f, prop));
    auto pts = [](int points) { return clampInt(points * 20LL, -31680, 31680); };
    if (fields & ParaField::Alignment)
        f.setAlignment(qtAlignment(a.alignment));
    if (fields & (ParaField::FirstIndent | ParaField::LeftIndent)) {
        const int fi = f.intProperty(textprop::FirstLineTwips);
        const int li = f.intProperty(textprop::LeftTwips);
        const int first = (fields & ParaField::FirstIndent) ? pts(a.firstIndent) : li + fi;
        const int left = (fields & ParaField::LeftIndent) ? pts(a.leftIndent) : -fi;
        f.setProperty(textprop::FirstLineTwips, -left);
        f.setProperty(textprop::LeftTwips, first + left);
    }
    if (fields & ParaField::RightIndent)
        f.setProperty(textprop::RightTwips, pts(a.rightIndent));
    if (fields & ParaField::SpaceBefore)
        f.setProperty(textprop::BeforeTwips, pts(a.spaceBefore));
    if (fields & ParaField::SpaceAfter)
        f.setProperty(textprop::AfterTwips, pts(a.spaceAfter));
    if (fields & ParaField::LineSpacing) {
        const bool atLeast = a.lineSpacingRule == LineSpacingAtLeast && a.lineSpacing > 0;
        f.setProperty(textprop::LineTwips, atLeast ? pts(a.lineSpacing) : 0);
        f.setProperty(textprop::LineMultiple, 0);
    }
    if (fields & ParaField::HeadingStyle)
        f.setHeadingLevel(std::clamp(a.headingStyle, 0, 9));
    layoutBlockFromTwips(f, false);
}

CharAttributes readCharAttributes(const QTextCursor& cursor) {
    const QTextDocument* doc = cursor.document();
    if (!cursor.hasSelection() || !doc)
        return charAttributesOf(cursor.charFormat(), doc);
    const auto runs = runsOf(doc, cursor.selectionStart(), cursor.selectionEnd());
    if (runs.empty())
        return charAttributesOf(cursor.charFormat(), doc);
    CharAttributes a = charAttributesOf(runs.front().format, doc);
    for (const Run& r : runs) {
        const CharAttributes o = charAttributesOf(r.format, doc);
        a.bold = a.bold && o.bold;
        a.italic = a.italic && o.italic;
        a.strikeOut = a.strikeOut && o.strikeOut;
        a.hidden = a.hidden && o.hidden;
        a.disabled = a.disabled && o.disabled;
        a.isProtected = a.isProtected && o.isProtected;
        a.link = a.link && o.link;
        if (!o.underline) {
            a.underline = false;
            a.underlineStyle = UnderlineNone;
        }
    }
    return a;
}

ParaAttributes readParaAttributes(const QTextCursor& cursor) {
    const QTextDocument* doc = cursor.document();
    if (!doc)
        return {};
    return paraAttributesOf(doc->findBlock(cursor.selectionStart()));
}

void writeCharAttributes(QTextCursor& cursor, const CharAttributes& a, CharFields fields) {
    QTextDocument* doc = cursor.document();
    if (!doc)
        return;
    const CharAttributes& attrs = a;
    // A link made by hand points at its own text.
    const QString linkText = cursor.selectedText();
    auto change = [&](QTextCharFormat f) {
        applyCharAttributes(f, attrs, fields);
        if ((fields & CharField::Link) && attrs.link && f.anchorHref().isEmpty())
            f.setAnchorHref(linkText);
        return f;
    };
    if (!cursor.hasSelection()) {
        cursor.setCharFormat(change(cursor.charFormat()));
        return;
    }
    const auto runs = runsOf(doc, cursor.selectionStart(), cursor.selectionEnd());
    cursor.beginEditBlock();
    for (const Run& r : runs) {
        QTextCursor c(doc);
        c.setPosition(r.from);
        c.setPosition(r.to, QTextCursor::KeepAnchor);
        c.setCharFormat(change(r.format));
    }
    cursor.endEditBlock();
}

void writeParaAttributes(QTextCursor& cursor, const ParaAttributes& a, ParaFields fields) {
    QTextDocument* doc = cursor.document();
    if (!doc)
        return;
    const QTextBlock first = doc->findBlock(cursor.selectionStart());
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    const bool listChange = fields & (ParaField::Numbering | ParaField::NumberingStyle);
    QTextList* target = nullptr;
    cursor.beginEditBlock();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        const ParaAttributes cur = paraAttributesOf(b);
        ParaAttributes want = cur;
        ParaFields apply = fields;
        if (fields & ParaField::Numbering) {
            want.numbering = std::clamp(a.numbering, 0, 6);
            // A numbered paragraph needs room for its marker; an unnumbered one none.
            want.leftIndent = want.numbering == NumberingNone ? 0 : std::max(cur.leftIndent, 10);
            if (fields & ParaField::LeftIndent)
                want.leftIndent = want.numbering == NumberingNone ? 0 : std::max(a.leftIndent, 10);
            apply |= ParaField::LeftIndent;
        } else if (fields & ParaField::LeftIndent) {
            want.leftIndent = a.leftIndent;
        }
        if (fields & ParaField::NumberingStyle)
            want.numberingStyle = std::clamp(a.numberingStyle, 0, 3);
        else if (cur.numbering == NumberingNone)
            want.numberingStyle = NumberingPeriod;
        ParaAttributes src = a;
        src.leftIndent = want.leftIndent;
        QTextCursor c(b);
        if (listChange) {
            QTextList* had = b.textList();
            if (want.numbering == NumberingNone) {
                if (had)
                    had->remove(b);
            } else {
                const QTextListFormat lf = listFormatFor(want.numbering, want.numberingStyle);
                if (!target) {
                    if (had && numberingOfList(had) == want.numbering &&
                        numberingStyleOfList(had) == want.numberingStyle)
                        target = had;
                    else {
                        if (had)
                            had->remove(b);
                        target = c.createList(lf);
                    }
                } else if (had != target) {
                    if (had)
                        had->remove(b);
                    target->add(b);
                }
            }
        }
        // Taken after the list change: a block format without the list's object index would
        // take the block out of its list again.
        QTextBlockFormat bf = b.blockFormat();
        applyBlockAttributes(bf, src, apply);
        layoutBlockFromTwips(bf, b.textList() != nullptr);
        c.setBlockFormat(bf);
        if (b == last)
            break;
    }
    cursor.endEditBlock();
}

bool rangeHasProtected(const QTextDocument* doc, int from, int to) {
    if (!doc || from >= to)
        return false;
    for (const Run& r : runsOf(doc, from, to))
        if (r.format.boolProperty(textprop::Protected))
            return true;
    return false;
}

bool insertionPointProtected(const QTextDocument* doc, int pos) {
    return doc && charProtectedAt(doc, pos - 1) && charProtectedAt(doc, pos);
}

} // namespace quillet
