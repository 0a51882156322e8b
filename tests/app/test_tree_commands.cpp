// The tree commands, the page switch and node links run from the real window.

#include "app/status_bar_widget.h"
#include "app/wire_tree.h"
#include "helpers_window.h"
#include "store/document_controller.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "ui/choose_icon_dialog.h"
#include "ui/find_node_dialog.h"
#include "ui/tree_browser_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace quillet;
using test::WindowFixture;

namespace {

TreeBrowserView* pane(WindowFixture& f) {
    return qobject_cast<TreeBrowserView*>(f.window->treeView());
}

Node* node(WindowFixture& f, const QString& caption) {
    for (Node* n = f.window->nodeTree().firstNode(); n; n = NodeTree::nextInTreeOrder(n))
        if (n->caption() == caption)
            return n;
    return nullptr;
}

void clickNode(WindowFixture& f, const QString& caption) {
    TreeBrowserView* view = pane(f);
    const QRect r = view->visualRect(view->indexOfNode(node(f, caption)));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 30, r.center().y()));
}

void addNode(WindowFixture& f, const QString& caption) {
    f.prompts.setNextText(caption);
    f.window->action(QStringLiteral("TreeAddNode"))->trigger();
}

} // namespace

class TestTreeCommandsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theTreePaneIsTheBrowser();
    void addAndSwitchPages();
    void statusBarArrowsMoveTheNode();
    void copyLinkAndFollowIt();
    void changeIconThroughTheChooser();
    void findNodeSelectsTheMatch();
    void deleteAsksFirst();
    void wheelFollowsTheFocus();
};

void TestTreeCommandsWindow::theTreePaneIsTheBrowser() {
    WindowFixture f;
    QVERIFY(pane(f));
    QCOMPARE(pane(f)->objectName(), QStringLiteral("tvBrowser"));
    QVERIFY(pageSwitcher(*f.window));
    QVERIFY(treeController(*f.window));
    QVERIFY(linkController(*f.window));
    // Other commands select nodes by id through the same page switch.
    f.prompts.setNextText(QStringLiteral("Target"));
    f.window->action(QStringLiteral("TreeAddNode"))->trigger();
    pageSwitcher(*f.window)->SelectNodeById(1);
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Target")));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" - (Target) - Quillet"));
    QVERIFY(!pane(f)->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
}

void TestTreeCommandsWindow::addAndSwitchPages() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    f.window->editor()->textCursor().insertText(QStringLiteral("root text"));
    addNode(f, QStringLiteral("Plan"));
    QVERIFY(node(f, QStringLiteral("Plan")));
    QCOMPARE(node(f, QStringLiteral("Plan"))->id(), 1);
    QVERIFY(f.window->isModified());

    pane(f)->setExpanded(node(f, QStringLiteral("Root")), true);
    clickNode(f, QStringLiteral("Plan"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" - (Plan) - Quillet"));
    QCOMPARE(f.window->document().currentId(), 1);
    QCOMPARE(f.window->editor()->toPlainText(), QString());
    clickNode(f, QStringLiteral("Root"));
    QCOMPARE(f.window->editor()->toPlainText(), QStringLiteral("root text"));
    QVERIFY(f.window->quilletStatusBar()->modifiedPanel()->isEnabled());
}

void TestTreeCommandsWindow::statusBarArrowsMoveTheNode() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    f.window->selectNode(nullptr);
    addNode(f, QStringLiteral("Second"));
    addNode(f, QStringLiteral("Third"));
    clickNode(f, QStringLiteral("Third"));
    QTest::mouseClick(f.window->quilletStatusBar()->upPanel(), Qt::LeftButton);
    QCOMPARE(f.window->nodeTree().topLevelNode(1)->caption(), QStringLiteral("Third"));
    QTest::mouseClick(f.window->quilletStatusBar()->downPanel(), Qt::LeftButton);
    QCOMPARE(f.window->nodeTree().topLevelNode(2)->caption(), QStringLiteral("Third"));
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Third")));
}

