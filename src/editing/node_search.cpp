#include "editing/node_search.h"

#include "store/node_tree.h"
#include "texttools/case_conversion.h"

namespace quillet {

Node* findNodeContaining(const NodeTree& tree, const QString& text, bool matchCase) {
    if (text.isEmpty())
        return nullptr;
    const QString wanted = matchCase ? text : lowerCaseAZ(text);
    for (Node* n = tree.firstNode(); n; n = NodeTree::nextInTreeOrder(n)) {
        const QString title = matchCase ? n->caption() : lowerCaseAZ(n->caption());
        if (title.contains(wanted))
            return n;
    }
    return nullptr;
}

} // namespace quillet
