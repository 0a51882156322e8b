#include "editing/format_pickers_dialog.h"

#include "editing/color_picker_widget.h"
#include "editing/formatting_commands.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QTextCursor>
#include <QTextEdit>

namespace quillet {

bool runFontDialog(QTextEdit& editor, QWidget* parent) {
    FormattingCommands f(editor);
    const CharAttributes a = f.selectionChar();
    QFont font(a.fontName);
    font.setPointSize(qMax(1, a.size));
    font.setBold(a.bold);
    font.setItalic(a.italic);
    font.setUnderline(a.underline);
    font.setStrikeOut(a.strikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (!ok)
        return false;
    CharAttributes out = a;
    out.fontName = chosen.family();
    out.size = chosen.pointSize() > 0 ? chosen.pointSize() : a.size;
    // The weight decides bold, as a font chosen by its style name ("Semibold") reports it.
    out.bold = chosen.weight() >= QFont::DemiBold;
    out.italic = chosen.italic();
    out.underline = chosen.underline();
    out.strikeOut = chosen.strikeOut();
    f.writeChar(out, CharField::FontName | CharField::Size | CharField::StyleBits);
    return true;
}

namespace {

bool runColor(QTextEdit& editor, QWidget* parent, bool background) {
    FormattingCommands f(editor);
    const CharAttributes a = f.selectionChar();
    const QColor c =
        QColorDialog::getColor(displayColor(background ? a.backColor : a.color), parent);
    if (!c.isValid())
        return false;
    if (background)
        f.setBackColor(colorValue(c));
    else
        f.setTextColor(colorValue(c));
    return true;
}

} // namespace

bool runTextColorDialog(QTextEdit& editor, QWidget* parent) {
    return runColor(editor, parent, false);
}

bool runBackColorDialog(QTextEdit& editor, QWidget* parent) {
    return runColor(editor, parent, true);
}

} // namespace quillet
