#pragma once

#include "store/drop_rules.h"

#include <QString>
#include <functional>
#include <optional>

namespace quillet {

class BrowserHost;
class BusyIndicator;
class DocumentController;
class Editor;
class Node;
class NodeTree;
class PageSwitcher;
class Prompts;
class TreePane;

// Steps of the selection through the tree (keys and mouse wheel).
enum class TreeStep {
    PreviousInTreeOrder, // opens a collapsed branch to show the node
    NextInTreeOrder,
    PreviousVisible,
    NextVisible,
};

// The commands of the Tree menu and the tree's gestures, over the document's NodeTree.
// Nothing here builds a dialog: captions are asked through Prompts, the icon through a
// chooser function the window passes in.
class TreeController {
public:
    TreeController(DocumentController& document, NodeTree& tree, Editor& editor, TreePane& pane,
                   BrowserHost& host, PageSwitcher& pages, Prompts& prompts, BusyIndicator& busy);

    void TreeAddNode();
    void TreeDeleteNode();
    void treeRenameNode();
    void TreeSortNode();
    // Both return whether the node moved.
    bool TreeMoveUp();
    bool TreeMoveDown();

    // A dragged node (the selected one) dropped in `zone` of `target`'s line. Returns
    // whether it moved.
    bool dropSelectedNode(DropZone zone, Node* target);

    // Moves the selection (keys, wheel) and switches the page when a node is selected.
    void stepSelection(TreeStep step);

    // The node search: selects the first match and switches to it; false when none.
    bool findNode(const QString& text, bool matchCase);

    // Asks `chooseIcon` (given the node's image index, returning the chosen one or nullopt
    // when cancelled) and gives the selected node that icon.
    void TreeChangeIcon(const std::function<std::optional<int>(int current)>& chooseIcon);

private:
    void afterChange();
    bool moveSelected(Node* node, Node* parent, int row);

    DocumentController& document_;
    NodeTree& tree_;
    Editor& editor_;
    TreePane& pane_;
    BrowserHost& host_;
    PageSwitcher& pages_;
    Prompts& prompts_;
    BusyIndicator& busy_;
};

} // namespace quillet
