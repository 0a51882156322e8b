#include "store/qlt_archive.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

namespace quillet::qlt {

namespace {

constexpr int kDeflateLevel = 9; // the highest deflate level
constexpr qint64 kChunk = 256 * 1024;

QString zipError(zip_t* za) {
    return QString::fromLocal8Bit(zip_strerror(za));
}

QString openError(int code) {
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

void progressThunk(zip_t*, double, void* ud) {
    const auto* beat = static_cast<const Heartbeat*>(ud);
    if (beat && *beat)
        (*beat)();
}

// The member name a path is stored under: its file name alone.
QByteArray memberName(const QString& path) {
    return QFileInfo(path).fileName().toUtf8();
}

// The last path component of a stored member name, or empty when nothing safe remains.
QString flattenedName(const char* stored) {
    QString name = QString::fromUtf8(stored);
    const qsizetype cut =
        std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(cut + 1);
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QChar(0)))
        return QString();
    return name;
}

struct ZipCloser {
    void operator()(zip_t* za) const {
        if (za)
            zip_discard(za);
    }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

} // namespace

bool pack(const QString& archivePath, const QStringList& files, bool update, QString* error,
          const Heartbeat& heartbeat) {
    int code = 0;
    const int flags = update ? ZIP_CREATE : (ZIP_CREATE | ZIP_TRUNCATE);
    ZipPtr za(zip_open(QFile::encodeName(archivePath).constData(), flags, &code));
    if (!za) {
        *error = QStringLiteral("%1: %2").arg(archivePath, openError(code));
        return false;
    }
    for (const QString& path : files) {
        const QByteArray name = memberName(path);
        const QByteArray local = QFile::encodeName(path);
        const zip_int64_t existing = zip_name_locate(za.get(), name.constData(), 0);
        if (existing >= 0) {
            zip_stat_t st;
            zip_stat_init(&st);
            const qint64 fileTime = QFileInfo(path).lastModified().toSecsSinceEpoch();
            // Member times have a resolution of two seconds, so a tie counts as newer: an
            // unchanged file is packed again rather than a fresh edit being lost.
            if (zip_stat_index(za.get(), zip_uint64_t(existing), 0, &st) == 0 &&
                (st.valid & ZIP_STAT_MTIME) && fileTime < qint64(st.mtime))
                continue;
        }
        zip_source_t* src = zip_source_file(za.get(), local.constData(), 0, -1);
        if (!src) {
            *error = QStringLiteral("%1: %2").arg(path, zipError(za.get()));
            return false;
        }
        zip_int64_t index = existing;
        if (existing >= 0) {
            if (zip_file_replace(za.get(), zip_uint64_t(existing), src, 0) < 0) {
                zip_source_free(src);
                *error = QStringLiteral("%1: %2").arg(path, zipError(za.get()));
                return false;
            }
        } else {
            index = zip_file_add(za.get(), name.constData(), src, ZIP_FL_ENC_UTF_8);
            if (index < 0) {
                zip_source_free(src);
                *error = QStringLiteral("%1: %2").arg(path, zipError(za.get()));
                return false;
            }
        }
        zip_set_file_compression(za.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, kDeflateLevel);
    }
    if (heartbeat)
        zip_register_progress_callback_with_state(za.get(), 0.02, progressThunk, nullptr,
                                                  const_cast<Heartbeat*>(&heartbeat));
    if (zip_close(za.get()) != 0) {
        *error = QStringLiteral("%1: %2").arg(archivePath, zipError(za.get()));
        return false; // za still owned: discarded by the deleter
    }
    za.release();
    return true;
}

bool verify(const QString& archivePath, QString* error) {
    int code = 0;
    ZipPtr za(
        zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!za) {
        *error = QStringLiteral("%1: %2").arg(archivePath, openError(code));
        return false;
    }
    const zip_int64_t index = zip_name_locate(za.get(), "Nodes.tree", 0);
    if (index < 0) {
        *error = QStringLiteral("%1 holds no Nodes.tree").arg(archivePath);
        return false;
    }
    // Reading the member to its end makes libzip check its CRC.
    zip_file_t* f = zip_fopen_index(za.get(), zip_uint64_t(index), 0);
    if (!f) {
        *error = zipError(za.get());
        return false;
    }
    char buf[16384];
    zip_int64_t got = 0;
    while ((got = zip_fread(f, buf, sizeof buf)) > 0) {
    }
    const bool ok = got == 0;
    if (!ok)
        *error = QString::fromLocal8Bit(zip_file_strerror(f));
    zip_fclose(f);
    return ok;
}

bool unpack(const QString& archivePath, const QString& directory, QString* error,
            const Heartbeat& heartbeat) {
    int code = 0;
    ZipPtr za(zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &code));
    if (!za) {
        *error = QStringLiteral("%1: %2").arg(archivePath, openError(code));
        return false;
    }
    QString dir = directory;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    bool ok = true;
    auto fail = [&](const QString& why) {
        if (ok)
            *error = why;
        ok = false;
    };
    std::unique_ptr<char[]> buf(new char[size_t(kChunk)]);
    const zip_int64_t count = zip_get_num_entries(za.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (heartbeat && i % 64 == 0)
            heartbeat();
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za.get(), zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) {
            fail(zipError(za.get()));
            continue;
        }
        const QString name = flattenedName(st.name);
        if (name.isEmpty())
            continue; // a directory entry, or a name with nothing safe left
        const QString target = dir + name;
        const QFileInfo info(target);
        if (info.isSymLink())
            QFile::remove(target);
        else if (info.isDir())
            continue;

        zip_file_t* zf = zip_fopen_index(za.get(), zip_uint64_t(i), 0);
        if (!zf) {
            fail(QStringLiteral("%1: %2").arg(name, zipError(za.get())));
            continue;
        }
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            zip_fclose(zf);
            fail(QStringLiteral("%1: %2").arg(target, out.errorString()));
            continue;
        }
        zip_int64_t got = 0;
        while ((got = zip_fread(zf, buf.get(), zip_uint64_t(kChunk))) > 0) {
            if (out.write(buf.get(), got) != got) {
                got = -1;
                break;
            }
        }
        if (got < 0)
            fail(QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(zip_file_strerror(zf))));
        zip_fclose(zf);
        out.close();
    }
    return ok;
}

bool syncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace quillet::qlt
