#include "texttools/counting.h"

#include "texttools/string_utils.h"

namespace quillet {

qsizetype CountWords(const QString& text) {
    qsizetype count = 0;
    bool inWord = false;
    for (QChar c : text) {
        const bool separator = isWordSeparator(c);
        if (!separator && !inWord)
            ++count;
        inWord = !separator;
    }
    return count;
}

qsizetype CountChars(const QString& text) {
    qsizetype count = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        // The counted codes are all below 256 and mean the same in Latin-1, so no code
        // page lookup is needed.
        if ((u >= 33 && u <= 126 && u != 124) || u == 163 || u == 172)
            ++count;
    }
    return count;
}

} // namespace quillet
