#include "ui/rich_editor_links.h"

#include "ui/text_attributes.h"

#include <QTextBlock>
#include <QTextCharFormat>

namespace quillet {

namespace {

const QLatin1String kSchemes[] = {QLatin1String("http:"), QLatin1String("https:"),
                                  QLatin1String("mailto:"), QLatin1String("file:"),
                                  QLatin1String("ftp:")};

bool endsLink(QChar c) {
    return c.isSpace() || c == QChar::ObjectReplacementCharacter || c == QLatin1Char('<') ||
           c == QLatin1Char('>') || c == QLatin1Char('"') || c.unicode() < 0x20 ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool trailingPunctuation(QChar c) {
    return QStringLiteral(".,;:!?)]}'").contains(c);
}

} // namespace

QList<UrlSpan> detectUrls(const QString& text) {
    QList<UrlSpan> spans;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        // A link starts a word: nothing but a non-letter may stand before it.
        if (i > 0 && text.at(i - 1).isLetterOrNumber()) {
            ++i;
            continue;
        }
        int schemeLength = 0;
        for (const QLatin1String& s : kSchemes) {
            if (QStringView(text).mid(i).startsWith(s, Qt::CaseInsensitive)) {
                schemeLength = int(s.size());
                break;
            }
        }
        if (!schemeLength) {
            ++i;
            continue;
        }
        int end = i + schemeLength;
        while (end < n && !endsLink(text.at(end)))
            ++end;
        int trimmed = end;
        while (trimmed > i + schemeLength && trailingPunctuation(text.at(trimmed - 1)))
            --trimmed;
        if (trimmed > i + schemeLength)
            spans.append({i, trimmed - i});
        i = end;
    }
    return spans;
}

PageHighlighter::PageHighlighter(QObject* parent) : QSyntaxHighlighter(parent) {}

void PageHighlighter::highlightBlock(const QString& text) {
    QTextCharFormat link;
    link.setForeground(QColor(0, 0, 255));
    link.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    for (const UrlSpan& s : detectUrls(text))
        setFormat(s.start, s.length, link);

    const QTextBlock block = currentBlock();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        const QTextCharFormat f = frag.charFormat();
        const int start = frag.position() - block.position();
        if (f.boolProperty(textprop::Hidden)) {
            // Kept in the text, taking no room on the line.
            QTextCharFormat hidden;
            hidden.setForeground(Qt::transparent);
            hidden.setFontPointSize(1);
            hidden.setFontLetterSpacingType(QFont::PercentageSpacing);
            hidden.setFontLetterSpacing(1);
            hidden.setFontUnderline(false);
            hidden.setFontStrikeOut(false);
            hidden.setBackground(Qt::transparent);
            setFormat(start, frag.length(), hidden);
        } else if (f.boolProperty(textprop::Disabled)) {
            QTextCharFormat grey;
            grey.setForeground(QColor(0x80, 0x80, 0x80));
            setFormat(start, frag.length(), grey);
        } else if (f.isAnchor()) {
            setFormat(start, frag.length(), link);
        }
    }
}

} // namespace quillet
