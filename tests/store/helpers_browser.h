#pragma once

// A document with the tree and page controllers wired to fakes, for tests of the tree
// commands, the page switch and node links.

#include "common/browser_fakes.h"
#include "common/scripted_prompts.h"
#include "store/document_controller.h"
#include "store/helpers_fake_editor.h"
#include "store/link_controller.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "store/tree_controller.h"

namespace quillet::test {

struct BrowserFixture {
    NodeTree tree;
    FakeEditor editor;
    ScriptedPrompts prompts;
    RecordingBusy busy;
    DocumentController doc{tree, editor, prompts, busy};
    FakePane pane;
    FakeHost host;
    PageSwitcher pages{doc, tree, editor, pane, host, prompts};
    TreeController commands{doc, tree, editor, pane, host, pages, prompts, busy};
    LinkController links{doc, tree, editor, pane, host, pages, busy};

    // Replaces the tree ("Caption #id" lines, two spaces per level); the editor holds the
    // page of id 0 as after start-up.
    explicit BrowserFixture(const QString& description = {});

    // The first node in tree order with this caption.
    Node* node(const QString& caption) const;
    void expand(const QStringList& captions);
    // Selects the node and runs the page switch, as a click does.
    void click(const QString& caption);
    QString description() const;
    bool pageExists(qint32 id) const;
    QByteArray pageBytes(qint32 id) const;
    void writePage(qint32 id, const QByteArray& bytes) const;
    void writeProperties(qint32 id, const QByteArray& bytes) const;
};

} // namespace quillet::test
