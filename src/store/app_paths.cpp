#include "store/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillet {

QString programDirectory() {
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString findDataFile(const QString& relativePath) {
    const QString local = programDirectory() + relativePath;
    if (QFileInfo::exists(local))
        return local;
    const QString installed = QStringLiteral(QUILLET_DATADIR "/") + relativePath;
    if (QFileInfo::exists(installed))
        return installed;
    return local;
}

QString writableDataFile(const QString& relativePath) {
    const QString local = programDirectory() + relativePath;
    const QFileInfo localInfo(local);
    const QFileInfo dirInfo(localInfo.absolutePath());
    if (localInfo.exists() ? localInfo.isWritable() : dirInfo.isWritable())
        return local;

    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString target = configDir + QLatin1Char('/') + relativePath;
    if (!QFileInfo::exists(target)) {
        QDir().mkpath(QFileInfo(target).absolutePath());
        const QString shipped = findDataFile(relativePath);
        if (QFileInfo::exists(shipped))
            QFile::copy(shipped, target);
    }
    return target;
}

} // namespace quillet
