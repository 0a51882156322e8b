#include "store/recent_files.h"

#include <QSettings>

namespace quillet {

namespace {
const QString kGroup = QStringLiteral("TfrmQuillet.MRUManager1");
}

RecentFiles::RecentFiles(int capacity) : capacity_(capacity > 0 ? capacity : kDefaultCapacity) {}

void RecentFiles::setCapacity(int capacity) {
    capacity_ = capacity > 0 ? capacity : kDefaultCapacity;
    while (paths_.size() > capacity_)
        paths_.removeLast();
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty())
        return;
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > capacity_)
        paths_.removeLast();
}

void RecentFiles::remove(const QString& path) {
    paths_.removeAll(path);
}

QString RecentFiles::caption(int index, const QString& path) {
    const int k = index + 1;
    const QChar accel = k <= 9 ? QChar(char16_t(u'0' + k)) : QChar(char16_t(u'A' + (k - 10)));
    return QStringLiteral("&") + accel + QLatin1Char(' ') + path;
}

QList<RecentFiles::MenuEntry> RecentFiles::menuEntries() const {
    QList<MenuEntry> entries;
    for (int i = 0; i < paths_.size(); ++i) {
        const bool fifth = (i + 1) % 5 == 0;
        entries.append({caption(i, paths_[i]), paths_[i], fifth && i + 1 < paths_.size()});
    }
    return entries;
}

void RecentFiles::load(QSettings& settings) {
    paths_.clear();
    settings.beginGroup(kGroup);
    for (int i = 0; i < capacity_; ++i) {
        const QString key = QStringLiteral("Item_%1").arg(i);
        if (!settings.contains(key))
            break;
        const QString path = settings.value(key).toString();
        if (!path.isEmpty() && !paths_.contains(path))
            paths_.append(path);
    }
    settings.endGroup();
}

void RecentFiles::save(QSettings& settings) const {
    settings.beginGroup(kGroup);
    settings.remove(QString());
    for (int i = 0; i < paths_.size(); ++i)
        settings.setValue(QStringLiteral("Item_%1").arg(i), paths_[i]);
    settings.endGroup();
}

} // namespace quillet
