#include "editing/page_search.h"

#include "store/prompts.h"
#include "ui/text_attributes.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace quillet {

namespace {

QTextDocument::FindFlags flagsOf(const SearchOptions& o, bool down) {
    QTextDocument::FindFlags f;
    if (o.matchCase)
        f |= QTextDocument::FindCaseSensitively;
    if (o.wholeWord)
        f |= QTextDocument::FindWholeWords;
    if (!down)
        f |= QTextDocument::FindBackward;
    return f;
}

// The search itself, without selecting: a null cursor when nothing was found.
QTextCursor findFrom(const QTextEdit& editor, const SearchOptions& o, bool down) {
    if (o.findText.isEmpty())
        return {};
    const QTextCursor sel = editor.textCursor();
    const int start = down ? sel.selectionEnd() : sel.selectionStart();
    return editor.document()->find(o.findText, start, flagsOf(o, down));
}

} // namespace

void PageSearch::editorTextNotFound(const QString& findText) {
    m_prompts.warning(QStringLiteral("Text ") + findText + QStringLiteral(" not found."));
}

bool PageSearch::FindInPage(const SearchOptions& o, bool report) {
    const QTextCursor found = findFrom(m_editor, o, o.down);
    if (found.isNull()) {
        if (report)
            editorTextNotFound(o.findText);
        return false;
    }
    m_editor.setTextCursor(found);
    m_editor.ensureCursorVisible();
    return true;
}

bool PageSearch::replace(const SearchOptions& o) {
    SearchOptions down = o;
    down.down = true;
    if (!FindInPage(down, true))
        return false;
    QTextCursor c = m_editor.textCursor();
    // Protected text is never changed, whichever way the change comes.
    if (rangeHasProtected(m_editor.document(), c.selectionStart(), c.selectionEnd()))
        return false;
    c.insertText(o.replaceText);
    m_editor.setTextCursor(c);
    return true;
}

int PageSearch::replaceAll(const SearchOptions& o) {
    SearchOptions down = o;
    down.down = true;
    int count = 0;
    const bool updates = m_editor.updatesEnabled();
    m_editor.setUpdatesEnabled(false);
    const bool blocked = m_editor.blockSignals(true);
    QTextCursor block = m_editor.textCursor();
    block.beginEditBlock();
    for (;;) {
        QTextCursor found = findFrom(m_editor, down, true);
        if (found.isNull())
            break;
        if (!rangeHasProtected(m_editor.document(), found.selectionStart(), found.selectionEnd())) {
            found.insertText(o.replaceText);
            ++count;
        } else {
            // Leave it and go on after it.
            found.setPosition(found.selectionEnd());
        }
        m_editor.setTextCursor(found);
    }
    block.endEditBlock();
    m_editor.blockSignals(blocked);
    m_editor.setUpdatesEnabled(updates);
    if (count > 0) {
        emit m_editor.textChanged();
        emit m_editor.selectionChanged();
        emit m_editor.cursorPositionChanged();
        m_editor.ensureCursorVisible();
    } else {
        editorTextNotFound(o.findText);
    }
    return count;
}

std::optional<int> dialogTopOutOfTheWay(const QRect& dialog, QPoint p1, QPoint p2,
                                        int screenHeight) {
    if (!dialog.contains(p1) && !dialog.contains(p2))
        return std::nullopt;
    if (dialog.height() + 20 < p1.y())
        return p1.y() - 20 - dialog.height();
    if (dialog.height() + p1.y() < screenHeight)
        return p1.y() + 40;
    return std::nullopt;
}

} // namespace quillet
