#include "texttools/scrambler.h"

#include "texttools/code_page.h"

namespace quillet {

namespace {

constexpr char16_t kEscape = 0x00AC; // NOT SIGN

QString shifted(const QString& text, int key) {
    // Reduce the key first: (c + key) mod 256 only depends on key mod 256, and this avoids
    // overflow for keys near the ends of the int range.
    const int shift = ((key % 256) + 256) % 256;
    QString out = text;
    QChar* p = out.data();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const int code = windows1252Code(p[i].unicode());
        if (code >= 0)
            p[i] = QChar(windows1252Char((code + shift) % 256));
    }
    return out;
}

// One-character forms of the escapes that encrypted text needs often.
QChar shortEscapeFor(char16_t u) {
    if (u < 0x20)
        return QChar(char16_t(0x40 + u)); // '@', 'A'..'_'
    switch (u) {
    case 0x7F:
        return QChar(u'?');
    case kEscape:
        return QChar(kEscape);
    case 0x00A0:
        return QChar(u' ');
    case 0x00AD:
        return QChar(u'-');
    default:
        break;
    }
    if (u >= 0x80 && u < 0x9F)
        return QChar(char16_t(0x60 + (u - 0x80))); // '`', 'a'..'~'
    return QChar();
}

char16_t fromShortEscape(char16_t e, bool* ok) {
    *ok = true;
    if (e >= 0x40 && e < 0x60)
        return char16_t(e - 0x40);
    if (e >= 0x60 && e < 0x7F)
        return char16_t(0x80 + (e - 0x60));
    switch (e) {
    case u'?':
        return 0x7F;
    case kEscape:
        return kEscape;
    case u' ':
        return 0x00A0;
    case u'-':
        return 0x00AD;
    default:
        *ok = false;
        return 0;
    }
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString ScrambleText(const QString& text, int key) {
    return shifted(text, key);
}

QString UnscrambleText(const QString& text, int key) {
    return shifted(text, -(key % 256));
}

bool needsPageEscape(QStringView text, qsizetype index) {
    const char16_t u = text[index].unicode();
    if (u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F) || u == 0x00A0 || u == 0x00AD ||
        u == kEscape)
        return true;
    // Line and paragraph separators become breaks, the object replacement character stands
    // for a picture, U+FDD0/U+FDD1 mark frames inside a rich-text document, and the byte
    // order mark and non-characters are dropped by some readers.
    if (u == 0x2028 || u == 0x2029 || u == 0xFFFC || u == 0xFEFF || u == 0xFFFE || u == 0xFFFF ||
        (u >= 0xFDD0 && u <= 0xFDEF))
        return true;
    if (QChar::isHighSurrogate(u))
        return !(index + 1 < text.size() && QChar::isLowSurrogate(text[index + 1].unicode()));
    if (QChar::isLowSurrogate(u))
        return !(index > 0 && QChar::isHighSurrogate(text[index - 1].unicode()));
    return false;
}

QString encryptForPage(const QString& text, int key) {
    const QString scrambled = ScrambleText(text, key);
    QString out;
    out.reserve(scrambled.size() + scrambled.size() / 8 + 8);
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        const QChar c = scrambled[i];
        if (!needsPageEscape(scrambled, i)) {
            out.append(c);
            continue;
        }
        out.append(QChar(kEscape));
        const QChar shortForm = shortEscapeFor(c.unicode());
        if (!shortForm.isNull()) {
            out.append(shortForm);
        } else {
            out.append(u'#');
            out.append(QStringLiteral("%1").arg(uint(c.unicode()), 4, 16, QChar(u'0')).toUpper());
        }
    }
    return out;
}

QString decryptFromPage(const QString& text, int key) {
    QString unescaped;
    unescaped.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c.unicode() != kEscape || i + 1 >= n) {
            unescaped.append(c);
            continue;
        }
        const char16_t e = text[i + 1].unicode();
        if (e == u'#') {
            if (i + 5 < n) {
                int value = 0;
                bool ok = true;
                for (int k = 0; k < 4 && ok; ++k) {
                    const int h = hexValue(text[i + 2 + k]);
                    ok = h >= 0;
                    value = value * 16 + h;
                }
                if (ok) {
                    unescaped.append(QChar(char16_t(value)));
                    i += 5;
                    continue;
                }
            }
            unescaped.append(c);
            continue;
        }
        bool ok = false;
        const char16_t original = fromShortEscape(e, &ok);
        if (ok) {
            unescaped.append(QChar(original));
            ++i;
        } else {
            unescaped.append(c);
        }
    }
    return UnscrambleText(unescaped, key);
}

} // namespace quillet
