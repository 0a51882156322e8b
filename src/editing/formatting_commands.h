#pragma once

// The Format commands: toggles, alignment, bullets, font name and size, colours, and what
// the window shows about the selection (checked states, the status line). They act on any
// QTextEdit through the attribute model, so they work the same on the program's editor and
// on a plain QTextEdit in tests.

#include "ui/text_attributes.h"

#include <QHash>
#include <QString>
#include <optional>

class QTextEdit;

namespace quillet {

class FormattingCommands {
public:
    explicit FormattingCommands(QTextEdit& editor) : m_editor(editor) {}

    // Toggles: the other style bits are written back as read.
    void FormatBold();
    void FormatItalic();
    void FormatUnderline();
    void formatProtected();
    void FormatDisabled();
    void formatHidden();

    // Set outright; none of them toggles.
    void FormatAlignLeft() { setAlignment(AlignLeft); }
    void FormatAlignCenter() { setAlignment(AlignCenter); }
    void FormatAlignRight() { setAlignment(AlignRight); }
    void FormatAlignFull() { setAlignment(AlignJustify); }
    // Numbering 1; a second use keeps the bullets (numbering is removed in the paragraph
    // dialog). The left indent rises to 10 points when lower.
    void FormatBullets();

    void setFontName(const QString& name);
    void setFontSize(int points);
    // The size box's text: anything that is not a whole number counts as 0.
    void setFontSizeText(const QString& text);
    // Colour values of the attribute model (automatic values switch back to automatic).
    void setTextColor(qint32 value);
    void setBackColor(qint32 value);

    // Runs the command of that id; false when the id is not one of the plain commands
    // above (the dialogs are run by the window).
    bool run(const QString& commandId);
    static const QStringList& commandIds();

    CharAttributes selectionChar() const;
    ParaAttributes selectionPara() const;
    void writeChar(const CharAttributes& a, CharFields fields);
    void writePara(const ParaAttributes& a, ParaFields fields);

    QTextEdit& editor() const { return m_editor; }

private:
    void setAlignment(int alignment);
    void toggle(bool CharAttributes::*field, CharFields fields);

    QTextEdit& m_editor;
};

// The checked state of each Format command for a selection; FormatBullets has none.
QHash<QString, bool> formatCheckedStates(const CharAttributes& text,
                                         const ParaAttributes& paragraph);

// The caret (the end of the selection) as the status line counts it: the line as the
// editor lays lines out (a wrapped line counts as several) and the column within it, both
// from 0.
struct CaretPosition {
    int line = 0;
    int column = 0;
};
CaretPosition caretPosition(const QTextEdit& editor);

// "Line: L Col: C Node: I/N" with a node selected (its absolute index in the tree),
// "Line: L Col: C Node Count: N" without; L and C count from 1 and N is the number of
// nodes minus 1.
QString statusLineText(const CaretPosition& caret, std::optional<int> selectedNodeIndex,
                       int nodeCount);

// The character table the Alt+Scroll Lock chord inserts: codes 32 to 255 as
// "N = [c]" and a tab, a carriage return after every ninth entry.
QString characterTableText();

} // namespace quillet
