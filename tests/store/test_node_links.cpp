#include "store/drop_rules.h"
#include "store/helpers_browser.h"
#include "store/node_links.h"

#include <QTest>

using namespace quillet;
using test::BrowserFixture;

class TestNodeLinks : public QObject {
    Q_OBJECT

private slots:
    void captionEncoding_data();
    void captionEncoding();
    void idText_data();
    void idText();
    void copyLink();
    void insertLink_data();
    void insertLink();
    void clicks_data();
    void clicks();
    void linkToTheNodeInTheEditorReloadsIt();

    void dropMoves_data();
    void dropMoves();
    void dropZones_data();
    void dropZones();
    void dragScroll_data();
    void dragScroll();
    void dropWritesThePageAndMarksModified();
};

void TestNodeLinks::captionEncoding_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("letters digits space") << "Cast List 2"
                                          << "Cast+List+2";
    QTest::newRow("slash") << "a/b"
                           << "a%2Fb";
    QTest::newRow("punctuation") << "Plan: 100%!"
                                 << "Plan%3A+100%25%21";
    QTest::newRow("plus and dot") << "a+b.c"
                                  << "a%2Bb%2Ec";
    QTest::newRow("code page 1252 letter") << "\u00e9t\u00e9"
                                           << "%E9t%E9";
    QTest::newRow("euro is 0x80 in 1252") << "\u20ac"
                                          << "%80";
    QTest::newRow("outside 1252 as UTF-8 bytes") << "\u4e2d"
                                                 << "%E4%B8%AD";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNodeLinks::captionEncoding() {
    QFETCH(QString, caption);
    QFETCH(QString, encoded);
    QCOMPARE(encodeLinkCaption(caption), encoded);
}

void TestNodeLinks::idText_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("idText");
    QTest::addColumn<int>("id"); // -1: not a usable id
    QTest::newRow("plain") << "file://Cast+List/12"
                           << "12" << 12;
    QTest::newRow("capital scheme") << "FILE://Plan/3"
                                    << "3" << 3;
    QTest::newRow("query") << "file://Plan/3?x=1"
                           << "3" << 3;
    QTest::newRow("encoded slash in caption") << "file://a%2Fb/7"
                                              << "7" << 7;
    QTest::newRow("several slashes") << "file://x/y/z/8"
                                     << "8" << 8;
    QTest::newRow("no path") << "file://Plan"
                             << "" << -1;
    QTest::newRow("not a number") << "file://Plan/abc"
                                  << "abc" << -1;
    QTest::newRow("leading zero names another file") << "file://Plan/07"
                                                     << "07" << -1;
    QTest::newRow("negative id") << "file://Plan/-4"
                                 << "-4" << -4;
    QTest::newRow("too large") << "file://Plan/99999999999"
                               << "99999999999" << -1;
}

void TestNodeLinks::idText() {
    QFETCH(QString, link);
    QFETCH(QString, idText);
    QFETCH(int, id);
    QCOMPARE(linkIdText(link), idText);
    const std::optional<qint32> parsed = linkId(link);
    QCOMPARE(parsed.has_value(), id != -1);
    if (parsed)
        QCOMPARE(*parsed, id);
}

void TestNodeLinks::copyLink() {
    BrowserFixture f(QStringLiteral("Root #0\nCast List #12"));
    f.links.TreeCopyLink();
    QCOMPARE(f.host.clipboard, QString()); // nothing selected
    f.pane.setSelectedNode(f.node(QStringLiteral("Cast List")));
    f.links.TreeCopyLink();
    QCOMPARE(f.host.clipboard, QStringLiteral("file://Cast+List/12"));
}

void TestNodeLinks::insertLink_data() {
    QTest::addColumn<std::optional<ChosenArticle>>("choice");
    QTest::addColumn<bool>("inserted");
    QTest::newRow("confirmed") << std::optional<ChosenArticle>{{"Plan", 1}} << true;
    QTest::newRow("empty caption") << std::optional<ChosenArticle>{{"", 1}} << false;
    QTest::newRow("cancelled") << std::optional<ChosenArticle>{} << false;
}

namespace {
// Remembers what was put in place of the selection.
class ReplacingEditor : public test::FakeEditor {
public:
    QStringList replaced;
    void replaceSelection(const QString& text) override {
        replaced << text;
        modified = true;
    }
};
} // namespace

