#pragma once

// The tree pane `tvBrowser`: shows the document's NodeTree through a NodeTreeModel and turns
// the person's gestures into the tree commands. It is also the TreePane the controllers ask
// about selection, expansion and the visible area.
//
// Gestures: a click with either button selects the node and switches the page; dragging a
// node moves it by the four drop zones (auto-scrolling within 20 pixels of the edges); the
// keys of the tree table; the mouse wheel while the tree has the focus moves the selection
// (Alt: visible nodes only) or, with Ctrl, the node itself.

#include "store/drop_rules.h"
#include "store/tree_controller.h"
#include "store/tree_pane.h"

#include <QPointer>
#include <QTreeView>

namespace quillet {

class NodeTreeModel;
class PageSwitcher;

class TreeBrowserView : public QTreeView, public TreePane {
    Q_OBJECT
public:
    static constexpr int kScrollMargin = 20;

    explicit TreeBrowserView(QWidget* parent = nullptr);

    void setNodeModel(NodeTreeModel* model);
    NodeTreeModel* nodeModel() const { return model_; }

    Node* nodeAt(const QPoint& viewportPos) const;
    QModelIndex indexOfNode(const Node* node) const;
    // What a drop at this viewport point would do.
    DropLine dropLineAt(const QPoint& viewportPos) const;
    DropZone dropZoneAt(const QPoint& viewportPos) const;

    // TreePane
    Node* selectedNode() const override;
    void setSelectedNode(Node* node) override;
    bool isExpanded(const Node* node) const override;
    void setExpanded(Node* node, bool expanded) override;
    Node* topVisibleNode() const override;
    void setTreeEnabled(bool enabled) override;
    bool isTreeEnabled() const { return inputEnabled_; }

    // Every branch below `node` (and `node` itself) opened or closed.
    void setExpandedRecursively(Node* node, bool expanded);

    // While the tree does not have the focus, the wheel turned over it scrolls this widget
    // when that one has the focus (the editor), as the wheel follows the focus.
    void setWheelFocusTarget(QAbstractScrollArea* target) { wheelTarget_ = target; }

    // The MIME type a dragged node travels as; only drags from this view are accepted.
    static QString dragMimeType();

signals:
    // A node was clicked (either button) and is now selected: the page switch should run.
    void nodeClicked();
    void stepRequested(quillet::TreeStep step);
    void moveUpRequested();
    void moveDownRequested();
    void deleteRequested();
    void nodeDropped(quillet::DropZone zone, quillet::Node* target);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void startNodeDrag();

    NodeTreeModel* model_ = nullptr;
    bool inputEnabled_ = true;
    QPoint pressPos_;
    bool dragArmed_ = false;
    QPointer<QAbstractScrollArea> wheelTarget_;
};

// Connects the view's gestures to the controllers.
void bindTreeBrowser(TreeBrowserView& view, TreeController& commands, PageSwitcher& pages);

} // namespace quillet
