// Times the tree commands on outlines of growing size, to show that each one costs at most
// time linear in the tree, and that adding a long batch of nodes (as a long story does)
// costs time linear in the batch.

#include "store/document_controller.h"
#include "store/editor.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "store/prompts.h"
#include "store/tree_controller.h"
#include "store/tree_pane.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <cstdio>

using namespace quillet;

namespace {

class NullEditor : public Editor {
public:
    bool loadPage(const QString&, QString*) override { return true; }
    bool savePage(const QString&, QString*) override { return true; }
    void clearPage() override {}
    bool isPageModified() const override { return false; }
    void setPageModified(bool) override {}
    bool hasSelection() const override { return false; }
    QString selectedText() const override { return {}; }
    void replaceSelection(const QString&) override {}
    QString pageText() const override { return {}; }
};

class AnsweringPrompts : public Prompts {
public:
    QString nextText;
    void information(const QString&) override {}
    void warning(const QString&) override {}
    void error(const QString&) override {}
    bool confirmOkCancel(const QString&) override { return true; }
    bool confirmYesNo(const QString&) override { return true; }
    Answer askYesNoCancel(const QString&) override { return Answer::Yes; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return nextText;
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class NullBusy : public BusyIndicator {
public:
    void setBusy(bool) override {}
    void setProgress(int, int) override {}
    void processEvents() override {}
};

class Pane : public TreePane {
public:
    Node* selected = nullptr;
    QSet<const Node*> open;
    NodeTree* tree = nullptr;
    Node* selectedNode() const override { return selected; }
    void setSelectedNode(Node* n) override { selected = n; }
    bool isExpanded(const Node* n) const override { return open.contains(n); }
    void setExpanded(Node* n, bool on) override {
        if (on)
            open.insert(n);
        else
            open.remove(n);
    }
    Node* topVisibleNode() const override { return tree->firstNode(); }
    void setTreeEnabled(bool) override {}
};

class Host : public BrowserHost {
public:
    void setEditorBackground(std::optional<qint32>) override {}
    void applyNormalStyle() override {}
    void setWindowCaption(const QString&) override {}
    void setPropertiesPanelEnabled(bool) override {}
    void redrawStatusPictures() override {}
    void setModifiedIndicator(bool) override {}
    void updateCommandStates() override {}
    void editorSelectionChange() override {}
    void focusEditor() override {}
    void openUrl(const QString&) override {}
    void setClipboardText(const QString&) override {}
};

struct Bench {
    NodeTree tree;
    NullEditor editor;
    AnsweringPrompts prompts;
    NullBusy busy;
    DocumentController doc{tree, editor, prompts, busy};
    Pane pane;
    Host host;
    PageSwitcher pages{doc, tree, editor, pane, host, prompts};
    TreeController commands{doc, tree, editor, pane, host, pages, prompts, busy};

    // Chapters of 100 scenes each, all expanded, as a long story's outline.
    explicit Bench(int nodes) {
        pane.tree = &tree;
        NodeTree::BulkChange bulk(tree);
        tree.clear();
        Node* chapter = nullptr;
        for (int i = 0; i < nodes; ++i) {
            NodeFields f;
            f.id = i;
            f.caption = QStringLiteral("Node %1").arg(i);
            if (i % 100 == 0) {
                chapter = tree.appendNode(nullptr, f);
                pane.open.insert(chapter);
            } else {
                tree.appendNode(chapter, f);
            }
        }
        doc.setCurrentId(DocumentController::kNoPage);
    }

    Node* middle() const {
        Node* n = tree.topLevelNode(tree.topLevelCount() / 2);
        return n->child(n->childCount() / 2);
    }
};

// Median of a few runs, in microseconds.
template <typename F> double time(F&& f, int runs = 5) {
    QList<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        t << timer.nsecsElapsed() / 1000.0;
    }
    std::sort(t.begin(), t.end());
    return t.at(runs / 2);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int largest = argc > 1 ? std::max(1000, atoi(argv[1])) : 100000;
    std::printf("%10s %12s %12s %12s %12s %12s %12s %12s\n", "nodes", "add us", "delete us",
                "move up us", "move dn us", "find us", "maxid us", "sort us");
    for (int n = largest / 4; n <= largest; n *= 2) {
        Bench b(n);
        b.prompts.nextText = QStringLiteral("New scene");
        b.pane.selected = b.middle();
        const double add = time([&] { b.commands.TreeAddNode(); });
        const double del = time([&] {
            b.pane.selected = b.middle();
            b.commands.TreeDeleteNode();
        });
        b.pane.selected = b.middle();
        const double up = time([&] { b.commands.TreeMoveUp(); });
        const double down = time([&] { b.commands.TreeMoveDown(); });
        const double find = time([&] { b.commands.findNode(QStringLiteral("absent"), false); });
        volatile qint32 sink = 0;
        const double maxId = time([&] { sink = b.tree.MaxNodeId(); });
        b.pane.selected = nullptr;
        const double sort = time([&] { b.tree.sortChildrenByCaption(b.tree.topLevelNode(0)); });
        std::printf("%10d %12.1f %12.1f %12.1f %12.1f %12.1f %12.1f %12.1f\n", n, add, del, up,
                    down, find, maxId, sort);
        (void)sink;
    }

    std::printf("\nbatch of new nodes under one chapter (AddChildNode, as story creation)\n");
    std::printf("%10s %12s %14s\n", "batch", "total ms", "per node us");
    for (int batch = 5000; batch <= 20000; batch *= 2) {
        Bench b(largest);
        Node* parent = b.tree.topLevelNode(0);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < batch; ++i)
            b.tree.AddChildNode(parent, QStringLiteral("Scene"));
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("%10d %12.1f %14.2f\n", batch, ms, ms * 1000 / batch);
    }
    return 0;
}
