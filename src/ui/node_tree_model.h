#pragma once

#include "store/node_tree.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>

namespace quillet {

// Shows a NodeTree in a QTreeView (the tree pane). The tree stays the owner of the nodes;
// the model follows every change the tree reports. Expansion is the view's business.
class NodeTreeModel : public QAbstractItemModel, private NodeTreeObserver {
    Q_OBJECT

public:
    enum Role {
        ImageIndexRole = Qt::UserRole + 1,
        SelectedIndexRole,
        IdRole,
    };

    explicit NodeTreeModel(NodeTree& tree, QObject* parent = nullptr);
    ~NodeTreeModel() override;

    // The icon shown for a node's image index (the node image list).
    void setIconProvider(std::function<QIcon(int imageIndex)> provider);

    Node* nodeFromIndex(const QModelIndex& index) const;
    QModelIndex indexFromNode(const Node* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void nodesAboutToBeInserted(Node* parent, int first, int last) override;
    void nodesInserted(Node* parent, int first, int last) override;
    void nodesAboutToBeRemoved(Node* parent, int first, int last) override;
    void nodesRemoved(Node* parent, int first, int last) override;
    void nodeAboutToBeMoved(Node* from, int fromRow, Node* to, int toRow) override;
    void nodeMoved() override;
    void childrenAboutToBeReordered(Node* parent) override;
    void childrenReordered(Node* parent) override;
    void nodeChanged(Node* node) override;
    void treeAboutToBeReset() override;
    void treeReset() override;

    NodeTree& tree_;
    std::function<QIcon(int)> iconProvider_;
};

} // namespace quillet
