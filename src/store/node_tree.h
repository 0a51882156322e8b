#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace quillet {

class NodeTree;

// One node of the document outline. Its page and properties are files named by its id, so
// the node itself only carries what the tree stream stores. Fields are changed through
// NodeTree so that the id index and any attached view stay in step.
class Node {
public:
    ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const QString& caption() const { return caption_; }
    int imageIndex() const { return imageIndex_; }
    int selectedIndex() const { return selectedIndex_; }
    qint32 id() const { return id_; }
    qint32 overlayIndex() const { return overlayIndex_; }
    quint32 data() const { return data_; }

    // nullptr for a top-level node.
    Node* parent() const;
    int childCount() const { return int(children_.size()); }
    Node* child(int row) const;
    Node* firstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    Node* lastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    // Position among its siblings (top-level nodes count among the top level).
    int row() const { return row_; }
    Node* previousSibling() const;
    Node* nextSibling() const;
    bool isDescendantOf(const Node* ancestor) const;

private:
    friend class NodeTree;
    Node() = default;

    QString caption_;
    int imageIndex_ = 0;
    int selectedIndex_ = 0;
    qint32 id_ = 0;
    qint32 overlayIndex_ = -1;
    quint32 data_ = 0;

    Node* parent_ = nullptr;
    bool invisibleRoot_ = false;
    int row_ = 0;
    std::vector<std::unique_ptr<Node>> children_;
};

// The values a new node starts with.
struct NodeFields {
    QString caption;
    int imageIndex = 0;
    int selectedIndex = 0;
    qint32 id = 0;
    qint32 overlayIndex = -1;
    quint32 data = 0;
};

// Told about every change so a view (the item model of the tree pane) can follow. A parent
// of nullptr means the top level.
class NodeTreeObserver {
public:
    virtual ~NodeTreeObserver() = default;
    virtual void nodesAboutToBeInserted(Node* parent, int first, int last) = 0;
    virtual void nodesInserted(Node* parent, int first, int last) = 0;
    virtual void nodesAboutToBeRemoved(Node* parent, int first, int last) = 0;
    virtual void nodesRemoved(Node* parent, int first, int last) = 0;
    // A move whose destination row is counted before the node is taken out.
    virtual void nodeAboutToBeMoved(Node* from, int fromRow, Node* to, int toRow) = 0;
    virtual void nodeMoved() = 0;
    virtual void childrenAboutToBeReordered(Node* parent) = 0;
    virtual void childrenReordered(Node* parent) = 0;
    virtual void nodeChanged(Node* node) = 0;
    virtual void treeAboutToBeReset() = 0;
    virtual void treeReset() = 0;
};

// The document's tree of nodes, independent of any widget.
class NodeTree {
public:
    NodeTree();
    ~NodeTree();
    NodeTree(const NodeTree&) = delete;
    NodeTree& operator=(const NodeTree&) = delete;

    void setObserver(NodeTreeObserver* observer) { observer_ = observer; }

    // Many changes reported as one reset (reading a tree, clearing it).
    class BulkChange {
    public:
        explicit BulkChange(NodeTree& tree);
        ~BulkChange();
        BulkChange(const BulkChange&) = delete;
        BulkChange& operator=(const BulkChange&) = delete;

    private:
        NodeTree& tree_;
    };

    int topLevelCount() const { return root_->childCount(); }
    Node* topLevelNode(int row) const { return root_->child(row); }
    // Children of `parent`, or the top level for nullptr.
    int childCount(const Node* parent) const;
    Node* childAt(const Node* parent, int row) const;
    int nodeCount() const { return nodeCount_; }
    bool isEmpty() const { return nodeCount_ == 0; }

    // Tree order: a node before its children, children in their order.
    Node* firstNode() const { return root_->firstChild(); }
    Node* lastNode() const;
    static Node* nextInTreeOrder(const Node* node);
    static Node* previousInTreeOrder(const Node* node);
    // Position in tree order counting from 0; -1 for a node not in this tree.
    int treeOrderIndex(const Node* node) const;
    void forEachNode(const std::function<void(Node*)>& visit) const;

    // Walks over the lines a view shows; `expanded` tells which nodes show their children.
    using ExpandedPredicate = std::function<bool(const Node*)>;
    static Node* nextVisible(const Node* node, const ExpandedPredicate& expanded);
    Node* previousVisible(const Node* node, const ExpandedPredicate& expanded) const;

    // Inserts a node under `parent` (nullptr: top level) at `row` (-1 or past the end:
    // last).
    Node* insertNode(Node* parent, int row, const NodeFields& fields);
    Node* appendNode(Node* parent, const NodeFields& fields) {
        return insertNode(parent, -1, fields);
    }
    // Removes the node with its whole subtree.
    void removeNode(Node* node);
    void clear();
    // Moves `node` with its subtree under `newParent` (nullptr: top level) so that it ends
    // up at `row` among the new siblings (-1: last). Refuses a move into its own subtree.
    bool moveNode(Node* node, Node* newParent, int row);
    // Reorders the direct children of `parent` (nullptr: top level); keeps equal ones in
    // their order.
    void sortChildren(Node* parent, const std::function<bool(const Node*, const Node*)>& less);
    // The same by caption with the locale's case-sensitive collation (a lower-case letter
    // before the same letter in upper case).
    void sortChildrenByCaption(Node* parent);

    void setCaption(Node* node, const QString& caption);
    void setImageIndex(Node* node, int imageIndex);
    void setSelectedIndex(Node* node, int selectedIndex);
    void setId(Node* node, qint32 id);
    void setOverlayIndex(Node* node, qint32 overlayIndex);
    void setData(Node* node, quint32 data);

    // The largest id in the tree, or 0 when no id is larger (also for an empty tree).
    qint32 MaxNodeId() const;
    // A new last child of `parent` (nullptr: top level) with icon 0 and id MaxNodeId() + 1;
    // nothing for an empty caption.
    Node* AddChildNode(Node* parent, const QString& caption);
    // The first node in tree order at or below `start` whose caption equals `text`,
    // ignoring the case of the letters A to Z.
    static Node* FindNodeByName(Node* start, const QString& text);
    // The first node in tree order whose caption contains `text`: as typed with
    // `matchCase`, else ignoring the case of the letters A to Z.
    Node* findNodeContaining(const QString& text, bool matchCase) const;
    // Nodes of the subtree, `node` included; 0 for nullptr.
    static int CountSubtreeNodes(const Node* node);

    // The first node in tree order with this id.
    Node* findNodeById(qint32 id) const;
    bool containsId(qint32 id) const { return idCounts_.count(id) != 0; }

private:
    void notifyChanged(Node* node);
    template <typename T> void changeField(Node* node, T Node::*field, const T& value);
    Node* parentForApi(Node* parent) const { return parent ? parent : root_.get(); }
    static Node* apiParent(const Node* internal);
    void countIn(const Node* subtree);
    void countOut(const Node* subtree);
    static void renumber(Node* parent, int from);

    std::unique_ptr<Node> root_;
    NodeTreeObserver* observer_ = nullptr;
    int bulkDepth_ = 0;
    int nodeCount_ = 0;
    // How many nodes carry each id; ids read from foreign files may repeat.
    std::map<qint32, int> idCounts_;
};

} // namespace quillet
