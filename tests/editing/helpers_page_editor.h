#pragma once

// The program's rich-text editor with the few conveniences the command tests need.

#include "ui/rich_editor.h"

namespace quillet::test {

class PageEditor : public RichEditor {
public:
    // Puts `text` (LF as paragraph ends) on a fresh, unmodified page.
    void setPage(const QString& text);
    // Selects the characters from..to of the page as the editor counts them.
    void select(int from, int to);
    // Number of characters of the page, paragraph ends counting one each.
    int pageLength() const;
};

} // namespace quillet::test
