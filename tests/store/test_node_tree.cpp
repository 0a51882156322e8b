#include "store/helpers_fixtures.h"
#include "store/node_tree.h"

#include <QTest>

using namespace quillet;

class TestNodeTree : public QObject {
    Q_OBJECT

private slots:
    void maxNodeId_data();
    void maxNodeId();
    void deletedLargestIdIsReused();
    void addChildNodeAssignsIdAndIcon();
    void addChildNodeRefusesEmptyCaption();
    void findNodeByName_data();
    void findNodeByName();
    void countSubtreeNodes();
    void treeOrderWalks();
    void visibleWalksFollowExpansion();
    void moveKeepsIdsAndRefusesOwnSubtree();
    void sortIsStableAndOnlyDirectChildren();
    void sortByCaptionUsesLocaleCollation();
    void findNodeContaining_data();
    void findNodeContaining();
    void deepChainIsDestroyedWithoutRecursion();
};

void TestNodeTree::maxNodeId_data() {
    QTest::addColumn<QString>("tree");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty tree") << QString() << 0;
    QTest::newRow("root only") << "Root #0" << 0;
    QTest::newRow("only negative ids") << "A #-5\nB #-2" << 0;
    QTest::newRow("largest deep inside") << "Root #0\n  A #3\n    B #17\n  C #4" << 17;
    QTest::newRow("repeated ids") << "A #9\nB #9" << 9;
}

void TestNodeTree::maxNodeId() {
    QFETCH(QString, tree);
    QFETCH(int, expected);
    NodeTree t;
    test::buildTree(t, tree);
    QCOMPARE(t.MaxNodeId(), expected);
}

void TestNodeTree::deletedLargestIdIsReused() {
    NodeTree t;
    test::buildTree(t, "Root #0\n  A #1\n  B #2\n    C #3");
    Node* b = t.findNodeById(2);
    t.removeNode(b); // takes C (3) with it
    QCOMPARE(t.MaxNodeId(), 1);
    QCOMPARE(t.AddChildNode(t.firstNode(), "New")->id(), 2);

    // Two nodes sharing the largest id: deleting one keeps the maximum.
    NodeTree twins;
    test::buildTree(twins, "A #5\nB #5");
    twins.removeNode(twins.topLevelNode(0));
    QCOMPARE(twins.MaxNodeId(), 5);

    // The last node gone: the next one added is a top-level node with id 1.
    NodeTree single;
    test::buildTree(single, "Root #0");
    single.removeNode(single.firstNode());
    Node* n = single.AddChildNode(nullptr, "X");
    QCOMPARE(n->id(), 1);
    QCOMPARE(n->parent(), nullptr);
    QCOMPARE(single.topLevelCount(), 1);
}

void TestNodeTree::addChildNodeAssignsIdAndIcon() {
    NodeTree t;
    test::buildTree(t, "Root #0 @7\n  A #4 @3");
    Node* root = t.firstNode();
    Node* n = t.AddChildNode(root, "Chapter");
    QVERIFY(n);
    QCOMPARE(n->id(), 5);
    QCOMPARE(n->imageIndex(), 0);
    QCOMPARE(n->selectedIndex(), 0);
    QCOMPARE(n->overlayIndex(), -1);
    QCOMPARE(n->parent(), root);
    QCOMPARE(root->lastChild(), n);
    QCOMPARE(n->row(), 1);
    QCOMPARE(test::describeTree(t), QString("Root #0 @7\n  A #4 @3\n  Chapter #5"));
}

void TestNodeTree::addChildNodeRefusesEmptyCaption() {
    NodeTree t;
    test::buildTree(t, "Root #0");
    QCOMPARE(t.AddChildNode(t.firstNode(), QString()), nullptr);
    QCOMPARE(t.nodeCount(), 1);
}

void TestNodeTree::findNodeByName_data() {
    QTest::addColumn<QString>("startCaption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedId"); // -1: none
    QTest::newRow("start node itself") << "Story"
                                       << "STORY" << 0;
    QTest::newRow("first match in tree order, deep in first child") << "Story"
                                                                    << "chapters" << 2;
    QTest::newRow("later sibling subtree") << "Story"
                                           << "cast" << 3;
    QTest::newRow("outside the start subtree") << "Story"
                                               << "other" << -1;
    QTest::newRow("accented letters compared as typed")
        << "Other" << QString::fromUtf8("été") << -1;
    QTest::newRow("accented exact") << "Other" << QString::fromLatin1("\xC9t\xE9") << 6;
    QTest::newRow("no partial match") << "Story"
                                      << "Chap" << -1;
}

void TestNodeTree::findNodeByName() {
    QFETCH(QString, startCaption);
    QFETCH(QString, text);
    QFETCH(int, expectedId);
    NodeTree t;
    test::buildTree(t, "Story #0\n  Plan #1\n    Chapters #2\n  Cast #3\n  Chapters #4\n"
                       "Other #5\n  " +
                           QString::fromLatin1("\xC9t\xE9") + " #6");
    Node* start = nullptr;
    t.forEachNode([&](Node* n) {
        if (!start && n->caption() == startCaption)
            start = n;
    });
    QVERIFY(start);
    Node* found = NodeTree::FindNodeByName(start, text);
    QCOMPARE(found ? found->id() : -1, expectedId);
}

