#include "store/tree_controller.h"

#include "store/document_controller.h"
#include "store/editor.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "store/prompts.h"
#include "store/tree_pane.h"

#include <QFile>

namespace quillet {

TreeController::TreeController(DocumentController& document, NodeTree& tree, Editor& editor,
                               TreePane& pane, BrowserHost& host, PageSwitcher& pages,
                               Prompts& prompts, BusyIndicator& busy)
    : document_(document), tree_(tree), editor_(editor), pane_(pane), host_(host), pages_(pages),
      prompts_(prompts), busy_(busy) {}

void TreeController::afterChange() {
    document_.setModified(true);
    pages_.editorChange();
    host_.focusEditor();
    host_.updateCommandStates();
}

void TreeController::TreeAddNode() {
    const std::optional<QString> answer =
        prompts_.inputText(QStringLiteral("Quillet"), QStringLiteral("Name"), QString());
    if (answer && !answer->isEmpty()) {
        Node* parent = pane_.selectedNode();
        if (parent)
            pages_.writeCurrentPage();
        if (Node* added = tree_.AddChildNode(parent, *answer)) {
            // A deleted node with the same id may have left its page behind; the new node
            // starts with an empty page, not with that one.
            QFile::remove(document_.pagePath(added->id()));
        }
    }
    afterChange();
}

void TreeController::TreeDeleteNode() {
    Node* node = pane_.selectedNode();
    if (!node ||
        !prompts_.confirmOkCancel(QStringLiteral("Are you sure you wish to delete this node?")))
        return;
    busy_.setBusy(true);
    editor_.clearPage();
    busy_.setBusy(false);
    Node* next = NodeTree::previousInTreeOrder(node);
    tree_.removeNode(node);
    if (!next)
        next = pane_.topVisibleNode();
    pane_.setSelectedNode(next);
    document_.setModified(true);
    pages_.editorChange();
    pages_.tvBrowserClick();
    host_.focusEditor();
    host_.updateCommandStates();
}

void TreeController::treeRenameNode() {
    Node* node = pane_.selectedNode();
    if (!node)
        return;
    const std::optional<QString> answer =
        prompts_.inputText(QStringLiteral("Quillet"), QStringLiteral("Name"), node->caption());
    if (!answer || *answer == node->caption())
        return;
    tree_.setCaption(node, *answer);
    afterChange();
}

void TreeController::TreeSortNode() {
    Node* node = pane_.selectedNode();
    if (!node)
        return;
    tree_.sortChildrenByCaption(node);
    document_.setModified(true);
}

bool TreeController::moveSelected(Node* node, Node* parent, int row) {
    if (!tree_.moveNode(node, parent, row))
        return false;
    if (parent)
        pane_.setExpanded(parent, true);
    pane_.setSelectedNode(node);
    // The outline is part of the document: a move that is not saved would be lost without
    // the usual question when the window closes.
    document_.setModified(true);
    pages_.editorChange();
    return true;
}

bool TreeController::TreeMoveUp() {
    Node* node = pane_.selectedNode();
    if (!node)
        return false;
    const auto expanded = [this](const Node* n) { return pane_.isExpanded(n); };
    if (Node* previous = tree_.previousVisible(node, expanded))
        return moveSelected(node, previous->parent(), previous->row());
    return moveSelected(node, nullptr, -1);
}

bool TreeController::TreeMoveDown() {
    Node* node = pane_.selectedNode();
    if (!node)
        return false;
    const auto expanded = [this](const Node* n) { return pane_.isExpanded(n); };
    Node* next = NodeTree::nextVisible(node, expanded);
    if (next && next->isDescendantOf(node))
        return false;
    return moveSelected(node, next ? next->parent() : nullptr, -1);
}

bool TreeController::dropSelectedNode(DropZone zone, Node* target) {
    Node* node = pane_.selectedNode();
    if (!node)
        return false;
    pages_.writeCurrentPage();
    const std::optional<NodeMove> move = dropMove(node, zone, target);
    if (!move || !tree_.moveNode(node, move->parent, move->row))
        return false;
    if (move->parent)
        pane_.setExpanded(move->parent, true);
    pane_.setSelectedNode(node);
    document_.setModified(true);
    pages_.editorChange();
    return true;
}

void TreeController::stepSelection(TreeStep step) {
    Node* node = pane_.selectedNode();
    if (!node)
        return;
    const auto expanded = [this](const Node* n) { return pane_.isExpanded(n); };
    Node* target = nullptr;
    switch (step) {
    case TreeStep::PreviousInTreeOrder:
        target = NodeTree::previousInTreeOrder(node);
        break;
    case TreeStep::NextInTreeOrder:
        target = NodeTree::nextInTreeOrder(node);
        break;
    case TreeStep::PreviousVisible:
        target = tree_.previousVisible(node, expanded);
        break;
    case TreeStep::NextVisible:
        target = NodeTree::nextVisible(node, expanded);
        break;
    }
    if (target) {
        for (Node* p = target->parent(); p; p = p->parent())
            pane_.setExpanded(p, true);
    }
    pane_.setSelectedNode(target);
    if (target)
        pages_.tvBrowserClick();
}

bool TreeController::findNode(const QString& text, bool matchCase) {
    Node* found = tree_.findNodeContaining(text, matchCase);
    if (!found)
        return false;
    for (Node* p = found->parent(); p; p = p->parent())
        pane_.setExpanded(p, true);
    pane_.setSelectedNode(found);
    pages_.tvBrowserClick();
    return true;
}

void TreeController::TreeChangeIcon(
    const std::function<std::optional<int>(int current)>& chooseIcon) {
    Node* node = pane_.selectedNode();
    if (!node || !chooseIcon)
        return;
    const std::optional<int> chosen = chooseIcon(node->imageIndex());
    if (!chosen)
        return;
    tree_.setImageIndex(node, *chosen);
    tree_.setSelectedIndex(node, *chosen);
    afterChange();
}

} // namespace quillet
