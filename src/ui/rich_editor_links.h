#pragma once

// Links as the page shows them: words that start with a known scheme (detected, never
// stored) and hyperlinks of the text itself; plus the look of hidden and disabled text.
// All of it is drawn by a syntax highlighter, so showing it never changes the document,
// its undo history or its modified flag.

#include <QList>
#include <QString>
#include <QSyntaxHighlighter>

namespace quillet {

struct UrlSpan {
    int start = 0; // index in the text
    int length = 0;
    bool operator==(const UrlSpan&) const = default;
};

// Scheme-prefixed words: http:, https:, mailto:, file:, ftp: (any letter case), up to the
// next white space; closing punctuation at the very end is not part of the link.
QList<UrlSpan> detectUrls(const QString& text);

class PageHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit PageHighlighter(QObject* parent);

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace quillet