void TestTreeCommandsWindow::copyLinkAndFollowIt() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    f.window->selectNode(nullptr);
    addNode(f, QStringLiteral("Cast List"));
    clickNode(f, QStringLiteral("Cast List"));
    f.window->editor()->textCursor().insertText(QStringLiteral("the cast"));
    f.window->action(QStringLiteral("TreeCopyLink"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("file://Cast+List/1"));

    clickNode(f, QStringLiteral("Root"));
    emit f.window->editor()->urlClicked(QStringLiteral("file://Cast+List/1"));
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Cast List")));
    QCOMPARE(f.window->document().currentId(), 1);
    QCOMPARE(f.window->editor()->toPlainText(), QStringLiteral("the cast"));
}

void TestTreeCommandsWindow::changeIconThroughTheChooser() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    QTimer::singleShot(0, [] {
        TfrmChooseIcon* d = nullptr;
        QTRY_VERIFY((d = qobject_cast<TfrmChooseIcon*>(QApplication::activeModalWidget())));
        d->list()->setCurrentRow(137);
        d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    f.window->action(QStringLiteral("TreeChangeIcon"))->trigger();
    QCOMPARE(node(f, QStringLiteral("Root"))->imageIndex(), 137);
    QCOMPARE(node(f, QStringLiteral("Root"))->selectedIndex(), 137);
    QVERIFY(f.window->isModified());
}

void TestTreeCommandsWindow::findNodeSelectsTheMatch() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    addNode(f, QStringLiteral("Chapters"));
    f.window->action(QStringLiteral("TreeFindNode"))->trigger();
    auto* dialog = f.window->findChild<FindNodeDialog*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    dialog->textBox()->setText(QStringLiteral("chap"));
    dialog->findButton()->click();
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Chapters")));
    QCOMPARE(f.window->document().currentId(), 1);
    QVERIFY(pane(f)->isExpanded(node(f, QStringLiteral("Root"))));
    QTRY_VERIFY(!f.window->findChild<FindNodeDialog*>());
}

void TestTreeCommandsWindow::deleteAsksFirst() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    f.window->selectNode(nullptr);
    addNode(f, QStringLiteral("Doomed"));
    clickNode(f, QStringLiteral("Doomed"));
    f.prompts.setNextConfirm(true);
    f.window->action(QStringLiteral("TreeDeleteNode"))->trigger();
    QCOMPARE(f.prompts.log.last(),
             QStringLiteral("okcancel: Are you sure you wish to delete this node?"));
    QVERIFY(!node(f, QStringLiteral("Doomed")));
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Root")));
}

void TestTreeCommandsWindow::wheelFollowsTheFocus() {
    WindowFixture f;
    clickNode(f, QStringLiteral("Root"));
    addNode(f, QStringLiteral("Child"));
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QStringLiteral("line %1").arg(i);
    f.window->editor()->setPlainText(many.join(QLatin1Char('\n')));
    f.window->editor()->moveCursor(QTextCursor::Start);
    QApplication::setActiveWindow(f.window.get());
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.window->editor()->setFocus();
    QTRY_VERIFY(f.window->editor()->hasFocus());

    auto turn = [&](int delta) {
        QWidget* vp = pane(f)->viewport();
        const QPoint pos(40, 10);
        QWheelEvent e(pos, vp->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(vp, &e);
    };
    turn(-120);
    // With the editor active, the wheel over the tree scrolls the editor.
    QVERIFY(f.window->editor()->verticalScrollBar()->value() > 0);
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Root")));

    pane(f)->setFocus();
    QTRY_VERIFY(pane(f)->hasFocus());
    turn(-120);
    QCOMPARE(f.window->selectedNode(), node(f, QStringLiteral("Child")));
    QCOMPARE(f.window->document().currentId(), 1);
    turn(-120); // past the last node: nothing selected, the page stays
    QCOMPARE(f.window->selectedNode(), nullptr);
    QCOMPARE(f.window->document().currentId(), 1);
}

QTEST_MAIN(TestTreeCommandsWindow)
#include "test_tree_commands.moc"
