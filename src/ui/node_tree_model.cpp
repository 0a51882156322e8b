#include "ui/node_tree_model.h"

namespace quillet {

NodeTreeModel::NodeTreeModel(NodeTree& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {
    tree_.setObserver(this);
}

NodeTreeModel::~NodeTreeModel() {
    tree_.setObserver(nullptr);
}

void NodeTreeModel::setIconProvider(std::function<QIcon(int)> provider) {
    iconProvider_ = std::move(provider);
    if (tree_.topLevelCount() > 0)
        emit dataChanged(index(0, 0), index(tree_.topLevelCount() - 1, 0), {Qt::DecorationRole});
}

Node* NodeTreeModel::nodeFromIndex(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<Node*>(index.internalPointer());
}

QModelIndex NodeTreeModel::indexFromNode(const Node* node) const {
    if (!node)
        return {};
    return createIndex(node->row(), 0, const_cast<Node*>(node));
}

QModelIndex NodeTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || (parent.isValid() && parent.column() != 0))
        return {};
    Node* child = tree_.childAt(nodeFromIndex(parent), row);
    return child ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex NodeTreeModel::parent(const QModelIndex& child) const {
    const Node* node = nodeFromIndex(child);
    return node ? indexFromNode(node->parent()) : QModelIndex();
}

int NodeTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return tree_.childCount(nodeFromIndex(parent));
}

int NodeTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant NodeTreeModel::data(const QModelIndex& index, int role) const {
    const Node* node = nodeFromIndex(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return node->caption();
    case Qt::DecorationRole:
        return iconProvider_ ? QVariant(iconProvider_(node->imageIndex())) : QVariant();
    case ImageIndexRole:
        return node->imageIndex();
    case SelectedIndexRole:
        return node->selectedIndex();
    case IdRole:
        return node->id();
    default:
        return {};
    }
}

Qt::ItemFlags NodeTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

void NodeTreeModel::nodesAboutToBeInserted(Node* parent, int first, int last) {
    beginInsertRows(indexFromNode(parent), first, last);
}

void NodeTreeModel::nodesInserted(Node*, int, int) {
    endInsertRows();
}

void NodeTreeModel::nodesAboutToBeRemoved(Node* parent, int first, int last) {
    beginRemoveRows(indexFromNode(parent), first, last);
}

void NodeTreeModel::nodesRemoved(Node*, int, int) {
    endRemoveRows();
}

void NodeTreeModel::nodeAboutToBeMoved(Node* from, int fromRow, Node* to, int toRow) {
    beginMoveRows(indexFromNode(from), fromRow, fromRow, indexFromNode(to), toRow);
}

void NodeTreeModel::nodeMoved() {
    endMoveRows();
}

void NodeTreeModel::childrenAboutToBeReordered(Node* parent) {
    emit layoutAboutToBeChanged({QPersistentModelIndex(indexFromNode(parent))},
                                QAbstractItemModel::VerticalSortHint);
}

void NodeTreeModel::childrenReordered(Node* parent) {
    // Rows of the reordered children changed; every other index keeps its row.
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex& old : persistent) {
        Node* node = nodeFromIndex(old);
        if (node && node->parent() == parent)
            changePersistentIndex(old, createIndex(node->row(), old.column(), node));
    }
    emit layoutChanged({QPersistentModelIndex(indexFromNode(parent))},
                       QAbstractItemModel::VerticalSortHint);
}

void NodeTreeModel::nodeChanged(Node* node) {
    const QModelIndex i = indexFromNode(node);
    emit dataChanged(i, i);
}

void NodeTreeModel::treeAboutToBeReset() {
    beginResetModel();
}

void NodeTreeModel::treeReset() {
    endResetModel();
}

} // namespace quillet
