#include "ui/rtf_picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace quillet {

namespace {

constexpr int kMaxDisplay = 4000; // pixels; a page never shows a bigger picture

quint32 le32(const QByteArray& d, qsizetype at) {
    if (at < 0 || at + 4 > d.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray& d, qsizetype at) {
    if (at < 0 || at + 2 > d.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

void putLe32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A packed DIB (header, colours, bits) as a BMP file Qt can read.
QImage decodeDib(const QByteArray& dib) {
    const quint32 headerSize = le32(dib, 0);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return {};
    quint32 colours = 0;
    quint32 masks = 0;
    if (headerSize == 12) {
        const int bits = le16(dib, 10);
        colours = bits <= 8 ? (1u << bits) : 0; // three bytes each in this old header
        QByteArray file("BM");
        putLe32(file, quint32(14 + dib.size()));
        putLe32(file, 0);
        putLe32(file, 14 + headerSize + colours * 3);
        return QImage::fromData(file + dib, "BMP");
    }
    const int bits = le16(dib, 14);
    const quint32 compression = le32(dib, 16);
    const quint32 used = le32(dib, 32);
    colours = used ? std::min<quint32>(used, 256) : (bits <= 8 ? (1u << bits) : 0);
    if (headerSize == 40 && (compression == 3 || compression == 6))
        masks = compression == 3 ? 12 : 16;
    QByteArray file("BM");
    putLe32(file, quint32(14 + dib.size()));
    putLe32(file, 0);
    putLe32(file, 14 + headerSize + masks + colours * 4);
    return QImage::fromData(file + dib, "BMP");
}

// A device-dependent bitmap: rows top first, no colour table.
QImage decodeDdb(const QByteArray& bits, int width, int height, int widthBytes, int bpp) {
    if (width <= 0 || height <= 0 || width > 20000 || height > 20000 || widthBytes <= 0)
        return {};
    if (qint64(widthBytes) * height > bits.size())
        return {};
    if ((bpp == 1 && widthBytes * 8 < width) || (bpp == 24 && widthBytes < width * 3) ||
        (bpp == 32 && widthBytes < width * 4))
        return {};
    QImage img(width, height, QImage::Format_RGB32);
    if (img.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const unsigned char*>(bits.constData()) + qint64(y) * widthBytes;
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bpp == 1)
                out[x] = (row[x / 8] & (0x80 >> (x % 8))) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            else if (bpp == 24)
                out[x] = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
            else if (bpp == 32)
                out[x] = qRgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
            else
                return {};
        }
    }
    return img;
}

// Pixel size a picture's data declares, read from its header only.
QSize declaredSize(const QString& kind, const QByteArray& data, int picw, int pich) {
    if (kind == QLatin1String("png") || kind == QLatin1String("jpeg")) {
        QBuffer buf(const_cast<QByteArray*>(&data));
        buf.open(QIODevice::ReadOnly);
        QImageReader reader(&buf);
        return reader.size();
    }
    if (kind == QLatin1String("dib")) {
        if (le32(data, 0) == 12)
            return QSize(le16(data, 4), le16(data, 6));
        return QSize(std::abs(qint32(le32(data, 4))), std::abs(qint32(le32(data, 8))));
    }
    if (kind == QLatin1String("wbitmap"))
        return QSize(picw, pich);
    return {};
}

} // namespace

qsizetype rtfGroupEnd(const QByteArray& data, qsizetype open, qsizetype depth) {
    qsizetype i = open;
    const qsizetype n = data.size();
    while (i < n) {
        const char c = data[i];
        if (c == '{') {
            ++depth;
            ++i;
        } else if (c == '}') {
            --depth;
            ++i;
            if (depth <= 0)
                return i;
        } else if (c == '\\') {
            ++i;
            if (i >= n)
                break;
            if (data[i] == 'b' && i + 3 <= n && std::memcmp(data.constData() + i, "bin", 3) == 0 &&
                (i + 3 == n || data[i + 3] == '-' || (data[i + 3] >= '0' && data[i + 3] <= '9'))) {
                i += 3;
                qint64 len = 0;
                bool neg = false;
                if (i < n && data[i] == '-') {
                    neg = true;
                    ++i;
                }
                while (i < n && data[i] >= '0' && data[i] <= '9') {
                    len = std::min<qint64>(len * 10 + (data[i] - '0'), qint64(n));
                    ++i;
                }
                if (i < n && data[i] == ' ')
                    ++i;
                if (!neg)
                    i = std::min<qint64>(i + len, n);
            } else {
                ++i; // an escaped character, or the first letter of a word
            }
        } else {
            ++i;
        }
    }
    return n;
}

QImage placeholderImage() {
    // One small picture, scaled to whatever size the page gives it: a page full of
    // metafiles costs no more memory than one.
    static const QImage image = [] {
        QImage img(48, 48, QImage::Format_RGB32);
        img.fill(QColor(0xE8, 0xE8, 0xE8));
        QPainter p(&img);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(0, 0, 47, 47);
        p.drawLine(0, 0, 47, 47);
        p.drawLine(0, 47, 47, 0);
        return img;
    }();
    return image;
}

RtfPicture decodeRtfPicture(const QByteArray& group, qint64* pixelBudget) {
    RtfPicture pic;
    pic.kind = QStringLiteral("other");
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int wbmBits = 1, wbmWidthBytes = 0;
    QByteArray data;
    int nibble = -1;
    const qsizetype n = group.size();
    qsizetype i = (n > 0 && group[0] == '{') ? 1 : 0;
    while (i < n) {
        const char c = group[i];
        if (c == '}')
            break;
        if (c == '{') {
            i = rtfGroupEnd(group, i); // properties and ids inside the picture
            continue;
        }
        if (c != '\\') {
            const int h = hexValue(c);
            if (h >= 0) {
                if (nibble < 0)
                    nibble = h;
                else {
                    data.append(char(nibble << 4 | h));
                    nibble = -1;
                }
            }
            ++i;
            continue;
        }
        ++i;
        QByteArray word;
        while (i < n && word.size() < 32 &&
               ((group[i] >= 'a' && group[i] <= 'z') || (group[i] >= 'A' && group[i] <= 'Z')))
            word.append(group[i++]);
        bool neg = false;
        if (i < n && group[i] == '-') {
            neg = true;
            ++i;
        }
        qint64 num = 0;
        bool hasNum = false;
        while (i < n && group[i] >= '0' && group[i] <= '9') {
            num = std::min<qint64>(num * 10 + (group[i] - '0'), 1'000'000'000);
            hasNum = true;
            ++i;
        }
        if (i < n && group[i] == ' ')
            ++i;
        if (word.isEmpty()) {
            if (i < n && group[i] != '{' && group[i] != '}')
                ++i;
            continue;
        }
        const int v = int(neg ? -num : num);
        if (word == "pngblip")
            pic.kind = QStringLiteral("png");
        else if (word == "jpegblip")
            pic.kind = QStringLiteral("jpeg");
        else if (word == "dibitmap")
            pic.kind = QStringLiteral("dib");
        else if (word == "wbitmap")
            pic.kind = QStringLiteral("wbitmap");
        else if (word == "wmetafile")
            pic.kind = QStringLiteral("wmf");
        else if (word == "emfblip")
            pic.kind = QStringLiteral("emf");
        else if (word == "picw")
            picw = v;
        else if (word == "pich")
            pich = v;
        else if (word == "picwgoal")
            goalw = v;
        else if (word == "pichgoal")
            goalh = v;
        else if (word == "picscalex")
            scalex = v;
        else if (word == "picscaley")
            scaley = v;
        else if (word == "wbmbitspixel")
            wbmBits = v;
        else if (word == "wbmwidthbytes")
            wbmWidthBytes = v;
        else if (word == "bin" && hasNum && !neg) {
            const qint64 len = std::min<qint64>(num, n - i);
            data.append(group.constData() + i, len);
            i += len;
        }
    }
    // Decoded pictures share one budget per page, checked before decoding from the sizes
    // the data declares; what does not fit is kept but shown as a placeholder.
    const QSize declared = declaredSize(pic.kind, data, picw, pich);
    const qint64 cost = qint64(declared.width()) * declared.height() * 4;
    if (declared.isValid() && cost > 0 && (!pixelBudget || cost <= *pixelBudget)) {
        if (pic.kind == QLatin1String("png") || pic.kind == QLatin1String("jpeg"))
            pic.image = QImage::fromData(data);
        else if (pic.kind == QLatin1String("dib"))
            pic.image = decodeDib(data);
        else if (pic.kind == QLatin1String("wbitmap"))
            pic.image = decodeDdb(data, picw, pich, wbmWidthBytes, wbmBits);
        if (pixelBudget && !pic.image.isNull())
            *pixelBudget -= pic.image.sizeInBytes();
    }
    pic.shown = !pic.image.isNull();

    const qint64 sx = std::clamp(scalex, 1, 1000);
    const qint64 sy = std::clamp(scaley, 1, 1000);
    qint64 w = 0, h = 0;
    if (goalw > 0 && goalh > 0) {
        w = goalw * sx / 100 / 15;
        h = goalh * sy / 100 / 15;
    } else if (pic.shown) {
        w = pic.image.width() * sx / 100;
        h = pic.image.height() * sy / 100;
    } else if (picw > 0 && pich > 0) {
        // metafile extents are hundredths of a millimetre
        w = qint64(picw) * 96 / 2540 * sx / 100;
        h = qint64(pich) * 96 / 2540 * sy / 100;
    }
    if (w <= 0 || h <= 0)
        w = h = 96;
    pic.displaySize = QSize(int(std::clamp<qint64>(w, 1, kMaxDisplay)),
                            int(std::clamp<qint64>(h, 1, kMaxDisplay)));
    if (!pic.shown)
        pic.image = placeholderImage();
    return pic;
}

void appendRtfHex(QByteArray& out, const QByteArray& data) {
    static const char digits[] = "0123456789ABCDEF";
    out.reserve(out.size() + data.size() * 2 + data.size() / 64 * 2 + 2);
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i > 0 && i % 64 == 0)
            out.append("\r\n");
        const auto b = static_cast<unsigned char>(data[i]);
        out.append(digits[b >> 4]);
        out.append(digits[b & 15]);
    }
}

QByteArray rtfPictureGroup(const QImage& image, QSize displaySize) {
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    image.save(&buf, "PNG");
    const QSize d = displaySize.isValid() && !displaySize.isEmpty() ? displaySize : image.size();
    QByteArray out = "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                     QByteArray::number(image.height()) + "\\picwgoal" +
                     QByteArray::number(d.width() * 15) + "\\pichgoal" +
                     QByteArray::number(d.height() * 15) + "\r\n";
    appendRtfHex(out, png);
    out.append('}');
    return out;
}

} // namespace quillet
