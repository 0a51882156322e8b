#include "store/zlb_archive.h"

#include "store/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <cmath>
#include <memory>

namespace quillet {

namespace {

constexpr qint64 kTrailerSize = 36;
constexpr qint64 kEntrySize = 532;
constexpr qint64 kCrcChunk = 10240;
constexpr qint64 kChunk = 4096;
// Deflate cannot expand data by more than about 1032:1; a directory claiming more than that
// from the bytes it has is damaged, and is refused before anything is allocated for it.
constexpr qint64 kMaxInflateRatio = 1032;

quint32 le32(const uchar* p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

QString shortString(const uchar* area) {
    return fromCp1252(QByteArrayView(reinterpret_cast<const char*>(area + 1), area[0]));
}

// The member's file name with any folder part dropped; empty when nothing usable is left.
QString flattened(const QString& name) {
    const qsizetype cut =
        std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const QString base = name.mid(cut + 1);
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String("..") ||
        base.contains(QChar(0)))
        return QString();
    return base;
}

struct Inflater {
    z_stream z{};
    bool ready = false;
    Inflater() { ready = inflateInit(&z) == Z_OK; }
    ~Inflater() {
        if (ready)
            inflateEnd(&z);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
};

// Pulls up to `want` bytes of inflated data from `file`, reading input no further than
// `inputEnd`. Returns the bytes produced, or -1 on a damaged or short stream.
qint64 inflateChunk(Inflater& inf, QFile& file, qint64 inputEnd, uchar* inBuf, uchar* out,
                    qint64 want) {
    inf.z.next_out = out;
    inf.z.avail_out = uInt(want);
    while (inf.z.avail_out > 0) {
        if (inf.z.avail_in == 0) {
            const qint64 left = inputEnd - file.pos();
            if (left <= 0)
                return -1;
            const qint64 got = file.read(reinterpret_cast<char*>(inBuf), std::min(kChunk, left));
            if (got <= 0)
                return -1;
            inf.z.next_in = inBuf;
            inf.z.avail_in = uInt(got);
        }
        const int rc = inflate(&inf.z, Z_NO_FLUSH);
        if (rc == Z_STREAM_END)
            break;
        if (rc != Z_OK)
            return -1;
    }
    return want - qint64(inf.z.avail_out);
}

} // namespace

int roundedPercent(quint64 done, quint64 total) {
    if (total == 0)
        return 0;
    return int(std::nearbyint(double(done) / double(total) * 100.0));
}

bool TZLBArchive::fail(const QString& message) {
    error_ = message;
    return false;
}

void TZLBArchive::report(const QString& message, int percent) {
    if (progress_)
        progress_(message, percent);
}

void TZLBArchive::CloseArchive() {
    path_.clear();
    entries_.clear();
    open_ = false;
}

bool TZLBArchive::OpenArchive(const QString& path) {
    CloseArchive();
    error_.clear();
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("Archive file not found"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Unable to open file (%1)").arg(path));

    const QString corrupted = QStringLiteral("The archive file appears to be corrupted");
    const QString listError = QStringLiteral("Unable to read archive file list");
    const qint64 size = file.size();
    if (size < kTrailerSize)
        return fail(corrupted);
    const qint64 body = size - kTrailerSize;

    uLong crc = crc32(0, nullptr, 0);
    std::unique_ptr<uchar[]> buf(new uchar[size_t(kCrcChunk)]);
    for (qint64 done = 0; done < body;) {
        const qint64 got =
            file.read(reinterpret_cast<char*>(buf.get()), std::min(kCrcChunk, body - done));
        if (got <= 0)
            return fail(corrupted);
        crc = crc32(crc, buf.get(), uInt(got));
        done += got;
    }
    uchar trailer[kTrailerSize];
    if (file.read(reinterpret_cast<char*>(trailer), kTrailerSize) != kTrailerSize)
        return fail(corrupted);
    if (quint32(crc) != le32(trailer))
        return fail(corrupted);

    const quint64 count = le32(trailer + 4);
    const qint64 dirOffset = qint64(le32(trailer + 16));
    const bool compressed = trailer[20] != 0;
    const quint64 dirBytes = count * quint64(kEntrySize);
    if (dirOffset > body || !file.seek(dirOffset))
        return fail(listError);
    const qint64 available = body - dirOffset;
    if (!compressed && dirBytes > quint64(available))
        return fail(listError);
    if (compressed && dirBytes > quint64(available) * kMaxInflateRatio + kChunk)
        return fail(listError);

    QByteArray directory;
    if (!compressed) {
        directory = file.read(qint64(dirBytes));
        if (quint64(directory.size()) != dirBytes)
            return fail(listError);
    } else {
        Inflater inf;
        if (!inf.ready)
            return fail(listError);
        std::unique_ptr<uchar[]> in(new uchar[size_t(kChunk)]);
        uchar out[kChunk];
        while (quint64(directory.size()) < dirBytes) {
            const qint64 want = qint64(std::min<quint64>(kChunk, dirBytes - directory.size()));
            const qint64 got = inflateChunk(inf, file, body, in.get(), out, want);
            if (got != want)
                return fail(listError);
            directory.append(reinterpret_cast<const char*>(out), got);
            report(QStringLiteral("Extracting archive registry"),
                   roundedPercent(quint64(directory.size()), dirBytes));
        }
    }

    const auto* d = reinterpret_cast<const uchar*>(directory.constData());
    for (quint64 i = 0; i < count; ++i) {
        const uchar* e = d + i * kEntrySize;
        Entry entry;
        entry.name = shortString(e);
        entry.path = shortString(e + 256);
        entry.size = le32(e + 512);
        entry.offset = le32(e + 520);
        entry.crc = le32(e + 524);
        entry.stored = e[528] != 0;
        entries_.append(entry);
    }
    path_ = path;
    open_ = true;
    report(path_, 0);
    return true;
}

bool TZLBArchive::ExtractAll(const QString& destination) {
    error_.clear();
    if (!open_)
        return fail(QStringLiteral("No archive is currently open"));
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Unable to open file (%1)").arg(path_));
    const qint64 body = file.size() - kTrailerSize;

    QString dir = destination;
    while (dir.contains(QStringLiteral("//")))
        dir.replace(QStringLiteral("//"), QStringLiteral("/"));
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);

    std::unique_ptr<uchar[]> in(new uchar[size_t(kChunk)]);
    std::unique_ptr<uchar[]> out(new uchar[size_t(kChunk)]);
    for (int i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const QString corrupt = QStringLiteral("File (%1) is corrupt").arg(i);
        if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir())
            return fail(QStringLiteral("Unable to create destination path"));
        const QString name = flattened(entry.name);
        if (name.isEmpty())
            continue;
        const qint64 offset = qint64(entry.offset);
        const qint64 size = qint64(entry.size);
        if (offset > body || (entry.stored && size > body - offset))
            return fail(corrupt);

        const QString target = dir + QLatin1Char('/') + name;
        const QFileInfo info(target);
        if (info.isSymLink())
            QFile::remove(target);
        QFile out_file(target);
        if (info.isDir() || !out_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(QStringLiteral("Unable to open file (%1)").arg(target));
        if (!file.seek(offset))
            return fail(corrupt);

        Inflater inf;
        if (!entry.stored && !inf.ready)
            return fail(corrupt);
        bool ok = true;
        for (qint64 done = 0; done < size;) {
            const qint64 want = std::min(kChunk, size - done);
            const qint64 got = entry.stored
                                   ? file.read(reinterpret_cast<char*>(out.get()), want)
                                   : inflateChunk(inf, file, body, in.get(), out.get(), want);
            if (got != want ||
                out_file.write(reinterpret_cast<const char*>(out.get()), got) != got) {
                ok = false;
                break;
            }
            done += got;
            report(QStringLiteral("Extracting %1").arg(entry.name),
                   roundedPercent(quint64(done), quint64(size)));
        }
        out_file.close();
        if (!ok) {
            // A half-written page would open as garbage; better none.
            QFile::remove(target);
            return fail(corrupt);
        }
    }
    report(path_, 0);
    return true;
}

} // namespace quillet
