#include "ui/helpers_browser_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

using namespace quillet;
using test::BrowserWindow;

namespace {

const char* const kTree = "Root #0\n"
                          "  Plan #1\n"
                          "  Chapters #2\n"
                          "    One #3\n"
                          "    Two #4\n"
                          "  Notes #5\n"
                          "Extra #6";

QString lines(const QStringList& l) {
    return l.join(QLatin1Char('\n'));
}

void sendDrop(QWidget* viewport, const QPoint& pos) {
    QMimeData mime;
    mime.setData(TreeBrowserView::dragMimeType(), "1");
    QDragEnterEvent enter(pos, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(pos, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
}

void sendDragMove(QWidget* viewport, const QPoint& pos) {
    QMimeData mime;
    mime.setData(TreeBrowserView::dragMimeType(), "1");
    QDragEnterEvent enter(pos, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

void sendWheel(QWidget* viewport, int delta, Qt::KeyboardModifiers mods) {
    const QPoint pos(50, 30);
    QWheelEvent e(pos, viewport->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &e);
}

} // namespace

class TestTreeBrowser : public QObject {
    Q_OBJECT

private slots:
    void dropZones_data();
    void dropZones();
    void dropOntoOwnDescendantDoesNotMove();
    void dragAutoScrollsWithin20Pixels();
    void keys_data();
    void keys();
    void deleteKeyAsksAndDeletes();
    void rightClickSelectsAndSwitches();
    void wheel_data();
    void wheel();
    void wheelWithoutFocusScrollsOnly();
};

void TestTreeBrowser::dropZones_data() {
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("where"); // label, indent, button, right, below
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    const QString unchanged = QString::fromLatin1(kTree);
    QTest::newRow("label: last child")
        << "Extra"
        << "label"
        << "Plan"
        << lines({"Root #0", "  Plan #1", "    Extra #6", "  Chapters #2", "    One #3",
                  "    Two #4", "  Notes #5"});
    QTest::newRow("indentation: before that node")
        << "Extra"
        << "indent"
        << "Notes"
        << lines({"Root #0", "  Plan #1", "  Chapters #2", "    One #3", "    Two #4", "  Extra #6",
                  "  Notes #5"});
    QTest::newRow("below the last line: last top level")
        << "Plan"
        << "below"
        << ""
        << lines({"Root #0", "  Chapters #2", "    One #3", "    Two #4", "  Notes #5", "Extra #6",
                  "Plan #1"});
    QTest::newRow("expand button: no move") << "Extra"
                                            << "button"
                                            << "Chapters" << unchanged;
    QTest::newRow("right of the label: no move") << "Extra"
                                                 << "right"
                                                 << "Plan" << unchanged;
}

void TestTreeBrowser::dropZones() {
    QFETCH(QString, dragged);
    QFETCH(QString, where);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    BrowserWindow w(QString::fromLatin1(kTree));
    w.view->setExpanded(w.node(QStringLiteral("Root")), true);
    w.click(dragged);
    QCOMPARE(w.view->selectedNode(), w.node(dragged));
    w.editor->setPlainText(QStringLiteral("text of ") + dragged);
    const qint32 draggedId = w.node(dragged)->id();

    QPoint pos;
    if (where == QLatin1String("below")) {
        pos = QPoint(60, w.view->viewport()->height() - 5);
    } else {
        const QRect item = w.view->visualRect(w.view->indexOfNode(w.node(target)));
        const DropLine line = w.view->dropLineAt(item.center());
        if (where == QLatin1String("label"))
            pos = w.labelPoint(target);
        else if (where == QLatin1String("indent"))
            pos = QPoint(5, item.center().y());
        else if (where == QLatin1String("button"))
            pos = line.button.center();
        else
            pos = QPoint(w.view->viewport()->width() - 3, item.center().y());
    }
    sendDrop(w.view->viewport(), pos);

    QCOMPARE(w.description(), expected);
    QCOMPARE(w.view->selectedNode(), w.node(dragged));
    if (expected != QString::fromLatin1(kTree)) {
        QVERIFY(w.doc.isModified());
        QVERIFY(QFileInfo::exists(w.doc.pagePath(draggedId))); // the page was written
        if (Node* parent = w.node(dragged)->parent())
            QVERIFY(w.view->isExpanded(parent));
    }
}

void TestTreeBrowser::dropOntoOwnDescendantDoesNotMove() {
    BrowserWindow w(QString::fromLatin1(kTree));
    w.view->setExpandedRecursively(w.node(QStringLiteral("Root")), true);
    w.click(QStringLiteral("Chapters"));
    sendDrop(w.view->viewport(), w.labelPoint(QStringLiteral("One")));
    sendDrop(w.view->viewport(), w.labelPoint(QStringLiteral("Chapters")));
    QCOMPARE(w.description(), QString::fromLatin1(kTree));
}

void TestTreeBrowser::dragAutoScrollsWithin20Pixels() {
    BrowserWindow w(QStringLiteral("Root #0"));
    for (int i = 1; i <= 60; ++i)
        w.tree.AddChildNode(nullptr, QStringLiteral("Node %1").arg(i));
    QScrollBar* bar = w.view->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 5);
    const int height = w.view->viewport()->height();

    sendDragMove(w.view->viewport(), QPoint(50, height - 21));
    QCOMPARE(bar->value(), 0);
    sendDragMove(w.view->viewport(), QPoint(50, height - 20));
    QCOMPARE(bar->value(), 1);
    sendDragMove(w.view->viewport(), QPoint(50, height - 2));
    QCOMPARE(bar->value(), 2);
    sendDragMove(w.view->viewport(), QPoint(50, 100));
    QCOMPARE(bar->value(), 2);
    sendDragMove(w.view->viewport(), QPoint(50, 19));
    QCOMPARE(bar->value(), 1);
    sendDragMove(w.view->viewport(), QPoint(50, 20));
    QCOMPARE(bar->value(), 1);
}

void TestTreeBrowser::keys_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("expanded");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("selected"); // empty: no selection
    QTest::addColumn<QStringList>("expandedAfter");
    QTest::addColumn<QString>("tree"); // empty: unchanged

    const QStringList root{"Root"};
    const int none = Qt::NoModifier;
    QTest::newRow("up opens a collapsed branch") << "Notes" << root << int(Qt::Key_Up) << none
                                                 << "Two" << QStringList{"Root", "Chapters"} << "";
    QTest::newRow("alt+up: previous visible")
        << "Notes" << root << int(Qt::Key_Up) << int(Qt::AltModifier) << "Chapters" << root << "";
    QTest::newRow("down") << "Chapters" << root << int(Qt::Key_Down) << none << "One"
                          << QStringList{"Root", "Chapters"} << "";
    QTest::newRow("alt+down: next visible")
        << "Chapters" << root << int(Qt::Key_Down) << int(Qt::AltModifier) << "Notes" << root << "";
    QTest::newRow("down past the end: no selection")
        << "Extra" << root << int(Qt::Key_Down) << none << "" << root << "";
    QTest::newRow("ctrl+up moves")
        << "Notes" << root << int(Qt::Key_Up) << int(Qt::ControlModifier) << "Notes" << root
        << lines({"Root #0", "  Plan #1", "  Notes #5", "  Chapters #2", "    One #3", "    Two #4",
                  "Extra #6"});
    QTest::newRow("ctrl+down moves")
        << "Plan" << root << int(Qt::Key_Down) << int(Qt::ControlModifier) << "Plan" << root
        << lines({"Root #0", "  Chapters #2", "    One #3", "    Two #4", "  Notes #5", "  Plan #1",
                  "Extra #6"});
    QTest::newRow("right expands one level") << "Chapters" << root << int(Qt::Key_Right) << none
                                             << "Chapters" << QStringList{"Root", "Chapters"} << "";
    QTest::newRow("left collapses the whole branch")
        << "Root" << QStringList{"Root", "Chapters"} << int(Qt::Key_Left) << none << "Root"
        << QStringList{} << "";
    QTest::newRow("keypad * expands everything below the top line")
        << "Extra" << QStringList{} << int(Qt::Key_Asterisk) << int(Qt::KeypadModifier) << "Extra"
        << QStringList{"Root", "Chapters"} << "";
    QTest::newRow("keypad - collapses it again")
        << "Extra" << QStringList{"Root", "Chapters"} << int(Qt::Key_Minus)
        << int(Qt::KeypadModifier) << "Extra" << QStringList{} << "";
    QTest::newRow("a letter does nothing")
        << "Extra" << root << int(Qt::Key_P) << none << "Extra" << root << "";
    QTest::newRow("plain minus is not the keypad's")
        << "Extra" << root << int(Qt::Key_Minus) << none << "Extra" << root << "";
}

void TestTreeBrowser::keys() {
    QFETCH(QString, from);
    QFETCH(QStringList, expanded);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, selected);
    QFETCH(QStringList, expandedAfter);
    QFETCH(QString, tree);
    BrowserWindow w(QString::fromLatin1(kTree));
    for (const QString& c : expanded)
        w.view->setExpanded(w.node(c), true);
    w.click(from);
    const qint32 before = w.doc.currentId();

    QTest::keyClick(w.view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    if (selected.isEmpty()) {
        QCOMPARE(w.view->selectedNode(), nullptr);
        QCOMPARE(w.doc.currentId(), before);
    } else {
        QCOMPARE(w.view->selectedNode(), w.node(selected));
        QCOMPARE(w.doc.currentId(), w.node(selected)->id());
    }
    QStringList open;
    for (const QString& c : QStringList{"Root", "Chapters"}) {
        if (w.view->isExpanded(w.node(c)))
            open << c;
    }
    QCOMPARE(open, expandedAfter);
    QCOMPARE(w.description(), tree.isEmpty() ? QString::fromLatin1(kTree) : tree);
}

void TestTreeBrowser::deleteKeyAsksAndDeletes() {
    BrowserWindow w(QString::fromLatin1(kTree));
    w.click(QStringLiteral("Extra"));
    w.prompts.setNextConfirm(true);
    QTest::keyClick(w.view, Qt::Key_Delete);
    QCOMPARE(w.prompts.log,
             QStringList{QStringLiteral("okcancel: Are you sure you wish to delete this node?")});
    QVERIFY(!w.tree.containsId(6));
    QCOMPARE(w.view->selectedNode(), w.node(QStringLiteral("Notes")));
}

void TestTreeBrowser::rightClickSelectsAndSwitches() {
    BrowserWindow w(QString::fromLatin1(kTree));
    w.click(QStringLiteral("Extra"), Qt::RightButton);
    QCOMPARE(w.view->selectedNode(), w.node(QStringLiteral("Extra")));
    QCOMPARE(w.doc.currentId(), 6);
    QCOMPARE(w.host.caption, QStringLiteral(" - (Extra) - Quillet"));
}

void TestTreeBrowser::wheel_data() {
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("tree");
    QTest::newRow("down: next in tree order, into a closed branch")
        << -120 << int(Qt::NoModifier) << "One"
        << "";
    QTest::newRow("up: previous") << 120 << int(Qt::NoModifier) << "Plan"
                                  << "";
    QTest::newRow("alt+down: next visible") << -120 << int(Qt::AltModifier) << "Notes"
                                            << "";
    QTest::newRow("ctrl+up moves the node")
        << 120 << int(Qt::ControlModifier) << "Chapters"
        << lines({"Root #0", "  Chapters #2", "    One #3", "    Two #4", "  Plan #1", "  Notes #5",
                  "Extra #6"});
}

void TestTreeBrowser::wheel() {
    QFETCH(int, delta);
    QFETCH(int, modifiers);
    QFETCH(QString, selected);
    QFETCH(QString, tree);
    BrowserWindow w(QString::fromLatin1(kTree));
    w.view->setExpanded(w.node(QStringLiteral("Root")), true);
    w.click(QStringLiteral("Chapters"));
    w.view->setFocus();
    QApplication::setActiveWindow(&w.window);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTRY_VERIFY(w.view->hasFocus());
    sendWheel(w.view->viewport(), delta, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.view->selectedNode(), w.node(selected));
    QCOMPARE(w.doc.currentId(), w.node(selected)->id());
    QCOMPARE(w.description(), tree.isEmpty() ? QString::fromLatin1(kTree) : tree);
}

void TestTreeBrowser::wheelWithoutFocusScrollsOnly() {
    BrowserWindow w(QString::fromLatin1(kTree));
    w.click(QStringLiteral("Root"));
    w.editor->setFocus();
    QApplication::setActiveWindow(&w.window);
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTRY_VERIFY(w.editor->hasFocus());
    sendWheel(w.view->viewport(), -120, Qt::NoModifier);
    QCOMPARE(w.view->selectedNode(), w.node(QStringLiteral("Root")));
}

QTEST_MAIN(TestTreeBrowser)
#include "test_tree_browser.moc"
