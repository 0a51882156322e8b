#pragma once

// Searching the page in the editor: from the selection on in one direction, never wrapping
// around, on the editor's plain text. The find and replace dialogs drive it; it owns no
// widget, so it is tested on a bare QTextEdit.

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

class QTextEdit;

namespace quillet {

class Prompts;

struct SearchOptions {
    QString findText;
    QString replaceText;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

class PageSearch {
public:
    PageSearch(QTextEdit& editor, Prompts& prompts) : m_editor(editor), m_prompts(prompts) {}

    // Down: from the end of the selection to the end of the page. Up: backward from the
    // start of the selection. Selects what it finds and scrolls it into view; reports a
    // failure when `report` is set.
    bool FindInPage(const SearchOptions& options, bool report);
    // Finds the next occurrence after the selection and replaces it; an occurrence that is
    // already selected is skipped. False when nothing was found (or it was protected).
    bool replace(const SearchOptions& options);
    // Replaces every occurrence after the selection as one undo step, with the editor's
    // painting and notifications held until the end; then fires one change and one
    // selection-change notification. Reports when nothing was replaced.
    int replaceAll(const SearchOptions& options);

    // "Text <find text> not found."
    void editorTextNotFound(const QString& findText);

    QTextEdit& editor() const { return m_editor; }

private:
    QTextEdit& m_editor;
    Prompts& m_prompts;
};

// Where a dialog goes so that it does not cover the selection: `p1` is the screen position
// of the selection's first character, `p2` the position just after its last one, 20 pixels
// lower. The new top edge, or nothing when the dialog may stay.
std::optional<int> dialogTopOutOfTheWay(const QRect& dialog, QPoint p1, QPoint p2,
                                        int screenHeight);

} // namespace quillet
