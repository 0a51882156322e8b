#include "texttools/string_utils.h"

namespace quillet {

bool isWordSeparator(QChar c) {
    switch (c.unicode()) {
    case 9:
    case 10:
    case 13:
    case ' ':
    case '!':
    case '"':
    case '\'':
    case '(':
    case ')':
    case ',':
    case '.':
    case ':':
    case ';':
    case '?':
    case '[':
    case ']':
    case '{':
    case '}':
        return true;
    default:
        return false;
    }
}

QString TrimSeparatorsLeft(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isWordSeparator(text[i]))
        ++i;
    return text.mid(i);
}

QString TrimSeparatorsRight(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && isWordSeparator(text[n - 1]))
        --n;
    return text.left(n);
}

QString TrimSeparators(const QString& text) {
    return TrimSeparatorsLeft(TrimSeparatorsRight(text));
}

FirstWord SplitFirstWord(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && isWordSeparator(text[start]))
        ++start;
    qsizetype end = start;
    while (end < text.size() && !isWordSeparator(text[end]))
        ++end;
    return {text.mid(start, end - start), text.mid(end)};
}

namespace {

QString trimmedOfControls(QStringView word) {
    qsizetype b = 0;
    qsizetype e = word.size();
    while (b < e && isSpaceOrControl(word[b]))
        ++b;
    while (e > b && isSpaceOrControl(word[e - 1]))
        --e;
    return word.sliced(b, e - b).toString();
}

} // namespace

void SplitWords(const QString& text, QStringList& list) {
    // Walks the text once instead of copying the rest after every word, so long texts
    // split in linear time; the words are those of repeated SplitFirstWord calls.
    const QStringView view(text);
    qsizetype i = 0;
    const qsizetype n = view.size();
    while (true) {
        while (i < n && isWordSeparator(view[i]))
            ++i;
        if (i >= n)
            break;
        const qsizetype start = i;
        while (i < n && !isWordSeparator(view[i]))
            ++i;
        list.append(trimmedOfControls(view.sliced(start, i - start)));
    }
}

void SplitAtChar(const QString& text, QChar sep, QStringList& list) {
    if (text.isEmpty())
        return;
    list.clear();
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(sep, from);
        if (at < 0) {
            if (from < text.size())
                list.append(text.mid(from));
            return;
        }
        list.append(text.mid(from, at - from));
        from = at + 1;
    }
}

} // namespace quillet
