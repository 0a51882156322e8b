#include "helpers_text_edit_editor.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quillet::test {

namespace {

QString toEditorBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

void TextEditEditor::setPage(const QString& text) {
    edit.setPlainText(toEditorBreaks(text));
    edit.document()->setModified(false);
}

void TextEditEditor::select(int from, int to) {
    QTextCursor c = edit.textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
}

void TextEditEditor::selectAll() {
    edit.selectAll();
}

bool TextEditEditor::loadPage(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    edit.setHtml(QString::fromUtf8(f.readAll()));
    return true;
}

bool TextEditEditor::savePage(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(edit.toHtml().toUtf8()) < 0) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

void TextEditEditor::clearPage() {
    edit.clear();
}

bool TextEditEditor::isPageModified() const {
    return edit.document()->isModified();
}

void TextEditEditor::setPageModified(bool modified) {
    edit.document()->setModified(modified);
}

bool TextEditEditor::hasSelection() const {
    return edit.textCursor().hasSelection();
}

QString TextEditEditor::selectedText() const {
    QString text = edit.textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void TextEditEditor::replaceSelection(const QString& text) {
    QTextCursor c = edit.textCursor();
    c.beginEditBlock();
    const int start = c.selectionStart();
    c.insertText(toEditorBreaks(text));
    const int end = c.position();
    c.endEditBlock();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
}

QString TextEditEditor::pageText() const {
    QStringList lines;
    for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace quillet::test
