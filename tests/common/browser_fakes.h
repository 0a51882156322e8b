#pragma once

// A tree pane and a window host that only remember what they were told, for the tree and
// page controllers' tests.

#include "store/node_tree.h"
#include "store/tree_pane.h"

#include <QSet>
#include <QStringList>

namespace quillet::test {

class FakePane : public TreePane {
public:
    Node* selected = nullptr;
    QSet<const Node*> expanded;
    Node* top = nullptr;      // what topVisibleNode() answers; nullptr: the first node
    NodeTree* tree = nullptr; // for the default top line
    QList<bool> enabledChanges;

    Node* selectedNode() const override { return selected; }
    void setSelectedNode(Node* node) override { selected = node; }
    bool isExpanded(const Node* node) const override { return expanded.contains(node); }
    void setExpanded(Node* node, bool on) override {
        if (on)
            expanded.insert(node);
        else
            expanded.remove(node);
    }
    Node* topVisibleNode() const override {
        if (top)
            return top;
        return tree ? tree->firstNode() : nullptr;
    }
    void setTreeEnabled(bool on) override { enabledChanges << on; }
};

class FakeHost : public BrowserHost {
public:
    std::optional<qint32> background;
    int backgroundCalls = 0;
    int normalStyleCalls = 0;
    QString caption;
    int captionCalls = 0;
    bool propertiesPanel = true;
    bool modifiedIndicator = false;
    int commandStateCalls = 0;
    int selectionChangeCalls = 0;
    int focusCalls = 0;
    QStringList openedUrls;
    QString clipboard;

    void setEditorBackground(std::optional<qint32> c) override {
        background = c;
        ++backgroundCalls;
    }
    void applyNormalStyle() override { ++normalStyleCalls; }
    void setWindowCaption(const QString& c) override {
        caption = c;
        ++captionCalls;
    }
    void setPropertiesPanelEnabled(bool on) override { propertiesPanel = on; }
    void redrawStatusPictures() override {}
    void setModifiedIndicator(bool on) override { modifiedIndicator = on; }
    void updateCommandStates() override { ++commandStateCalls; }
    void editorSelectionChange() override { ++selectionChangeCalls; }
    void focusEditor() override { ++focusCalls; }
    void openUrl(const QString& url) override { openedUrls << url; }
    void setClipboardText(const QString& text) override { clipboard = text; }
};

} // namespace quillet::test
