#include "store/helpers_browser.h"

#include <QTest>

using namespace quillet;
using test::BrowserFixture;

namespace {

const char* const kStory = "Root #0\n"
                           "  Plan #1\n"
                           "  Chapters #2\n"
                           "    One #3\n"
                           "    Two #4\n"
                           "  Notes #5\n"
                           "Extra #6";

QString lines(const QStringList& l) {
    return l.join(QLatin1Char('\n'));
}

} // namespace

class TestTreeCommands : public QObject {
    Q_OBJECT

private slots:
    void moves_data();
    void moves();
    void moveWithoutSelectionDoesNothing();

    void addUnderCollapsedParent();
    void addWithoutSelectionAddsTopLevel();
    void addCancelledOrEmptyStillMarksModified_data();
    void addCancelledOrEmptyStillMarksModified();
    void addReusesIdOfDeletedLargestAndDropsItsPage();

    void deleteSelectsPreviousInTreeOrder();
    void deleteFirstNodeSelectsTopOfPane();
    void deleteLastNodeLeavesEmptyTree();
    void deleteNeedsConfirmation();

    void rename_data();
    void rename();

    void sortUsesLocaleCollation();

    void stepSelection_data();
    void stepSelection();
    void stepPastTheEndLeavesNoSelection();

    void findNode_data();
    void findNode();
    void findNodeByNameSearchesFirstChildSubtree();

    void changeIcon();
    void changeIconCancelled();
};

void TestTreeCommands::moves_data() {
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QStringList>("expanded");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("expected");

    const QString flat = lines({"A #1", "B #2", "C #3"});
    QTest::newRow("up on the first line goes to the end")
        << flat << QStringList{} << "A" << true << lines({"B #2", "C #3", "A #1"});
    QTest::newRow("down on the last line stays last")
        << flat << QStringList{} << "C" << false << lines({"A #1", "B #2", "C #3"});
    QTest::newRow("down before a sibling goes to the end of the siblings")
        << flat << QStringList{} << "A" << false << lines({"B #2", "C #3", "A #1"});
    QTest::newRow("up before a sibling")
        << flat << QStringList{} << "C" << true << lines({"A #1", "C #3", "B #2"});

    const QString story = QString::fromLatin1(kStory);
    QTest::newRow("down on an expanded node with children does nothing")
        << story << QStringList{"Root", "Chapters"} << "Chapters" << false << story;
    QTest::newRow("up into an expanded sibling lands before its last child")
        << story << QStringList{"Root", "Chapters"} << "Notes" << true
        << lines({"Root #0", "  Plan #1", "  Chapters #2", "    One #3", "    Notes #5",
                  "    Two #4", "Extra #6"});
    QTest::newRow("up past a collapsed sibling lands before it")
        << story << QStringList{"Root"} << "Notes" << true
        << lines({"Root #0", "  Plan #1", "  Notes #5", "  Chapters #2", "    One #3", "    Two #4",
                  "Extra #6"});
    QTest::newRow("up from the first child lands before the parent")
        << story << QStringList{"Root"} << "Plan" << true
        << lines({"Plan #1", "Root #0", "  Chapters #2", "    One #3", "    Two #4", "  Notes #5",
                  "Extra #6"});
    QTest::newRow("down from the last child joins the next line's parent")
        << story << QStringList{"Root"} << "Notes" << false
        << lines({"Root #0", "  Plan #1", "  Chapters #2", "    One #3", "    Two #4", "Extra #6",
                  "Notes #5"});
}

void TestTreeCommands::moves() {
    QFETCH(QString, tree);
    QFETCH(QStringList, expanded);
    QFETCH(QString, selected);
    QFETCH(bool, up);
    QFETCH(QString, expected);

    BrowserFixture f(tree);
    f.expand(expanded);
    Node* n = f.node(selected);
    f.pane.setSelectedNode(n);
    const bool moved = up ? f.commands.TreeMoveUp() : f.commands.TreeMoveDown();

    QCOMPARE(f.description(), expected);
    QCOMPARE(f.pane.selected, n);
    QCOMPARE(f.doc.currentId(), 0); // ids, pages and the editor stay as they were
    if (moved) {
        QVERIFY(f.doc.isModified());
        if (n->parent())
            QVERIFY(f.pane.isExpanded(n->parent()));
    }
}

