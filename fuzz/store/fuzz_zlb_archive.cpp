// Any bytes as an ".igv" notebook: opening and extracting must fail with a message or
// succeed, never read outside the file or write outside the destination.
#include "store/zlb_archive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <zlib.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.igv"));
    // Most inputs would fail the checksum; fix it up so the directory code is reached too.
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.size() >= 36 && (bytes[bytes.size() - 1] & 1)) {
        const qsizetype body = bytes.size() - 36;
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(body));
        for (int i = 0; i < 4; ++i)
            bytes[body + i] = char(quint8(crc >> (8 * i)));
    }
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(bytes);
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    quillet::TZLBArchive zlb;
    if (zlb.OpenArchive(path))
        zlb.ExtractAll(out);
    zlb.CloseArchive();
    QDir(out).removeRecursively();
    return 0;
}
