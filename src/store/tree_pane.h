#pragma once

#include "store/node_tree.h"

#include <QString>
#include <optional>

namespace quillet {

// The tree pane as the tree and page controllers see it. Expansion and the visible area are
// the view's state, so every rule about "visible" nodes asks here. The tree view widget
// implements it; tests use a plain fake.
class TreePane {
public:
    virtual ~TreePane() = default;

    virtual Node* selectedNode() const = 0;
    // Changes the selection only; the caller decides whether the page switch runs.
    virtual void setSelectedNode(Node* node) = 0;
    virtual bool isExpanded(const Node* node) const = 0;
    virtual void setExpanded(Node* node, bool expanded) = 0;
    // The node on the top line of the pane's visible area; nullptr for an empty tree.
    virtual Node* topVisibleNode() const = 0;
    // Off while a page switch runs so that no second switch can start inside it.
    virtual void setTreeEnabled(bool enabled) = 0;
};

// What the page switch and the tree commands change around the editor: the window's
// caption, colours, status bar and command states. The main window implements it.
class BrowserHost {
public:
    virtual ~BrowserHost() = default;

    // nullopt: the system's window colour; otherwise a colour value (red + green * 256 +
    // blue * 65536).
    virtual void setEditorBackground(std::optional<qint32> colour) = 0;
    // Formats the (empty) page in the style "Normal".
    virtual void applyNormalStyle() = 0;
    virtual void setWindowCaption(const QString& caption) = 0;
    // Status bar panel 4, which every page switch turns off.
    virtual void setPropertiesPanelEnabled(bool enabled) = 0;
    virtual void redrawStatusPictures() = 0;
    virtual void setModifiedIndicator(bool modified) = 0;
    virtual void updateCommandStates() = 0;
    // The style list, status line and ruler follow the page.
    virtual void editorSelectionChange() = 0;
    virtual void focusEditor() = 0;
    // Hands a link that is not a node link to the user's default handler.
    virtual void openUrl(const QString& url) = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

} // namespace quillet
