#pragma once

#include <QList>
#include <QString>

namespace quillet {

// One command of the program: every menu item, toolbar button and shortcut runs one of these.
struct CommandInfo {
    const char* id;       // object name of the QAction
    const char* category; // "File", "Edit", ...
    const char* caption;  // with its "&" accelerator
    const char* shortcut; // QKeySequence text, empty for none
    const char* hint;     // tooltip and hint-line text, empty for none
    const char* icon;     // theme icon name, empty for none
};

// The whole command table, in its documented order.
const QList<CommandInfo>& commandTable();

// The entry for `id`, or nullptr.
const CommandInfo* findCommand(const QString& id);

} // namespace quillet
