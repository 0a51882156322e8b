#pragma once

#include <QString>

namespace quillet {

// The page as the document store and the text tools see it. The main window's rich-text
// editor implements it; tests plug a real editor widget or a small fake in. Keeping this
// interface free of widgets lets every controller be tested without a window.
class Editor {
public:
    virtual ~Editor() = default;

    // Page files. Both return false with a reason in *error when the file cannot be used;
    // on failure loadPage leaves the current page as it was.
    virtual bool loadPage(const QString& path, QString* error) = 0;
    virtual bool savePage(const QString& path, QString* error) = 0;
    // An empty page (no text, no formatting of its own).
    virtual void clearPage() = 0;

    // The editor's own "changed since loaded" flag.
    virtual bool isPageModified() const = 0;
    virtual void setPageModified(bool modified) = 0;

    // Selection as plain text; paragraph ends read as CR LF.
    virtual bool hasSelection() const = 0;
    virtual QString selectedText() const = 0;
    // Replaces the selection with plain text as one undo step; the new text stays selected.
    virtual void replaceSelection(const QString& text) = 0;

    // The whole page as plain text, paragraph ends as CR LF (counting words and characters
    // when nothing is selected).
    virtual QString pageText() const = 0;
};

} // namespace quillet
