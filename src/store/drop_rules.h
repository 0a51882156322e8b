#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

namespace quillet {

class Node;

// Where a dragged node is dropped, as the tree pane's geometry tells it.
enum class DropZone {
    OnNode,        // on a node's label or icon: becomes its last child
    BelowLastNode, // the empty area below the last line: becomes the last top-level node
    Indentation,   // left of a node, not on its expand button: inserted before it
    Nowhere,       // expand button, right of the label, outside: no move
};

// The geometry of the line under the pointer, in the pane's viewport coordinates.
struct DropLine {
    bool hasNode = false;       // a node's line is under the pointer
    QRect label;                // icon and caption of that node
    QRect button;               // its expand button; empty when it has none
    QRect row;                  // the whole line
    bool belowLastNode = false; // the pointer is below the last shown line
};

// The rules are tested in the order of the enum.
DropZone classifyDrop(QPoint pos, const DropLine& line);

// Where a drop moves the node: under `parent` (nullptr: top level) at the final row `row`
// (-1: last).
struct NodeMove {
    Node* parent = nullptr;
    int row = -1;
};

// The move a drop makes, or nullopt when nothing moves (zone Nowhere, no target, or a target
// that is the dragged node itself or inside its subtree).
std::optional<NodeMove> dropMove(const Node* dragged, DropZone zone, Node* target);

// Auto-scroll while dragging: -1 (one line up) within `margin` pixels of the top edge, +1
// within the bottom margin, else 0.
int dragScrollStep(int y, int height, int margin = 20);

} // namespace quillet
