#include "ui/tree_browser_view.h"

#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "ui/node_tree_model.h"

#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>

namespace quillet {

namespace {
constexpr int kButtonSize = 12;
}

TreeBrowserView::TreeBrowserView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("tvBrowser"));
    setHeaderHidden(true);
    setIndentation(35);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setExpandsOnDoubleClick(true);
    // Dragging is ours: the built-in drag would let the model move rows on its own, and its
    // auto-scroll margin is not the pane's 20 pixels.
    setDragEnabled(false);
    setAutoScroll(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setIconSize(QSize(16, 16));
}

QString TreeBrowserView::dragMimeType() {
    return QStringLiteral("application/x-quillet-node");
}

void TreeBrowserView::setNodeModel(NodeTreeModel* model) {
    model_ = model;
    setModel(model);
}

Node* TreeBrowserView::nodeAt(const QPoint& viewportPos) const {
    return model_ ? model_->nodeFromIndex(indexAt(viewportPos)) : nullptr;
}

QModelIndex TreeBrowserView::indexOfNode(const Node* node) const {
    return model_ && node ? model_->indexFromNode(node) : QModelIndex();
}

DropLine TreeBrowserView::dropLineAt(const QPoint& pos) const {
    DropLine line;
    const QModelIndex index = indexAt(pos);
    if (!index.isValid()) {
        line.belowLastNode = viewport()->rect().contains(pos);
        return line;
    }
    const QRect item = visualRect(index);
    line.hasNode = true;
    line.row = QRect(0, item.top(), viewport()->width(), item.height());
    // Icon and caption as drawn: the decoration, then the text with the style's margins.
    const QString caption = index.data(Qt::DisplayRole).toString();
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int width = margin + iconSize().width() + 2 * margin +
                      fontMetrics().horizontalAdvance(caption) + 2 * margin;
    line.label = QRect(item.left(), item.top(), qMin(width, item.width()), item.height());
    if (model()->hasChildren(index)) {
        const int centre = item.left() - indentation() / 2;
        line.button = QRect(centre - kButtonSize / 2, item.center().y() - kButtonSize / 2,
                            kButtonSize, kButtonSize);
    }
    return line;
}

DropZone TreeBrowserView::dropZoneAt(const QPoint& pos) const {
    return classifyDrop(pos, dropLineAt(pos));
}

Node* TreeBrowserView::selectedNode() const {
    if (!model_ || !selectionModel())
        return nullptr;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->nodeFromIndex(rows.first());
}

void TreeBrowserView::setSelectedNode(Node* node) {
    if (!selectionModel())
        return;
    const QModelIndex index = indexOfNode(node);
    if (!index.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

bool TreeBrowserView::isExpanded(const Node* node) const {
    const QModelIndex index = indexOfNode(node);
    return index.isValid() && QTreeView::isExpanded(index);
}

void TreeBrowserView::setExpanded(Node* node, bool expanded) {
    const QModelIndex index = indexOfNode(node);
    if (index.isValid())
        QTreeView::setExpanded(index, expanded);
}

void TreeBrowserView::setExpandedRecursively(Node* node, bool expanded) {
    if (!node)
        return;
    if (expanded) {
        expandRecursively(indexOfNode(node));
        return;
    }
    for (Node* n = node; n && (n == node || n->isDescendantOf(node));
         n = NodeTree::nextInTreeOrder(n)) {
        if (n->childCount() > 0)
            setExpanded(n, false);
    }
}

Node* TreeBrowserView::topVisibleNode() const {
    if (Node* n = nodeAt(QPoint(viewport()->width() / 2, 1)))
        return n;
    return model_ && model_->rowCount() > 0 ? model_->nodeFromIndex(model_->index(0, 0)) : nullptr;
}

void TreeBrowserView::setTreeEnabled(bool enabled) {
    // The switch must not take the focus away from the tree (keys and the wheel depend on
    // it), so input is held back instead of disabling the widget.
    inputEnabled_ = enabled;
}

void TreeBrowserView::mousePressEvent(QMouseEvent* e) {
    if (!inputEnabled_)
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (!index.isValid()) {
        // A click below the last line keeps the selection, as the pane always did.
        e->accept();
        return;
    }
    const DropLine line = dropLineAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && line.button.contains(e->position().toPoint())) {
        QTreeView::setExpanded(index, !QTreeView::isExpanded(index));
        return;
    }
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) {
        QTreeView::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    if (e->button() == Qt::LeftButton) {
        pressPos_ = e->position().toPoint();
        dragArmed_ = true;
    }
    emit nodeClicked();
}

void TreeBrowserView::mouseMoveEvent(QMouseEvent* e) {
    if (!inputEnabled_)
        return;
    if (dragArmed_ && (e->buttons() & Qt::LeftButton) &&
        (e->position().toPoint() - pressPos_).manhattanLength() >=
            QApplication::startDragDistance()) {
        dragArmed_ = false;
        startNodeDrag();
        return;
    }
    e->accept();
}

void TreeBrowserView::mouseReleaseEvent(QMouseEvent* e) {
    dragArmed_ = false;
    e->accept();
}

void TreeBrowserView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!inputEnabled_)
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (index.isValid() && e->button() == Qt::LeftButton)
        QTreeView::setExpanded(index, !QTreeView::isExpanded(index));
    e->accept();
}

