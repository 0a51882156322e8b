#include "store/node_links.h"

#include "store/cp1252.h"

#include <QList>

namespace quillet {

namespace {

void appendEncodedByte(QString& out, uchar byte) {
    static const char hex[] = "0123456789ABCDEF";
    out += QLatin1Char('%');
    out += QLatin1Char(hex[byte >> 4]);
    out += QLatin1Char(hex[byte & 0x0F]);
}

bool isPlain(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

} // namespace

QString encodeLinkCaption(const QString& caption) {
    QString out;
    out.reserve(caption.size() * 3);
    const QList<uint> codes = caption.toUcs4();
    for (const uint code : codes) {
        const char32_t c = char32_t(code);
        if (isPlain(c)) {
            out += QChar(char16_t(c));
        } else if (c == U' ') {
            out += QLatin1Char('+');
        } else if (const int byte = cp1252Byte(c); byte >= 0) {
            appendEncodedByte(out, uchar(byte));
        } else {
            const QByteArray utf8 = QString::fromUcs4(&c, 1).toUtf8();
            for (const char b : utf8)
                appendEncodedByte(out, uchar(b));
        }
    }
    return out;
}

QString nodeLinkText(const QString& caption, qint32 id) {
    return QStringLiteral("file://") + encodeLinkCaption(caption) + QLatin1Char('/') +
           QString::number(id);
}

bool isNodeLink(const QString& link) {
    const int colon = link.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    return link.left(colon + 1).compare(QLatin1String("file:"), Qt::CaseInsensitive) == 0;
}

QString linkIdText(const QString& link) {
    const int colon = link.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QString();
    QString rest = link.mid(colon + 1);
    if (rest.startsWith(QLatin1String("//")))
        rest = rest.mid(2);
    const int pathStart = rest.indexOf(QLatin1Char('/'));
    if (pathStart < 0)
        return QString();
    const QString path = rest.mid(pathStart);
    QString id = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int query = id.indexOf(QLatin1Char('?'));
    if (query >= 0)
        id.truncate(query);
    return id;
}

std::optional<qint32> linkId(const QString& link) {
    const QString text = linkIdText(link);
    bool ok = false;
    const qint32 id = text.toInt(&ok);
    // "007" or "+7" would name another file than the one the id's page has.
    if (!ok || QString::number(id) != text)
        return std::nullopt;
    return id;
}

} // namespace quillet