void TestNodeLinks::insertLink() {
    QFETCH(std::optional<ChosenArticle>, choice);
    QFETCH(bool, inserted);
    NodeTree tree;
    ReplacingEditor editor;
    test::ScriptedPrompts prompts;
    test::RecordingBusy busy;
    DocumentController doc(tree, editor, prompts, busy);
    test::FakePane pane;
    test::FakeHost host;
    PageSwitcher pages(doc, tree, editor, pane, host, prompts);
    LinkController links(doc, tree, editor, pane, host, pages, busy);
    links.InsertLink([&] { return choice; });
    QCOMPARE(editor.replaced,
             inserted ? QStringList{QStringLiteral("file://Plan/1")} : QStringList{});
    QCOMPARE(doc.isModified(), inserted);
}

void TestNodeLinks::clicks_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<qint32>("currentId");
    using O = LinkController::Outcome;
    QTest::newRow("right button") << "file://Plan/1" << false << int(O::Ignored) << 2;
    QTest::newRow("mailto") << "mailto:a@b.c" << true << int(O::OpenedOutside) << 2;
    QTest::newRow("web") << "https://example.org/x" << true << int(O::OpenedOutside) << 2;
    QTest::newRow("no scheme") << "example" << true << int(O::OpenedOutside) << 2;
    QTest::newRow("node link") << "file://Plan/1" << true << int(O::Followed) << 1;
    QTest::newRow("capital scheme") << "FILE://Plan/1" << true << int(O::Followed) << 1;
    QTest::newRow("stale caption") << "file://Old+Name/1" << true << int(O::Followed) << 1;
    QTest::newRow("never visited") << "file://Fresh/3" << true << int(O::NoSuchPage) << 2;
    QTest::newRow("deleted node's page left behind")
        << "file://Gone/9" << true << int(O::NoSuchPage) << 2;
    QTest::newRow("not a number") << "file://Plan/x" << true << int(O::NoSuchPage) << 2;
}

void TestNodeLinks::clicks() {
    QFETCH(QString, link);
    QFETCH(bool, left);
    QFETCH(int, outcome);
    QFETCH(qint32, currentId);
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1\nNotes #2\nFresh #3"));
    f.writePage(1, "plan page");
    f.writePage(9, "page of a deleted node");
    f.click(QStringLiteral("Notes"));
    f.editor.page = "notes page";
    const int captionCalls = f.host.captionCalls;

    QCOMPARE(int(f.links.editorURLClick(link, left)), outcome);
    QCOMPARE(f.doc.currentId(), currentId);
    const auto o = LinkController::Outcome(outcome);
    QCOMPARE(f.host.openedUrls,
             o == LinkController::Outcome::OpenedOutside ? QStringList{link} : QStringList{});
    if (o == LinkController::Outcome::Followed || o == LinkController::Outcome::NoSuchPage)
        QCOMPARE(f.pageBytes(2), QByteArray("notes page"));
    if (o == LinkController::Outcome::Followed) {
        QCOMPARE(f.pane.selected, f.node(QStringLiteral("Plan")));
        QCOMPARE(f.editor.page, QByteArray("plan page"));
        QCOMPARE(f.busy.states, (QList<bool>{true, false}));
        QCOMPARE(f.host.captionCalls, captionCalls); // the jump keeps the caption
    } else {
        QCOMPARE(f.pane.selected, f.node(QStringLiteral("Notes")));
        QCOMPARE(f.editor.page, QByteArray("notes page"));
    }
}

void TestNodeLinks::linkToTheNodeInTheEditorReloadsIt() {
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    f.click(QStringLiteral("Plan"));
    f.editor.page = "edited";
    f.editor.calls.clear();
    QCOMPARE(f.links.editorURLClick(QStringLiteral("file://Plan/1"), true),
             LinkController::Outcome::Followed);
    QCOMPARE(f.editor.calls, (QStringList{"save 1.rtf", "clear", "load 1.rtf"}));
    QCOMPARE(f.editor.page, QByteArray("edited"));
}

