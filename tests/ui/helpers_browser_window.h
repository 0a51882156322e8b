#pragma once

// A tree pane and a real rich-text editor over a document, bound to the tree and page
// controllers as the main window binds them, for offscreen tests of the pane's gestures
// and of page switching over real RTF files.

#include "common/browser_fakes.h"
#include "common/scripted_prompts.h"
#include "store/document_controller.h"
#include "store/link_controller.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "store/tree_controller.h"
#include "ui/node_tree_model.h"
#include "ui/rich_editor.h"
#include "ui/tree_browser_view.h"

#include <QWidget>

namespace quillet::test {

// Applies what the page switch asks of the editor's surroundings to the real editor.
class EditorHost : public FakeHost {
public:
    RichEditor* editor = nullptr;
    void setEditorBackground(std::optional<qint32> colour) override;
    void applyNormalStyle() override;
};

struct BrowserWindow {
    QWidget window;
    NodeTree tree;
    RichEditor* editor;
    TreeBrowserView* view;
    ScriptedPrompts prompts;
    RecordingBusy busy;
    DocumentController doc;
    NodeTreeModel model;
    EditorHost host;
    PageSwitcher pages;
    TreeController commands;
    LinkController links;

    // `description`: one node per line, "Caption #id", two spaces of indentation per level.
    explicit BrowserWindow(const QString& description = {});

    Node* node(const QString& caption) const;
    QString description() const;
    // The middle of the node's caption, in viewport coordinates.
    QPoint labelPoint(const QString& caption) const;
    void click(const QString& caption, Qt::MouseButton button = Qt::LeftButton);
};

} // namespace quillet::test
