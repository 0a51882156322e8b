#include "app/word_selection.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <utility>

namespace quillet {

WordSelection::WordSelection(QTextEdit* editor) : QObject(editor), m_editor(editor) {
    editor->viewport()->installEventFilter(this);
}

std::pair<int, int> WordSelection::snapToWords(const QTextEdit* editor, int anchor, int position) {
    QTextCursor a(editor->document());
    a.setPosition(anchor);
    QTextCursor p(editor->document());
    p.setPosition(position);
    a.select(QTextCursor::WordUnderCursor);
    p.select(QTextCursor::WordUnderCursor);
    const bool sameWord = a.hasSelection() && a.selectionStart() == p.selectionStart() &&
                          a.selectionEnd() == p.selectionEnd();
    if (sameWord || anchor == position)
        return {anchor, position};
    if (anchor < position) {
        const int start = a.hasSelection() ? a.selectionStart() : anchor;
        const int end = p.hasSelection() ? p.selectionEnd() : position;
        return {start, end};
    }
    const int start = a.hasSelection() ? a.selectionEnd() : anchor;
    const int end = p.hasSelection() ? p.selectionStart() : position;
    return {start, end};
}

bool WordSelection::eventFilter(QObject* watched, QEvent* event) {
    if (!m_enabled)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragging = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging) {
            m_dragging = false;
            QTextCursor c = m_editor->textCursor();
            if (c.hasSelection()) {
                const auto [anchor, position] = snapToWords(m_editor, c.anchor(), c.position());
                c.setPosition(anchor);
                c.setPosition(position, QTextCursor::KeepAnchor);
                m_editor->setTextCursor(c);
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillet
