#pragma once

// A small Editor over a QTextEdit for the command tests, standing in for the program's
// rich-text editor: it reports paragraph ends as CR LF and turns CR LF, CR and LF into
// paragraph ends when text is put in, as a rich-text page does.

#include "store/editor.h"

#include <QTextEdit>

namespace quillet::test {

class TextEditEditor : public Editor {
public:
    QTextEdit edit;

    // Puts `text` (CR LF or LF as paragraph ends) on a fresh, unmodified page.
    void setPage(const QString& text);
    // Selects the characters from..to of the page as the editor counts them.
    void select(int from, int to);
    void selectAll();

    bool loadPage(const QString& path, QString* error) override;
    bool savePage(const QString& path, QString* error) override;
    void clearPage() override;
    bool isPageModified() const override;
    void setPageModified(bool modified) override;
    bool hasSelection() const override;
    QString selectedText() const override;
    void replaceSelection(const QString& text) override;
    QString pageText() const override;
};

} // namespace quillet::test
