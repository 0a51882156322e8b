#include "store/node_tree.h"

#include <QCollator>

#include <algorithm>
#include <limits>

namespace quillet {

namespace {

// Caption comparison that folds only the letters A to Z, as node lookups by name do.
QString foldAsciiCase(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + (u'a' - u'A')));
    }
    return folded;
}

} // namespace

// Deep trees must not recurse on destruction: children are unlinked onto a work list first.
Node::~Node() {
    std::vector<std::unique_ptr<Node>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<Node> node = std::move(pending.back());
        pending.pop_back();
        for (auto& c : node->children_)
            pending.push_back(std::move(c));
        node->children_.clear();
    }
}

Node* Node::parent() const {
    return (parent_ && !parent_->invisibleRoot_) ? parent_ : nullptr;
}

Node* Node::child(int row) const {
    if (row < 0 || row >= int(children_.size()))
        return nullptr;
    return children_[size_t(row)].get();
}

Node* Node::previousSibling() const {
    return parent_ ? parent_->child(row_ - 1) : nullptr;
}

Node* Node::nextSibling() const {
    return parent_ ? parent_->child(row_ + 1) : nullptr;
}

bool Node::isDescendantOf(const Node* ancestor) const {
    if (!ancestor)
        return false;
    for (const Node* p = parent_; p; p = p->parent_) {
        if (p == ancestor)
            return true;
    }
    return false;
}

NodeTree::NodeTree() : root_(new Node) {
    root_->invisibleRoot_ = true;
}

NodeTree::~NodeTree() = default;

NodeTree::BulkChange::BulkChange(NodeTree& tree) : tree_(tree) {
    if (tree_.bulkDepth_++ == 0 && tree_.observer_)
        tree_.observer_->treeAboutToBeReset();
}

NodeTree::BulkChange::~BulkChange() {
    if (--tree_.bulkDepth_ == 0 && tree_.observer_)
        tree_.observer_->treeReset();
}

int NodeTree::childCount(const Node* parent) const {
    return parent ? parent->childCount() : root_->childCount();
}

Node* NodeTree::childAt(const Node* parent, int row) const {
    return parent ? parent->child(row) : root_->child(row);
}

Node* NodeTree::apiParent(const Node* internal) {
    return internal->invisibleRoot_ ? nullptr : const_cast<Node*>(internal);
}

Node* NodeTree::lastNode() const {
    Node* n = root_->lastChild();
    while (n && n->lastChild())
        n = n->lastChild();
    return n;
}

Node* NodeTree::nextInTreeOrder(const Node* node) {
    if (!node)
        return nullptr;
    if (Node* c = node->firstChild())
        return c;
    for (const Node* n = node; n && !n->invisibleRoot_; n = n->parent_) {
        if (Node* s = n->nextSibling())
            return s;
    }
    return nullptr;
}

Node* NodeTree::previousInTreeOrder(const Node* node) {
    if (!node)
        return nullptr;
    Node* p = node->previousSibling();
    if (!p)
        return node->parent();
    while (p->lastChild())
        p = p->lastChild();
    return p;
}

int NodeTree::treeOrderIndex(const Node* node) const {
    int index = 0;
    for (Node* n = firstNode(); n; n = nextInTreeOrder(n), ++index) {
        if (n == node)
            return index;
    }
    return -1;
}

void NodeTree::forEachNode(const std::function<void(Node*)>& visit) const {
    for (Node* n = firstNode(); n; n = nextInTreeOrder(n))
        visit(n);
}

Node* NodeTree::nextVisible(const Node* node, const ExpandedPredicate& expanded) {
    if (!node)
        return nullptr;
    if (node->firstChild() && expanded(node))
        return node->firstChild();
    for (const Node* n = node; n && !n->invisibleRoot_; n = n->parent_) {
        if (Node* s = n->nextSibling())
            return s;
    }
    return nullptr;
}

Node* NodeTree::previousVisible(const Node* node, const ExpandedPredicate& expanded) const {
    if (!node)
        return nullptr;
    Node* p = node->previousSibling();
    if (!p)
        return node->parent();
    while (p->lastChild() && expanded(p))
        p = p->lastChild();
    return p;
}

