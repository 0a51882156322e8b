#include "store/cp1252.h"

#include <QStringDecoder>

namespace quillet {

namespace {

// 0x80..0x9F; zero marks the bytes the code page leaves unassigned.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

char16_t cp1252Char(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
        return kHigh[b - 0x80];
    return b;
}

QString fromCp1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(cp1252Char(static_cast<unsigned char>(bytes[i])));
    return out;
}

int cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    if (c >= 0x80 && c <= 0x9F)
        return kHigh[c - 0x80] == 0 ? int(c) : -1;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == c)
            return 0x80 + i;
    }
    return -1;
}

bool fitsCp1252(QStringView text) {
    for (QChar c : text) {
        if (c.isSurrogate() || cp1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray toCp1252(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int b = c.isSurrogate() ? -1 : cp1252Byte(c.unicode());
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString decodeUtf8OrCp1252(QByteArrayView bytes, bool* wasUtf8) {
    QByteArrayView body = bytes;
    const bool bom = body.startsWith("\xEF\xBB\xBF");
    if (bom)
        body = body.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(body);
    const bool utf8 = !decoder.hasError();
    if (wasUtf8)
        *wasUtf8 = utf8;
    return utf8 ? text : fromCp1252(bytes);
}

} // namespace quillet
