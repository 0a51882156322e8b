#include "props/select_dialog.h"
#include "store/node_tree.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace quillet;

namespace {

void buildTree(NodeTree& tree) {
    Node* root = tree.AddChildNode(nullptr, QStringLiteral("Root"));
    Node* plan = tree.AddChildNode(root, QStringLiteral("Plan"));
    tree.setImageIndex(plan, 24);
    tree.AddChildNode(root, QStringLiteral("Cast"));
    tree.AddChildNode(nullptr, QStringLiteral("Extra"));
}

// Runs `act` once the dialog is showing.
void whenShown(TfrmSelect& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        QTRY_VERIFY(dialog.isVisible());
        act();
    });
}

QTreeWidgetItem* item(TfrmSelect& d, const QString& caption) {
    const QList<QTreeWidgetItem*> found =
        d.tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void press(TfrmSelect& d, const char* name) {
    d.findChild<QPushButton*>(QLatin1String(name))->click();
}

} // namespace

class TestSelectDialog : public QObject {
    Q_OBJECT

private slots:
    void copiesTheTree();
    void selectAtOnceGivesEmptyCaption();
    void pickedNodeCarriesOverToTheNextShowing();
    void cancelClearsTheChoice();
    void closeBoxKeepsTheChoice();
    void pickArticleForLinks();
};

void TestSelectDialog::copiesTheTree() {
    NodeTree tree;
    buildTree(tree);
    TfrmSelect d(tree);
    QCOMPARE(d.windowTitle(), QStringLiteral("Select Article"));
    QCOMPARE(d.tree()->topLevelItemCount(), 2);
    QCOMPARE(d.tree()->topLevelItem(0)->childCount(), 2);
    QCOMPARE(d.tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Plan"));
    QVERIFY(!d.tree()->topLevelItem(0)->child(0)->icon(0).isNull());
    // A copy: later changes of the document's tree do not reach it.
    tree.setCaption(tree.firstNode(), QStringLiteral("Changed"));
    QCOMPARE(d.tree()->topLevelItem(0)->text(0), QStringLiteral("Root"));
}

void TestSelectDialog::selectAtOnceGivesEmptyCaption() {
    NodeTree tree;
    buildTree(tree);
    TfrmSelect d(tree);
    whenShown(d, [&] { press(d, "btnSelect"); });
    QVERIFY(d.showModal());
    QCOMPARE(d.choiceCaption(), QString());
    QVERIFY(!d.choice().isUsable(true));
}

void TestSelectDialog::pickedNodeCarriesOverToTheNextShowing() {
    NodeTree tree;
    buildTree(tree);
    TfrmSelect d(tree);
    whenShown(d, [&] {
        d.tree()->setCurrentItem(item(d, QStringLiteral("Cast")));
        press(d, "btnSelect");
    });
    QVERIFY(d.showModal());
    QCOMPARE(d.choiceCaption(), QStringLiteral("Cast"));
    QCOMPARE(d.choiceId(), 3);

    whenShown(d, [&] { press(d, "btnSelect"); });
    QVERIFY(d.showModal());
    QCOMPARE(d.choiceCaption(), QStringLiteral("Cast"));
    QCOMPARE(d.choiceId(), 3);
}

void TestSelectDialog::cancelClearsTheChoice() {
    NodeTree tree;
    buildTree(tree);
    TfrmSelect d(tree);
    whenShown(d, [&] {
        d.tree()->setCurrentItem(item(d, QStringLiteral("Plan")));
        press(d, "btnCancel");
    });
    QVERIFY(!d.showModal());
    QCOMPARE(d.choiceId(), -1);
    QCOMPARE(d.choiceCaption(), QString());

    whenShown(d, [&] { press(d, "btnSelect"); });
    QVERIFY(d.showModal());
    QCOMPARE(d.choiceCaption(), QString());
}

void TestSelectDialog::closeBoxKeepsTheChoice() {
    NodeTree tree;
    buildTree(tree);
    TfrmSelect d(tree);
    whenShown(d, [&] {
        d.tree()->setCurrentItem(item(d, QStringLiteral("Extra")));
        d.close();
    });
    QVERIFY(!d.showModal());
    QCOMPARE(d.choiceCaption(), QStringLiteral("Extra"));
    QCOMPARE(d.choiceId(), 4);
}

void TestSelectDialog::pickArticleForLinks() {
    NodeTree tree;
    buildTree(tree);
    QTimer::singleShot(0, [] {
        TfrmSelect* d = nullptr;
        QTRY_VERIFY((d = qobject_cast<TfrmSelect*>(QApplication::activeModalWidget())));
        QTreeWidgetItem* plan =
            d->tree()->findItems(QStringLiteral("Plan"), Qt::MatchRecursive).first();
        d->tree()->setCurrentItem(plan);
        d->findChild<QPushButton*>(QStringLiteral("btnSelect"))->click();
    });
    const std::optional<ChosenArticle> chosen = TfrmSelect::pickArticle(tree, nullptr);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->caption, QStringLiteral("Plan"));
    QCOMPARE(chosen->id, 2);
}

QTEST_MAIN(TestSelectDialog)
#include "test_select_dialog.moc"