void NodeTree::countIn(const Node* subtree) {
    const Node* end = subtree;
    for (const Node* n = subtree; n;) {
        ++idCounts_[n->id_];
        ++nodeCount_;
        // Walk only inside the subtree.
        if (n->firstChild()) {
            n = n->firstChild();
            continue;
        }
        while (n != end && !n->nextSibling())
            n = n->parent_;
        n = (n == end) ? nullptr : n->nextSibling();
    }
}

void NodeTree::countOut(const Node* subtree) {
    const Node* end = subtree;
    for (const Node* n = subtree; n;) {
        auto it = idCounts_.find(n->id_);
        if (it != idCounts_.end() && --it->second == 0)
            idCounts_.erase(it);
        --nodeCount_;
        if (n->firstChild()) {
            n = n->firstChild();
            continue;
        }
        while (n != end && !n->nextSibling())
            n = n->parent_;
        n = (n == end) ? nullptr : n->nextSibling();
    }
}

void NodeTree::renumber(Node* parent, int from) {
    for (size_t i = size_t(std::max(from, 0)); i < parent->children_.size(); ++i)
        parent->children_[i]->row_ = int(i);
}

Node* NodeTree::insertNode(Node* parent, int row, const NodeFields& fields) {
    Node* p = parentForApi(parent);
    const int count = p->childCount();
    if (row < 0 || row > count)
        row = count;

    std::unique_ptr<Node> node(new Node);
    node->caption_ = fields.caption;
    node->imageIndex_ = fields.imageIndex;
    node->selectedIndex_ = fields.selectedIndex;
    node->id_ = fields.id;
    node->overlayIndex_ = fields.overlayIndex;
    node->data_ = fields.data;
    node->parent_ = p;
    Node* raw = node.get();

    const bool notify = observer_ && bulkDepth_ == 0;
    if (notify)
        observer_->nodesAboutToBeInserted(parent, row, row);
    p->children_.insert(p->children_.begin() + row, std::move(node));
    renumber(p, row);
    countIn(raw);
    if (notify)
        observer_->nodesInserted(parent, row, row);
    return raw;
}

void NodeTree::removeNode(Node* node) {
    if (!node || !node->parent_)
        return;
    Node* p = node->parent_;
    const int row = node->row_;
    Node* parent = apiParent(p);
    const bool notify = observer_ && bulkDepth_ == 0;
    if (notify)
        observer_->nodesAboutToBeRemoved(parent, row, row);
    countOut(node);
    std::unique_ptr<Node> doomed = std::move(p->children_[size_t(row)]);
    p->children_.erase(p->children_.begin() + row);
    renumber(p, row);
    doomed.reset();
    if (notify)
        observer_->nodesRemoved(parent, row, row);
}

void NodeTree::clear() {
    BulkChange bulk(*this);
    std::vector<std::unique_ptr<Node>> doomed = std::move(root_->children_);
    root_->children_.clear();
    idCounts_.clear();
    nodeCount_ = 0;
    doomed.clear();
}

bool NodeTree::moveNode(Node* node, Node* newParent, int row) {
    if (!node || !node->parent_)
        return false;
    if (newParent && (newParent == node || newParent->isDescendantOf(node)))
        return false;
    Node* from = node->parent_;
    Node* to = parentForApi(newParent);
    const int fromRow = node->row_;

    // Destination row among the siblings as they will be once the node is out.
    const int remaining = to->childCount() - (from == to ? 1 : 0);
    if (row < 0 || row > remaining)
        row = remaining;
    if (from == to && row == fromRow)
        return true;

    // Views count the destination before removal.
    const int viewRow = (from == to && row > fromRow) ? row + 1 : row;
    const bool notify = observer_ && bulkDepth_ == 0;
    if (notify)
        observer_->nodeAboutToBeMoved(apiParent(from), fromRow, apiParent(to), viewRow);
    std::unique_ptr<Node> moving = std::move(from->children_[size_t(fromRow)]);
    from->children_.erase(from->children_.begin() + fromRow);
    renumber(from, fromRow);
    moving->parent_ = to;
    to->children_.insert(to->children_.begin() + row, std::move(moving));
    renumber(to, row);
    if (notify)
        observer_->nodeMoved();
    return true;
}

