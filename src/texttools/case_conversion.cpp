#include "texttools/case_conversion.h"

#include "texttools/string_utils.h"

namespace quillet {

namespace {

char16_t lowerAZ(char16_t c) {
    return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
}

char16_t upperAZ(char16_t c) {
    return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c;
}

template <typename F> QString mapped(const QString& text, F f) {
    QString out = text;
    QChar* p = out.data();
    for (qsizetype i = 0; i < out.size(); ++i)
        p[i] = QChar(f(p[i].unicode()));
    return out;
}

QString wordByWord(const QString& text, bool lowerRest) {
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool first = true;
    while (true) {
        while (i < n && isWordSeparator(text[i]))
            ++i;
        if (i >= n)
            break;
        if (!first)
            out.append(u' ');
        first = false;
        out.append(QChar(upperAZ(text[i].unicode())));
        ++i;
        while (i < n && !isWordSeparator(text[i])) {
            const char16_t c = text[i].unicode();
            out.append(QChar(lowerRest ? lowerAZ(c) : c));
            ++i;
        }
    }
    return out;
}

} // namespace

QString lowerCaseAZ(const QString& text) {
    return mapped(text, lowerAZ);
}

QString upperCaseAZ(const QString& text) {
    return mapped(text, upperAZ);
}

QString SentenceCase(const QString& text) {
    if (text.isEmpty())
        return text;
    QString out = lowerCaseAZ(text);
    out[0] = QChar(upperAZ(text[0].unicode()));
    return out;
}

QString TitleCase(const QString& text) {
    return wordByWord(text, true);
}

QString InitialCaps(const QString& text) {
    return wordByWord(text, false);
}

QString ToggleCase(const QString& text) {
    return mapped(text, [](char16_t c) -> char16_t {
        if (c >= 'a' && c <= 'z')
            return char16_t(c - 32);
        if (c >= 'A' && c <= 'Z')
            return char16_t(c + 32);
        return c;
    });
}

QString convertCase(const QString& text, int mode) {
    switch (mode) {
    case 0:
        return SentenceCase(text);
    case 1:
        return lowerCaseAZ(text);
    case 2:
        return upperCaseAZ(text);
    case 3:
        return TitleCase(text);
    case 4:
        return InitialCaps(text);
    case 5:
        return ToggleCase(text);
    default:
        return text;
    }
}

} // namespace quillet