void TestNodeLinks::dropMoves_data() {
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected"); // empty: no move
    const QString none;
    QTest::newRow("on a node: last child") << "A" << int(DropZone::OnNode) << "C"
                                           << "B #2\n  B1 #3\nC #4\n  A #1";
    QTest::newRow("below the last: last top level") << "B1" << int(DropZone::BelowLastNode) << ""
                                                    << "A #1\nB #2\nC #4\nB1 #3";
    QTest::newRow("indentation: before a later sibling") << "A" << int(DropZone::Indentation) << "C"
                                                         << "B #2\n  B1 #3\nA #1\nC #4";
    QTest::newRow("indentation: before an earlier sibling")
        << "C" << int(DropZone::Indentation) << "A"
        << "C #4\nA #1\nB #2\n  B1 #3";
    QTest::newRow("indentation: before a child elsewhere")
        << "C" << int(DropZone::Indentation) << "B1"
        << "A #1\nB #2\n  C #4\n  B1 #3";
    QTest::newRow("onto itself") << "B" << int(DropZone::OnNode) << "B" << none;
    QTest::newRow("onto its own child") << "B" << int(DropZone::OnNode) << "B1" << none;
    QTest::newRow("before its own child") << "B" << int(DropZone::Indentation) << "B1" << none;
    QTest::newRow("nowhere") << "A" << int(DropZone::Nowhere) << "C" << none;
}

void TestNodeLinks::dropMoves() {
    QFETCH(QString, dragged);
    QFETCH(int, zone);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    const QString start = QStringLiteral("A #1\nB #2\n  B1 #3\nC #4");
    BrowserFixture f(start);
    f.pane.setSelectedNode(f.node(dragged));
    const bool moved =
        f.commands.dropSelectedNode(DropZone(zone), target.isEmpty() ? nullptr : f.node(target));
    QCOMPARE(moved, !expected.isEmpty());
    QCOMPARE(f.description(), expected.isEmpty() ? start : expected);
    if (moved && f.node(dragged)->parent())
        QVERIFY(f.pane.isExpanded(f.node(dragged)->parent()));
}

void TestNodeLinks::dropZones_data() {
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("hasNode");
    QTest::addColumn<bool>("withButton");
    QTest::addColumn<bool>("below");
    QTest::addColumn<int>("zone");
    // A line 20 px high at y 40, indented to x 70, button at 40..51, label 70..130.
    QTest::newRow("label") << QPoint(100, 50) << true << true << false << int(DropZone::OnNode);
    QTest::newRow("icon edge") << QPoint(70, 41) << true << true << false << int(DropZone::OnNode);
    QTest::newRow("button") << QPoint(45, 50) << true << true << false << int(DropZone::Nowhere);
    QTest::newRow("where a button would be")
        << QPoint(45, 50) << true << false << false << int(DropZone::Indentation);
    QTest::newRow("indentation") << QPoint(10, 50) << true << true << false
                                 << int(DropZone::Indentation);
    QTest::newRow("right of the label")
        << QPoint(150, 50) << true << true << false << int(DropZone::Nowhere);
    QTest::newRow("below the last line")
        << QPoint(100, 300) << false << false << true << int(DropZone::BelowLastNode);
    QTest::newRow("outside") << QPoint(-5, 50) << false << false << false << int(DropZone::Nowhere);
}

void TestNodeLinks::dropZones() {
    QFETCH(QPoint, pos);
    QFETCH(bool, hasNode);
    QFETCH(bool, withButton);
    QFETCH(bool, below);
    QFETCH(int, zone);
    DropLine line;
    line.hasNode = hasNode;
    if (hasNode) {
        line.row = QRect(0, 40, 200, 20);
        line.label = QRect(70, 40, 60, 20);
        if (withButton)
            line.button = QRect(40, 44, 12, 12);
    }
    line.belowLastNode = below;
    QCOMPARE(int(classifyDrop(pos, line)), zone);
}

void TestNodeLinks::dragScroll_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("step");
    QTest::newRow("top edge") << 0 << -1;
    QTest::newRow("19 px from the top") << 19 << -1;
    QTest::newRow("20 px from the top") << 20 << 0;
    QTest::newRow("middle") << 100 << 0;
    QTest::newRow("20 px from the bottom") << 180 << 1;
    QTest::newRow("21 px from the bottom") << 179 << 0;
    QTest::newRow("bottom edge") << 199 << 1;
}

void TestNodeLinks::dragScroll() {
    QFETCH(int, y);
    QFETCH(int, step);
    QCOMPARE(dragScrollStep(y, 200), step);
}

void TestNodeLinks::dropWritesThePageAndMarksModified() {
    BrowserFixture f(QStringLiteral("Root #0\nA #1\nB #2"));
    f.click(QStringLiteral("A"));
    f.doc.setModified(false);
    f.editor.page = "page of A";
    QVERIFY(f.commands.dropSelectedNode(DropZone::OnNode, f.node(QStringLiteral("B"))));
    QCOMPARE(f.pageBytes(1), QByteArray("page of A"));
    QVERIFY(f.doc.isModified());
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("A")));
}

QTEST_GUILESS_MAIN(TestNodeLinks)
#include "test_node_links.moc"
