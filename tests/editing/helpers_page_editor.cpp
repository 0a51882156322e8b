#include "helpers_page_editor.h"

#include <QTextCursor>
#include <QTextDocument>

namespace quillet::test {

void PageEditor::setPage(const QString& text) {
    clearPage();
    setPlainText(text);
    document()->setModified(false);
}

void PageEditor::select(int from, int to) {
    QTextCursor c = textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int PageEditor::pageLength() const {
    return document()->characterCount() - 1;
}

} // namespace quillet::test
