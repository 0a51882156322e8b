#include "store/workspace.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <filesystem>
#include <system_error>

namespace quillet {

namespace fs = std::filesystem;

quint32 tickCount() {
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

QString createUniqueDirectory(const QString& stem) {
    const QString base = stem + QString::number(tickCount());
    const QString parent = QFileInfo(base).absolutePath();
    if (!QDir().mkpath(parent))
        return QString();
    const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    // mkdir fails when the name exists, so two workspaces never share a directory.
    for (int n = 0; n < 1000; ++n) {
        const QString candidate = n == 0 ? base : base + QLatin1Char('-') + QString::number(n);
        if (QDir().mkdir(candidate, perms))
            return candidate + QLatin1Char('/');
    }
    return QString();
}

void deleteFilesIn(const QString& dir) {
    if (dir.isEmpty())
        return;
    const QDir d(dir);
    const auto entries =
        d.entryInfoList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& fi : entries) {
        if (fi.isSymLink() || !fi.isDir())
            QFile::remove(fi.filePath());
    }
    std::error_code ec;
    const fs::path p = fs::path(QFile::encodeName(QDir::cleanPath(dir)).toStdString());
    if (fs::is_directory(fs::symlink_status(p, ec)) && fs::is_empty(p, ec) && !ec)
        fs::remove(p, ec);
}

bool deleteWorkspaceTree(const QString& dir) {
    if (dir.isEmpty())
        return true;
    const QString clean = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    const QString temp = QDir::cleanPath(QDir::tempPath());
    // Never anything outside the temporary directory, and never the directory itself.
    if (!clean.startsWith(temp + QLatin1Char('/')) || clean.size() <= temp.size() + 1)
        return false;
    std::error_code ec;
    const fs::path p = fs::path(QFile::encodeName(clean).toStdString());
    // remove_all removes symbolic links themselves and does not descend through them.
    fs::remove_all(p, ec);
    return !fs::exists(fs::symlink_status(p, ec));
}

QString changeFileExt(const QString& path, const QString& extension) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.left(dot) + extension : path + extension;
}

} // namespace quillet
