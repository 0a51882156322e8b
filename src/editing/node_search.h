#pragma once

// Find Node: the first node, in top-to-bottom order of the whole tree, whose title contains
// the text.

#include <QString>

namespace quillet {

class Node;
class NodeTree;

// With `matchCase` the title must contain the text as typed; without, both are compared in
// lower case (only the letters A to Z change). Nothing for an empty text or no match.
Node* findNodeContaining(const NodeTree& tree, const QString& text, bool matchCase);

} // namespace quillet
