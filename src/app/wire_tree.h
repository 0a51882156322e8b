#pragma once

namespace quillet {

class LinkController;
class PageSwitcher;
class TfrmQuillet;
class TreeController;

// Gives the tree pane and the Tree commands their behaviour in the window: the page switch
// on every selection change, add, delete, rename, sort, move, drag and drop, keys and wheel,
// Find Node, Change Icon, node links (copy, insert, click) and the status bar's arrows.
void installTree(TfrmQuillet& window);

// What installTree() made, for other commands that switch pages, select nodes by id, run
// the editor-change handling or add nodes; nullptr before it ran.
PageSwitcher* pageSwitcher(const TfrmQuillet& window);
TreeController* treeController(const TfrmQuillet& window);
LinkController* linkController(const TfrmQuillet& window);

} // namespace quillet