void TestTreeCommands::moveWithoutSelectionDoesNothing() {
    BrowserFixture f(QStringLiteral("A #1\nB #2"));
    QVERIFY(!f.commands.TreeMoveUp());
    QVERIFY(!f.commands.TreeMoveDown());
    QCOMPARE(f.description(), QStringLiteral("A #1\nB #2"));
    QVERIFY(!f.doc.isModified());
}

void TestTreeCommands::addUnderCollapsedParent() {
    BrowserFixture f(QString::fromLatin1(kStory));
    f.click(QStringLiteral("Chapters"));
    f.editor.page = "chapters page";
    f.prompts.setNextText(QStringLiteral("Three"));
    f.commands.TreeAddNode();

    QCOMPARE(f.prompts.log.last(), QStringLiteral("input: Quillet | Name | "));
    Node* added = f.node(QStringLiteral("Three"));
    QCOMPARE(added->id(), 7);
    QCOMPARE(added->parent(), f.node(QStringLiteral("Chapters")));
    QCOMPARE(added->row(), 2);
    QCOMPARE(added->imageIndex(), 0);
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("Chapters")));
    QVERIFY(!f.pane.isExpanded(f.node(QStringLiteral("Chapters"))));
    QCOMPARE(f.pageBytes(2), QByteArray("chapters page"));
    QVERIFY(f.doc.isModified());
    QVERIFY(f.host.modifiedIndicator);
    QVERIFY(f.host.focusCalls > 0);
}

void TestTreeCommands::addWithoutSelectionAddsTopLevel() {
    BrowserFixture f(QStringLiteral("A #4\nB #2"));
    f.editor.page = "unsaved";
    f.prompts.setNextText(QStringLiteral("C"));
    f.commands.TreeAddNode();
    QCOMPARE(f.description(), QStringLiteral("A #4\nB #2\nC #5"));
    QVERIFY(!f.pageExists(0)); // with nothing selected the page is not written
}

void TestTreeCommands::addCancelledOrEmptyStillMarksModified_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("cancelled") << std::optional<QString>{};
    QTest::newRow("empty") << std::optional<QString>{QString()};
}

void TestTreeCommands::addCancelledOrEmptyStillMarksModified() {
    QFETCH(std::optional<QString>, answer);
    BrowserFixture f(QStringLiteral("A #1"));
    f.prompts.setNextText(answer);
    f.commands.TreeAddNode();
    QCOMPARE(f.description(), QStringLiteral("A #1"));
    QVERIFY(f.doc.isModified());
}

void TestTreeCommands::addReusesIdOfDeletedLargestAndDropsItsPage() {
    BrowserFixture f(QStringLiteral("A #1\nB #2"));
    f.click(QStringLiteral("B"));
    f.writeProperties(2, "[Options]\nbgR=1\n");
    f.prompts.setNextConfirm(true);
    f.commands.TreeDeleteNode();
    QVERIFY(f.pageExists(2)); // the emptied editor went to the deleted node's file
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("A")));

    f.pane.setSelectedNode(nullptr);
    f.prompts.setNextText(QStringLiteral("New"));
    f.commands.TreeAddNode();
    QCOMPARE(f.node(QStringLiteral("New"))->id(), 2);
    QVERIFY(!f.pageExists(2));
    QVERIFY(QFileInfo::exists(f.doc.propertiesPath(2)));
}

void TestTreeCommands::deleteSelectsPreviousInTreeOrder() {
    BrowserFixture f(QString::fromLatin1(kStory));
    f.writePage(4, "page of two");
    f.click(QStringLiteral("Notes"));
    f.prompts.setNextConfirm(true);
    f.commands.TreeDeleteNode();

    QCOMPARE(f.prompts.log.last(),
             QStringLiteral("okcancel: Are you sure you wish to delete this node?"));
    QCOMPARE(f.busy.states, (QList<bool>{true, false}));
    // The previous sibling's last descendant, even inside a collapsed branch.
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("Two")));
    QCOMPARE(f.doc.currentId(), 4);
    QCOMPARE(f.editor.page, QByteArray("page of two"));
    QCOMPARE(f.pageBytes(5), QByteArray()); // the emptied editor
    QVERIFY(f.doc.isModified());
}