void TreeBrowserView::startNodeDrag() {
    if (!selectedNode())
        return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(dragMimeType(), QByteArray::number(selectedNode()->id()));
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
}

void TreeBrowserView::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasFormat(dragMimeType()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TreeBrowserView::dragMoveEvent(QDragMoveEvent* e) {
    if (!e->mimeData()->hasFormat(dragMimeType())) {
        e->ignore();
        return;
    }
    // Every position is accepted; the drop itself decides whether anything moves.
    e->acceptProposedAction();
    const int step =
        dragScrollStep(e->position().toPoint().y(), viewport()->height(), kScrollMargin);
    if (step < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (step > 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void TreeBrowserView::dropEvent(QDropEvent* e) {
    if (!e->mimeData()->hasFormat(dragMimeType())) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    if (!inputEnabled_)
        return;
    const QPoint pos = e->position().toPoint();
    emit nodeDropped(dropZoneAt(pos), nodeAt(pos));
}

void TreeBrowserView::keyPressEvent(QKeyEvent* e) {
    // Every key that reaches the tree is consumed; only the keys below do something.
    e->accept();
    if (!inputEnabled_)
        return;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    switch (e->key()) {
    case Qt::Key_Up:
        if (mods == Qt::ControlModifier)
            emit moveUpRequested();
        else if (mods == Qt::AltModifier)
            emit stepRequested(TreeStep::PreviousVisible);
        else if (mods == Qt::NoModifier)
            emit stepRequested(TreeStep::PreviousInTreeOrder);
        break;
    case Qt::Key_Down:
        if (mods == Qt::ControlModifier)
            emit moveDownRequested();
        else if (mods == Qt::AltModifier)
            emit stepRequested(TreeStep::NextVisible);
        else if (mods == Qt::NoModifier)
            emit stepRequested(TreeStep::NextInTreeOrder);
        break;
    case Qt::Key_Right:
        if (Node* n = selectedNode())
            setExpanded(n, true);
        break;
    case Qt::Key_Left:
        setExpandedRecursively(selectedNode(), false);
        break;
    case Qt::Key_Asterisk:
        if (keypad)
            setExpandedRecursively(topVisibleNode(), true);
        break;
    case Qt::Key_Minus:
        if (keypad)
            setExpandedRecursively(topVisibleNode(), false);
        break;
    case Qt::Key_Delete:
        emit deleteRequested();
        break;
    default:
        break;
    }
}

void TreeBrowserView::wheelEvent(QWheelEvent* e) {
    if (!hasFocus()) {
        if (wheelTarget_ && wheelTarget_->hasFocus()) {
            QWheelEvent forwarded(wheelTarget_->viewport()->rect().center(), e->globalPosition(),
                                  e->pixelDelta(), e->angleDelta(), e->buttons(), e->modifiers(),
                                  e->phase(), e->inverted());
            QApplication::sendEvent(wheelTarget_->viewport(), &forwarded);
            e->accept();
            return;
        }
        QTreeView::wheelEvent(e);
        return;
    }
    e->accept();
    if (!inputEnabled_)
        return;
    // Qt turns Alt+wheel into a horizontal turn; either axis means up or down here.
    const QPoint delta = e->angleDelta();
    const int turn = delta.y() != 0 ? delta.y() : delta.x();
    if (turn == 0)
        return;
    const bool down = turn < 0;
    if (e->modifiers() & Qt::ControlModifier) {
        if (down)
            emit moveDownRequested();
        else
            emit moveUpRequested();
    } else if (e->modifiers() & Qt::AltModifier) {
        emit stepRequested(down ? TreeStep::NextVisible : TreeStep::PreviousVisible);
    } else {
        emit stepRequested(down ? TreeStep::NextInTreeOrder : TreeStep::PreviousInTreeOrder);
    }
}

bool TreeBrowserView::viewportEvent(QEvent* e) {
    // The pane shows no tooltips.
    if (e->type() == QEvent::ToolTip)
        return true;
    return QTreeView::viewportEvent(e);
}

void bindTreeBrowser(TreeBrowserView& view, TreeController& commands, PageSwitcher& pages) {
    QObject::connect(&view, &TreeBrowserView::nodeClicked, &view,
                     [&pages] { pages.tvBrowserClick(); });
    QObject::connect(&view, &TreeBrowserView::stepRequested, &view,
                     [&commands](TreeStep step) { commands.stepSelection(step); });
    QObject::connect(&view, &TreeBrowserView::moveUpRequested, &view,
                     [&commands] { commands.TreeMoveUp(); });
    QObject::connect(&view, &TreeBrowserView::moveDownRequested, &view,
                     [&commands] { commands.TreeMoveDown(); });
    QObject::connect(&view, &TreeBrowserView::deleteRequested, &view,
                     [&commands] { commands.TreeDeleteNode(); });
    QObject::connect(
        &view, &TreeBrowserView::nodeDropped, &view,
        [&commands](DropZone zone, Node* target) { commands.dropSelectedNode(zone, target); });
}

} // namespace quillet