void NodeTree::sortChildren(Node* parent,
                            const std::function<bool(const Node*, const Node*)>& less) {
    Node* p = parentForApi(parent);
    const bool notify = observer_ && bulkDepth_ == 0;
    if (notify)
        observer_->childrenAboutToBeReordered(parent);
    std::stable_sort(p->children_.begin(), p->children_.end(),
                     [&](const std::unique_ptr<Node>& a, const std::unique_ptr<Node>& b) {
                         return less(a.get(), b.get());
                     });
    renumber(p, 0);
    if (notify)
        observer_->childrenReordered(parent);
}

void NodeTree::sortChildrenByCaption(Node* parent) {
    // The C locale collates by character codes; a writer's outline wants dictionary order.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    sortChildren(parent, [&collator](const Node* a, const Node* b) {
        return collator.compare(a->caption(), b->caption()) < 0;
    });
}

void NodeTree::notifyChanged(Node* node) {
    if (observer_ && bulkDepth_ == 0)
        observer_->nodeChanged(node);
}

template <typename T> void NodeTree::changeField(Node* node, T Node::*field, const T& value) {
    if (!node || node->*field == value)
        return;
    node->*field = value;
    notifyChanged(node);
}

void NodeTree::setCaption(Node* node, const QString& caption) {
    changeField(node, &Node::caption_, caption);
}

void NodeTree::setImageIndex(Node* node, int imageIndex) {
    changeField(node, &Node::imageIndex_, imageIndex);
}

void NodeTree::setSelectedIndex(Node* node, int selectedIndex) {
    changeField(node, &Node::selectedIndex_, selectedIndex);
}

void NodeTree::setId(Node* node, qint32 id) {
    if (!node || node->id_ == id)
        return;
    auto it = idCounts_.find(node->id_);
    if (it != idCounts_.end() && --it->second == 0)
        idCounts_.erase(it);
    node->id_ = id;
    ++idCounts_[id];
    notifyChanged(node);
}

void NodeTree::setOverlayIndex(Node* node, qint32 overlayIndex) {
    if (node)
        node->overlayIndex_ = overlayIndex;
}

void NodeTree::setData(Node* node, quint32 data) {
    if (node)
        node->data_ = data;
}

qint32 NodeTree::MaxNodeId() const {
    if (idCounts_.empty())
        return 0;
    return std::max<qint32>(0, idCounts_.rbegin()->first);
}

Node* NodeTree::AddChildNode(Node* parent, const QString& caption) {
    if (caption.isEmpty())
        return nullptr;
    NodeFields fields;
    fields.caption = caption;
    // MaxNodeId is below INT32_MAX for every tree this program makes; a foreign file that
    // already holds the largest id gets no wrapped, negative id.
    const qint32 max = MaxNodeId();
    if (max == std::numeric_limits<qint32>::max())
        return nullptr;
    fields.id = max + 1;
    return appendNode(parent, fields);
}

Node* NodeTree::FindNodeByName(Node* start, const QString& text) {
    if (!start)
        return nullptr;
    const QString wanted = foldAsciiCase(text);
    for (Node* n = start; n;) {
        if (foldAsciiCase(n->caption_) == wanted)
            return n;
        if (n->firstChild()) {
            n = n->firstChild();
            continue;
        }
        while (n != start && !n->nextSibling())
            n = n->parent_;
        n = (n == start) ? nullptr : n->nextSibling();
    }
    return nullptr;
}

Node* NodeTree::findNodeContaining(const QString& text, bool matchCase) const {
    const QString wanted = matchCase ? text : foldAsciiCase(text);
    for (Node* n = firstNode(); n; n = nextInTreeOrder(n)) {
        if ((matchCase ? n->caption_ : foldAsciiCase(n->caption_)).contains(wanted))
            return n;
    }
    return nullptr;
}

int NodeTree::CountSubtreeNodes(const Node* node) {
    if (!node)
        return 0;
    int count = 0;
    for (const Node* n = node; n;) {
        ++count;
        if (n->firstChild()) {
            n = n->firstChild();
            continue;
        }
        while (n != node && !n->nextSibling())
            n = n->parent_;
        n = (n == node) ? nullptr : n->nextSibling();
    }
    return count;
}

Node* NodeTree::findNodeById(qint32 id) const {
    if (!containsId(id))
        return nullptr;
    for (Node* n = firstNode(); n; n = nextInTreeOrder(n)) {
        if (n->id_ == id)
            return n;
    }
    return nullptr;
}

} // namespace quillet
