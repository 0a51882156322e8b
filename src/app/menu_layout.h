#pragma once

#include <QList>
#include <QString>

namespace quillet {

// What the menus and toolbars hold, as data: ids of the command table, separators,
// submenus and the recent-files menu. The window builds its widgets from it.
struct MenuItemSpec {
    enum Kind { Command, Separator, Submenu, RecentFiles, Widget };
    Kind kind = Command;
    QString id;      // command id, or the object name of a submenu or widget
    QString caption; // submenu caption
    QList<MenuItemSpec> items;
};

struct MenuSpec {
    QString objectName;
    QString caption;
    QList<MenuItemSpec> items;
};

struct ToolBarSpec {
    QString objectName;
    QString caption;     // its floating caption
    QString menuCaption; // its entry in the toolbar menu
    QList<MenuItemSpec> items;
    bool breakBefore; // starts a new row
};

QList<MenuSpec> mainMenuLayout();
QList<ToolBarSpec> toolBarLayout();
QList<MenuItemSpec> editorContextMenuLayout();

// Commands that show a checked state.
bool isCheckableCommand(const QString& id);

} // namespace quillet
