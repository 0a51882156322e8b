#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

namespace quillet {

// Recently opened documents, most recent first, without duplicates. The window renders it
// as the "Recen&t" submenu from menuEntries(); the submenu is disabled while it is empty.
class RecentFiles {
public:
    static constexpr int kDefaultCapacity = 20;

    explicit RecentFiles(int capacity = kDefaultCapacity);

    int capacity() const { return capacity_; }
    void setCapacity(int capacity);

    const QStringList& paths() const { return paths_; }
    bool isEmpty() const { return paths_.isEmpty(); }

    // Puts `path` at the top (moving it there when present) and cuts the list to capacity.
    void add(const QString& path);
    void remove(const QString& path);
    void clear() { paths_.clear(); }

    struct MenuEntry {
        QString caption;
        QString path;
        bool separatorAfter = false;
    };
    // "&1 " + path ... "&9 ", then "&A ", "&B " ...; a separator after every fifth entry
    // that is not the last.
    QList<MenuEntry> menuEntries() const;
    static QString caption(int index, const QString& path);

    // Kept in the subgroup "TfrmQuillet.MRUManager1" of the settings' current group, as
    // "Item_0", "Item_1", ...
    void load(QSettings& settings);
    void save(QSettings& settings) const;

private:
    QStringList paths_;
    int capacity_;
};

} // namespace quillet