void TestTreeCommands::deleteFirstNodeSelectsTopOfPane() {
    BrowserFixture f(QStringLiteral("A #1\n  A1 #2\nB #3\nC #4"));
    f.click(QStringLiteral("A"));
    f.prompts.setNextConfirm(true);
    f.commands.TreeDeleteNode();
    QCOMPARE(f.description(), QStringLiteral("B #3\nC #4"));
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("B")));
    QCOMPARE(f.doc.currentId(), 3);
}

void TestTreeCommands::deleteLastNodeLeavesEmptyTree() {
    BrowserFixture f;
    f.click(QStringLiteral("Root"));
    f.prompts.setNextConfirm(true);
    f.commands.TreeDeleteNode();
    QVERIFY(f.tree.isEmpty());
    QCOMPARE(f.pane.selected, nullptr);

    f.prompts.setNextText(QStringLiteral("First"));
    f.commands.TreeAddNode();
    QCOMPARE(f.description(), QStringLiteral("First #1"));
}

void TestTreeCommands::deleteNeedsConfirmation() {
    BrowserFixture f(QStringLiteral("A #1\nB #2"));
    f.commands.TreeDeleteNode(); // nothing selected: not even asked
    QVERIFY(f.prompts.log.isEmpty());
    f.click(QStringLiteral("B"));
    f.doc.setModified(false); // the switch itself wrote a page
    f.editor.page = "kept";
    f.prompts.setNextConfirm(false);
    f.commands.TreeDeleteNode();
    QCOMPARE(f.description(), QStringLiteral("A #1\nB #2"));
    QCOMPARE(f.editor.page, QByteArray("kept"));
    QVERIFY(!f.doc.isModified());
}

void TestTreeCommands::rename_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("modified");
    QTest::newRow("new caption") << std::optional<QString>{"Plot"} << "Plot" << true;
    QTest::newRow("cancelled") << std::optional<QString>{} << "Plan" << false;
    QTest::newRow("same caption") << std::optional<QString>{"Plan"} << "Plan" << false;
    QTest::newRow("case differs") << std::optional<QString>{"plan"} << "plan" << true;
    QTest::newRow("empty caption accepted") << std::optional<QString>{QString()} << "" << true;
}

void TestTreeCommands::rename() {
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, caption);
    QFETCH(bool, modified);
    BrowserFixture f(QStringLiteral("Plan #1"));
    f.click(QStringLiteral("Plan"));
    f.doc.setModified(false); // the switch itself wrote a page
    const QString windowCaption = f.host.caption;
    f.prompts.setNextText(answer);
    f.commands.treeRenameNode();
    QCOMPARE(f.prompts.log.last(), QStringLiteral("input: Quillet | Name | Plan"));
    QCOMPARE(f.tree.firstNode()->caption(), caption);
    QCOMPARE(f.doc.isModified(), modified);
    QCOMPARE(f.host.caption, windowCaption); // until the next page switch
}

void TestTreeCommands::sortUsesLocaleCollation() {
    BrowserFixture f(QStringLiteral("P #1\n  b #2\n    z #5\n    y #6\n  B #3\n  a #4"));
    f.pane.setSelectedNode(f.node(QStringLiteral("P")));
    f.commands.TreeSortNode();
    // Character codes would give B, a, b; the collation puts lower case first.
    QCOMPARE(f.description(), QStringLiteral("P #1\n  a #4\n  b #2\n    z #5\n    y #6\n  B #3"));
    QVERIFY(f.doc.isModified());
}

void TestTreeCommands::stepSelection_data() {
    QTest::addColumn<QStringList>("expanded");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("opened");

    QTest::newRow("up into a collapsed branch opens it")
        << QStringList{"Root"} << "Notes" << int(TreeStep::PreviousInTreeOrder) << "Two" << true;
    QTest::newRow("alt+up skips the collapsed branch")
        << QStringList{"Root"} << "Notes" << int(TreeStep::PreviousVisible) << "Chapters" << false;
    QTest::newRow("down enters a collapsed branch")
        << QStringList{"Root"} << "Chapters" << int(TreeStep::NextInTreeOrder) << "One" << true;
    QTest::newRow("alt+down passes over it")
        << QStringList{"Root"} << "Chapters" << int(TreeStep::NextVisible) << "Notes" << false;
}

