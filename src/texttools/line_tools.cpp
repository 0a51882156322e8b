#include "texttools/line_tools.h"

#include "texttools/string_utils.h"

#include <QCollator>
#include <QList>

#include <algorithm>

namespace quillet {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Calls f(line, consumed) for each line of text, where consumed counts the characters up to
// and including the line's break.
template <typename F> void forEachLine(QStringView text, F&& f) {
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = text[i].unicode();
        if (c == '\r' || c == '\n') {
            const QStringView line = text.sliced(start, i - start);
            i += (c == '\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
            f(line, i);
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        f(text.sliced(start), n);
}

QList<QStringView> lineViews(QStringView text) {
    QList<QStringView> lines;
    forEachLine(text, [&](QStringView line, qsizetype) { lines.append(line); });
    return lines;
}

void appendWithSpace(QString& out, QStringView line) {
    out.append(line);
    if (!line.endsWith(u' '))
        out.append(u' ');
}

void report(const LineProgress& progress, qsizetype consumed) {
    if (progress)
        progress(consumed);
}

} // namespace

QStringList splitLines(const QString& text) {
    QStringList lines;
    forEachLine(text, [&](QStringView line, qsizetype) { lines.append(line.toString()); });
    return lines;
}

bool isBlankLine(QStringView line) {
    return line.isEmpty() || line == u" " || line == u"  ";
}

QString joinLines(const QString& text, const LineProgress& progress) {
    QString out;
    out.reserve(text.size() + 1);
    forEachLine(text, [&](QStringView line, qsizetype consumed) {
        appendWithSpace(out, line);
        report(progress, consumed);
    });
    return out;
}

QString reformatLines(const QString& text, const LineProgress& progress) {
    QString out;
    out.reserve(text.size() + 2);
    // The current paragraph is written straight into `out`; a blank line closes it.
    forEachLine(text, [&](QStringView line, qsizetype consumed) {
        if (isBlankLine(line))
            out.append(kCrLf);
        else
            appendWithSpace(out, line);
        report(progress, consumed);
    });
    out.append(kCrLf);
    return out;
}

QString removeBlankLines(const QString& text, const LineProgress& progress) {
    QString out;
    out.reserve(text.size() + 2);
    forEachLine(text, [&](QStringView line, qsizetype consumed) {
        if (!isBlankLine(line)) {
            out.append(line);
            out.append(kCrLf);
        }
        report(progress, consumed);
    });
    return out;
}

QString trimLeft(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isSpaceOrControl(text[i]))
        ++i;
    return text.mid(i);
}

QString trimRight(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && isSpaceOrControl(text[n - 1]))
        --n;
    return text.left(n);
}

QString trimAll(const QString& text) {
    return trimLeft(trimRight(text));
}

QString reverseText(const QString& text) {
    const qsizetype n = text.size();
    QString out(n, Qt::Uninitialized);
    QChar* dst = out.data() + n;
    qsizetype i = 0;
    while (i < n) {
        qsizetype len = 1;
        if (i + 1 < n && ((text[i] == u'\r' && text[i + 1] == u'\n') ||
                          (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())))
            len = 2;
        dst -= len;
        for (qsizetype k = 0; k < len; ++k)
            dst[k] = text[i + k];
        i += len;
    }
    return out;
}

QString sortLines(const QString& text, const QCollator& collator) {
    // Inserting each line in front of the lines equal to it is the same as a stable sort of
    // the lines taken in reverse order; sorting keys computed once keeps long selections
    // fast.
    QList<QStringView> lines = lineViews(text);
    std::reverse(lines.begin(), lines.end());
    struct Keyed {
        QCollatorSortKey key;
        QStringView line;
    };
    // Qt's collator for the C locale builds its sort keys from the bare code units and so
    // ignores the case setting; fold the case here in that one case.
    const bool foldCase = collator.caseSensitivity() == Qt::CaseInsensitive &&
                          collator.locale().language() == QLocale::C;
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(lines.size()));
    for (QStringView line : lines) {
        const QString s = foldCase ? line.toString().toCaseFolded() : line.toString();
        keyed.push_back({collator.sortKey(s), line});
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key.compare(b.key) < 0; });
    QString out;
    out.reserve(text.size() + 2 * lines.size());
    for (const Keyed& k : keyed) {
        out.append(k.line);
        out.append(kCrLf);
    }
    return out;
}

} // namespace quillet