void TestNodeTree::countSubtreeNodes() {
    NodeTree t;
    test::buildTree(t, "A #0\n  B #1\n    C #2\n    D #3\n  E #4\nF #5");
    QCOMPARE(NodeTree::CountSubtreeNodes(nullptr), 0);
    QCOMPARE(NodeTree::CountSubtreeNodes(t.topLevelNode(0)), 5);
    QCOMPARE(NodeTree::CountSubtreeNodes(t.findNodeById(1)), 3);
    QCOMPARE(NodeTree::CountSubtreeNodes(t.findNodeById(5)), 1);
    QCOMPARE(t.nodeCount(), 6);
}

void TestNodeTree::treeOrderWalks() {
    NodeTree t;
    test::buildTree(t, "A #0\n  B #1\n    C #2\n  D #3\nE #4\n  F #5");
    QList<int> forward;
    for (Node* n = t.firstNode(); n; n = NodeTree::nextInTreeOrder(n))
        forward << n->id();
    QCOMPARE(forward, (QList<int>{0, 1, 2, 3, 4, 5}));
    QList<int> backward;
    for (Node* n = t.lastNode(); n; n = NodeTree::previousInTreeOrder(n))
        backward << n->id();
    QCOMPARE(backward, (QList<int>{5, 4, 3, 2, 1, 0}));
    QCOMPARE(t.treeOrderIndex(t.findNodeById(3)), 3);
}

void TestNodeTree::visibleWalksFollowExpansion() {
    NodeTree t;
    test::buildTree(t, "A #0\n  B #1\n    C #2\n  D #3\nE #4");
    // Only A is expanded: the lines are A, B, D, E.
    auto expanded = [](const Node* n) { return n->id() == 0; };
    QList<int> lines;
    for (Node* n = t.firstNode(); n; n = NodeTree::nextVisible(n, expanded))
        lines << n->id();
    QCOMPARE(lines, (QList<int>{0, 1, 3, 4}));
    QCOMPARE(t.previousVisible(t.findNodeById(3), expanded)->id(), 1);
    QCOMPARE(t.previousVisible(t.findNodeById(4), expanded)->id(), 3);
    QCOMPARE(t.previousVisible(t.firstNode(), expanded), nullptr);
}

void TestNodeTree::moveKeepsIdsAndRefusesOwnSubtree() {
    NodeTree t;
    test::buildTree(t, "A #0\n  B #1\n    C #2\n  D #3\nE #4");
    Node* b = t.findNodeById(1);
    QVERIFY(!t.moveNode(b, t.findNodeById(2), -1));
    QVERIFY(!t.moveNode(b, b, -1));
    QVERIFY(t.moveNode(b, nullptr, -1));
    QCOMPARE(test::describeTree(t), QString("A #0\n  D #3\nE #4\nB #1\n  C #2"));
    QVERIFY(t.moveNode(b, nullptr, 0));
    QCOMPARE(test::describeTree(t), QString("B #1\n  C #2\nA #0\n  D #3\nE #4"));
    // Within one parent, a later row counts among the remaining siblings.
    QVERIFY(t.moveNode(b, nullptr, 1));
    QCOMPARE(test::describeTree(t), QString("A #0\n  D #3\nB #1\n  C #2\nE #4"));
    QCOMPARE(t.MaxNodeId(), 4);
    QCOMPARE(t.nodeCount(), 5);
}

void TestNodeTree::sortIsStableAndOnlyDirectChildren() {
    NodeTree t;
    test::buildTree(t, "P #0\n  b #1\n    z #5\n    y #6\n  a #2\n  b #3\n  a #4");
    t.sortChildren(t.firstNode(),
                   [](const Node* x, const Node* y) { return x->caption() < y->caption(); });
    QCOMPARE(test::describeTree(t), QString("P #0\n  a #2\n  a #4\n  b #1\n    z #5\n    y #6\n"
                                            "  b #3"));
    QCOMPARE(t.findNodeById(3)->row(), 3);
}

void TestNodeTree::sortByCaptionUsesLocaleCollation() {
    NodeTree t;
    test::buildTree(t, "P #0\n  b #1\n  B #2\n  a #3\n  _z #4");
    t.sortChildrenByCaption(t.firstNode());
    QStringList order;
    for (Node* c = t.firstNode()->firstChild(); c; c = c->nextSibling())
        order << c->caption();
    // Not by character codes, which would give B, _z, a, b.
    QCOMPARE(order, (QStringList{"_z", "a", "b", "B"}));
}

void TestNodeTree::findNodeContaining_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("expectedId");
    QTest::newRow("lower-case finds Chapters") << "chap" << false << 2;
    QTest::newRow("match case as typed") << "chap" << true << -1;
    QTest::newRow("accented capital compared as typed") << QString::fromUtf8("été") << false << -1;
    QTest::newRow("accented exact") << QString::fromUtf8("Été") << false << 3;
    QTest::newRow("first in tree order") << "o" << false << 0;
}

void TestNodeTree::findNodeContaining() {
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(int, expectedId);
    NodeTree t;
    test::buildTree(t, "Root #0\n  Plan #1\n    Chapters #2\n" + QString::fromUtf8("Été") + " #3");
    Node* n = t.findNodeContaining(text, matchCase);
    QCOMPARE(n ? n->id() : -1, expectedId);
}

void TestNodeTree::deepChainIsDestroyedWithoutRecursion() {
    auto t = std::make_unique<NodeTree>();
    Node* n = t->AddChildNode(nullptr, "0");
    for (int i = 1; i < 200000; ++i)
        n = t->AddChildNode(n, "n");
    QCOMPARE(t->MaxNodeId(), 200000);
    QCOMPARE(NodeTree::CountSubtreeNodes(t->firstNode()), 200000);
    t.reset();
}

QTEST_GUILESS_MAIN(TestNodeTree)
#include "test_node_tree.moc"