void TestTreeCommands::stepSelection() {
    QFETCH(QStringList, expanded);
    QFETCH(QString, from);
    QFETCH(int, step);
    QFETCH(QString, to);
    QFETCH(bool, opened);
    BrowserFixture f(QString::fromLatin1(kStory));
    f.expand(expanded);
    f.click(from);
    f.commands.stepSelection(TreeStep(step));
    QCOMPARE(f.pane.selected, f.node(to));
    QCOMPARE(f.doc.currentId(), f.node(to)->id());
    QCOMPARE(f.pane.isExpanded(f.node(QStringLiteral("Chapters"))), opened);
}

void TestTreeCommands::stepPastTheEndLeavesNoSelection() {
    BrowserFixture f(QStringLiteral("A #1\nB #2"));
    f.click(QStringLiteral("B"));
    f.editor.page = "page of B";
    f.commands.stepSelection(TreeStep::NextInTreeOrder);
    QCOMPARE(f.pane.selected, nullptr);
    QCOMPARE(f.doc.currentId(), 2);
    QCOMPARE(f.editor.page, QByteArray("page of B"));
}

void TestTreeCommands::findNode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("found");
    QTest::newRow("lower case finds Chapters") << "chap" << false << "Chapters";
    QTest::newRow("match case refuses") << "chap" << true << "";
    QTest::newRow("match case as typed") << "Chap" << true << "Chapters";
    QTest::newRow("accented capital compared as typed") << "\u00e9t\u00e9" << false << "";
    QTest::newRow("accented as typed") << "\u00c9t\u00e9" << false << "\u00c9t\u00e9 notes";
    QTest::newRow("first in tree order, not after selection") << "o" << false << "Root";
    QTest::newRow("nothing") << "xyz" << false << "";
}

void TestTreeCommands::findNode() {
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(QString, found);
    BrowserFixture f(QString::fromLatin1(kStory) + QStringLiteral("\n\u00c9t\u00e9 notes #7"));
    f.click(QStringLiteral("Extra"));
    QCOMPARE(f.commands.findNode(text, matchCase), !found.isEmpty());
    if (found.isEmpty()) {
        QCOMPARE(f.pane.selected, f.node(QStringLiteral("Extra")));
    } else {
        QCOMPARE(f.pane.selected, f.node(found));
        QCOMPARE(f.doc.currentId(), f.node(found)->id());
    }
}

void TestTreeCommands::findNodeByNameSearchesFirstChildSubtree() {
    BrowserFixture f(QString::fromLatin1(kStory));
    QCOMPARE(NodeTree::FindNodeByName(f.node(QStringLiteral("Root")), QStringLiteral("TWO")),
             f.node(QStringLiteral("Two")));
}

void TestTreeCommands::changeIcon() {
    BrowserFixture f(QStringLiteral("A #1 @7"));
    f.click(QStringLiteral("A"));
    int offered = -1;
    f.commands.TreeChangeIcon([&](int current) {
        offered = current;
        return std::optional<int>(42);
    });
    QCOMPARE(offered, 7);
    QCOMPARE(f.tree.firstNode()->imageIndex(), 42);
    QCOMPARE(f.tree.firstNode()->selectedIndex(), 42);
    QVERIFY(f.doc.isModified());
}

void TestTreeCommands::changeIconCancelled() {
    BrowserFixture f(QStringLiteral("A #1 @7"));
    f.click(QStringLiteral("A"));
    f.doc.setModified(false); // the switch itself wrote a page
    f.commands.TreeChangeIcon([](int) { return std::optional<int>(); });
    QCOMPARE(f.tree.firstNode()->imageIndex(), 7);
    QVERIFY(!f.doc.isModified());
}

QTEST_GUILESS_MAIN(TestTreeCommands)
#include "test_tree_commands.moc"
