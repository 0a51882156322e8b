#include "store/drop_rules.h"

#include "store/node_tree.h"

namespace quillet {

DropZone classifyDrop(QPoint pos, const DropLine& line) {
    if (line.hasNode && line.label.contains(pos))
        return DropZone::OnNode;
    if (!line.hasNode && line.belowLastNode)
        return DropZone::BelowLastNode;
    if (line.hasNode && !line.button.contains(pos) && pos.x() < line.label.left() &&
        pos.y() >= line.row.top() && pos.y() <= line.row.bottom())
        return DropZone::Indentation;
    return DropZone::Nowhere;
}

std::optional<NodeMove> dropMove(const Node* dragged, DropZone zone, Node* target) {
    if (!dragged)
        return std::nullopt;
    switch (zone) {
    case DropZone::OnNode:
        if (!target || target == dragged || target->isDescendantOf(dragged))
            return std::nullopt;
        return NodeMove{target, -1};
    case DropZone::BelowLastNode:
        return NodeMove{nullptr, -1};
    case DropZone::Indentation: {
        if (!target || target == dragged || target->isDescendantOf(dragged))
            return std::nullopt;
        int row = target->row();
        // The row is where the node ends up, counted after it left its old place.
        if (dragged->parent() == target->parent() && dragged->row() < row)
            --row;
        return NodeMove{target->parent(), row};
    }
    case DropZone::Nowhere:
        break;
    }
    return std::nullopt;
}

int dragScrollStep(int y, int height, int margin) {
    if (y < margin)
        return -1;
    if (y >= height - margin)
        return 1;
    return 0;
}

} // namespace quillet
