#pragma once

#include <QHash>
#include <QString>

namespace quillet {

// What the command states depend on, read off the window in one go.
struct CommandStateSnapshot {
    bool hasPath = false;           // the document has been saved or opened from a file
    bool modified = false;          // the window's modified flag
    bool nodeSelected = false;      // a node is selected in the tree
    bool selectionNotEmpty = false; // the editor's selection has at least one character
    bool canPaste = false;
    bool canUndo = false;
    bool canRedo = false;
    bool wordWrap = true;
    bool wordSelection = false;
    bool rulerVisible = true;
};

// The states the routine assigns. Commands absent from both maps keep whatever they had.
struct CommandStates {
    QHash<QString, bool> enabled;
    QHash<QString, bool> checked;
    bool modifiedIndicator = false;
};

// Pure: the same snapshot always gives the same states.
CommandStates computeCommandStates(const CommandStateSnapshot& s);

} // namespace quillet
