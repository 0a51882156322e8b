#include "store/node_tree.h"
#include "store/tree_stream.h"
#include "ui/node_tree_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace quillet;

class TestNodeTreeModel : public QObject {
    Q_OBJECT

private slots:
    void showsTheTree();
    void followsEveryChange();
    void readingAStreamResetsTheView();
};

namespace {

Node* add(NodeTree& t, Node* parent, const QString& caption, int icon = 0) {
    Node* n = t.AddChildNode(parent, caption);
    t.setImageIndex(n, icon);
    t.setSelectedIndex(n, icon);
    return n;
}

} // namespace

void TestNodeTreeModel::showsTheTree() {
    NodeTree tree;
    Node* root = add(tree, nullptr, "Root");
    Node* plan = add(tree, root, "Plan", 5);
    NodeTreeModel model(tree);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model.rowCount(), 1);
    const QModelIndex rootIndex = model.index(0, 0);
    QCOMPARE(rootIndex.data().toString(), QString("Root"));
    QCOMPARE(model.rowCount(rootIndex), 1);
    const QModelIndex planIndex = model.index(0, 0, rootIndex);
    QCOMPARE(planIndex.data(NodeTreeModel::IdRole).toInt(), 2);
    QCOMPARE(planIndex.data(NodeTreeModel::ImageIndexRole).toInt(), 5);
    QCOMPARE(model.parent(planIndex), rootIndex);
    QCOMPARE(model.nodeFromIndex(planIndex), plan);
    QCOMPARE(model.indexFromNode(plan), planIndex);

    model.setIconProvider([](int i) {
        QPixmap p(4, 4);
        p.fill(i == 5 ? Qt::red : Qt::blue);
        return QIcon(p);
    });
    QVERIFY(!planIndex.data(Qt::DecorationRole).value<QIcon>().isNull());
}

void TestNodeTreeModel::followsEveryChange() {
    NodeTree tree;
    Node* root = add(tree, nullptr, "Root");
    NodeTreeModel model(tree);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    Node* c = add(tree, root, "c");
    Node* a = add(tree, root, "a");
    Node* b = add(tree, a, "b");
    QPersistentModelIndex keepB(model.indexFromNode(b));
    QPersistentModelIndex keepC(model.indexFromNode(c));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    tree.setCaption(c, "see");
    QCOMPARE(changed.size(), 1);
    QCOMPARE(keepC.data().toString(), QString("see"));

    tree.sortChildren(root,
                      [](const Node* x, const Node* y) { return x->caption() < y->caption(); });
    QCOMPARE(keepC.row(), 1);
    QCOMPARE(model.index(0, 0, model.indexFromNode(root)).data().toString(), QString("a"));

    QVERIFY(tree.moveNode(b, nullptr, -1)); // to the end of the top level
    QCOMPARE(keepB.parent(), QModelIndex());
    QCOMPARE(keepB.row(), 1);
    QVERIFY(tree.moveNode(b, nullptr, 0)); // and to the front
    QCOMPARE(keepB.row(), 0);
    QVERIFY(tree.moveNode(c, root, 0));
    QCOMPARE(keepC.row(), 0);

    tree.removeNode(root);
    QVERIFY(!keepC.isValid());
    QCOMPARE(model.rowCount(), 1);
    tree.clear();
    QCOMPARE(model.rowCount(), 0);
}

void TestNodeTreeModel::readingAStreamResetsTheView() {
    NodeTree source;
    Node* r = add(source, nullptr, "Root");
    for (int i = 0; i < 50; ++i)
        add(source, r, QString::number(i));
    NodeTree tree;
    add(tree, nullptr, "Old");
    NodeTreeModel model(tree);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QString error;
    QVERIFY(readTreeStreamData(tree, treeStreamBytes(source), &error));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(inserted.size(), 0);
    QCOMPARE(model.rowCount(model.index(0, 0)), 50);
}

QTEST_MAIN(TestNodeTreeModel)
#include "test_node_tree_model.moc"
