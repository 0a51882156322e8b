#include "store/caption_codec.h"

#include "store/cp1252.h"

namespace quillet {

namespace {

// Length of a character reference "&#N;" starting at `pos` that the decoder accepts, with
// its code point in *code; 0 when there is none.
template <typename Text> qsizetype referenceAt(const Text& text, qsizetype pos, char32_t* code) {
    const qsizetype n = text.size();
    if (pos + 3 >= n || text[pos] != '&' || text[pos + 1] != '#')
        return 0;
    qsizetype i = pos + 2;
    char32_t value = 0;
    int digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        if (++digits > 7)
            return 0;
        value = value * 10 + char32_t(text[i] - '0');
        ++i;
    }
    if (digits == 0 || i >= n || text[i] != ';')
        return 0;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *code = value;
    return i + 1 - pos;
}

// Byte view that compares like characters for referenceAt.
struct Bytes {
    QByteArrayView b;
    qsizetype size() const { return b.size(); }
    char operator[](qsizetype i) const { return b[i]; }
};

struct Units {
    const QString& s;
    qsizetype size() const { return s.size(); }
    char16_t operator[](qsizetype i) const { return s[i].unicode(); }
};

} // namespace

QByteArray encodeCaption(const QString& caption, int maxBytes) {
    QByteArray out;
    out.reserve(std::min<qsizetype>(caption.size(), maxBytes));
    const Units units{caption};
    for (qsizetype i = 0; i < caption.size();) {
        char32_t code = caption[i].unicode();
        qsizetype width = 1;
        if (caption[i].isHighSurrogate() && i + 1 < caption.size() &&
            caption[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(caption[i], caption[i + 1]);
            width = 2;
        }
        QByteArray piece;
        char32_t ignored = 0;
        const int b = (width == 1 && !caption[i].isSurrogate()) ? cp1252Byte(code) : -1;
        if (code == '&' && referenceAt(units, i, &ignored) > 0)
            piece = QByteArrayLiteral("&#38;");
        else if (b >= 0)
            piece = QByteArray(1, char(b));
        else
            piece = "&#" + QByteArray::number(uint(code)) + ';';
        if (out.size() + piece.size() > maxBytes)
            break;
        out += piece;
        i += width;
    }
    return out;
}

QString decodeCaption(QByteArrayView bytes) {
    if (!bytes.contains('&'))
        return fromCp1252(bytes);
    QString out;
    out.reserve(bytes.size());
    const Bytes view{bytes};
    qsizetype plainStart = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const qsizetype len = bytes[i] == '&' ? referenceAt(view, i, &code) : 0;
        if (len == 0) {
            ++i;
            continue;
        }
        out += fromCp1252(bytes.sliced(plainStart, i - plainStart));
        const char32_t one[1] = {code};
        out += QString::fromUcs4(one, 1);
        i += len;
        plainStart = i;
    }
    out += fromCp1252(bytes.sliced(plainStart));
    return out;
}

} // namespace quillet
