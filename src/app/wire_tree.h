#pragma once

namespace quillet {

class TfrmQuillet;

// Gives the tree pane and the Tree commands their behaviour in the window: the page switch
// on every selection change, add, delete, rename, sort, move, drag and drop, keys and wheel,
// Find Node, Change Icon, node links (copy, insert, click) and the status bar's arrows.
void installTree(TfrmQuillet& window);

} // namespace quillet
