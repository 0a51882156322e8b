#include "store/helpers_browser.h"

#include <QDir>
#include <QTest>

using namespace quillet;
using test::BrowserFixture;

class TestPageSwitch : public QObject {
    Q_OBJECT

private slots:
    void leavingANodeWritesItsPageAndLoadsTheNext();
    void sameNodeOnlyRefreshes();
    void neverVisitedNodeStartsInNormal();
    void afterOpenTheFirstSwitchOnlyLoads();
    void pageColour_data();
    void pageColour();
    void caption_data();
    void caption();
    void editorChangeNeverClearsTheFlag();
    void selectNodeByIdPicksFirstOccurrence();
    void selectNodeByIdUnknownDoesNothing();
    void writeFailureIsReportedAndKeepsGoing();
    void unreadablePageIsNotOverwritten();
};

void TestPageSwitch::leavingANodeWritesItsPageAndLoadsTheNext() {
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    f.writePage(1, "plan page");
    f.editor.page = "root page";
    f.editor.modified = true;
    f.click(QStringLiteral("Plan"));

    QCOMPARE(f.pageBytes(0), QByteArray("root page"));
    QCOMPARE(f.editor.page, QByteArray("plan page"));
    QCOMPARE(f.doc.currentId(), 1);
    QVERIFY(!f.editor.modified); // loading is not an edit
    QVERIFY(f.doc.isModified()); // writing the old page is
    QVERIFY(f.host.modifiedIndicator);
    QCOMPARE(f.pane.enabledChanges, (QList<bool>{false, true}));
    QVERIFY(!f.host.propertiesPanel);
    QCOMPARE(f.host.normalStyleCalls, 0);
}

void TestPageSwitch::sameNodeOnlyRefreshes() {
    BrowserFixture f(QStringLiteral("Root #0"));
    f.editor.page = "typed";
    f.click(QStringLiteral("Root")); // bound to Root since start-up
    QCOMPARE(f.editor.calls, QStringList{});
    QCOMPARE(f.host.captionCalls, 0);
    QCOMPARE(f.host.commandStateCalls, 1);
    QCOMPARE(f.host.selectionChangeCalls, 1);
    QVERIFY(!f.doc.isModified());
}

void TestPageSwitch::neverVisitedNodeStartsInNormal() {
    BrowserFixture f(QStringLiteral("Root #0\nNew #1"));
    f.click(QStringLiteral("New"));
    QCOMPARE(f.editor.calls, (QStringList{"save 0.rtf", "clear"}));
    QCOMPARE(f.host.normalStyleCalls, 1);
    QVERIFY(!f.pageExists(1));
    f.click(QStringLiteral("Root"));
    QVERIFY(f.pageExists(1)); // created only when the selection leaves it
}

void TestPageSwitch::afterOpenTheFirstSwitchOnlyLoads() {
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    f.doc.setCurrentId(DocumentController::kNoPage);
    f.click(QStringLiteral("Plan"));
    QCOMPARE(f.editor.calls, QStringList{"clear"});
    QVERIFY(!f.doc.isModified());
}

void TestPageSwitch::pageColour_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<std::optional<qint32>>("colour");
    QTest::newRow("no file") << QByteArray() << std::optional<qint32>{};
    QTest::newRow("triple") << QByteArray("[Options]\nbgR=1\nbgG=2\nbgB=3\n")
                            << std::optional<qint32>{1 + 2 * 256 + 3 * 65536};
    QTest::newRow("bgR only: the others count as -1")
        << QByteArray("[Options]\nbgR=200\n") << std::optional<qint32>{200 - 256 - 65536};
    QTest::newRow("section without the keys")
        << QByteArray("[Options]\nother=1\n") << std::optional<qint32>{};
    QTest::newRow("keys in another section")
        << QByteArray("[General]\nbgR=5\n") << std::optional<qint32>{};
    QTest::newRow("huge values wrap instead of overflowing")
        << QByteArray("[Options]\nbgR=2147483647\nbgG=2147483647\nbgB=2147483647\n")
        << std::optional<qint32>{
               qint32(quint32(quint64(2147483647LL + 2147483647LL * 256 + 2147483647LL * 65536)))};
}

void TestPageSwitch::pageColour() {
    QFETCH(QByteArray, ini);
    QFETCH(std::optional<qint32>, colour);
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    if (!ini.isNull())
        f.writeProperties(1, ini);
    f.host.background = 12345;
    f.click(QStringLiteral("Plan"));
    QCOMPARE(f.host.background, colour);
}

void TestPageSwitch::caption_data() {
    QTest::addColumn<QString>("documentPath");
    QTest::addColumn<QString>("caption");
    QTest::newRow("untitled") << QString() << " - (Plan) - Quillet";
    QTest::newRow("titled") << "/home/w/story.qlt"
                            << "story.qlt - (Plan) - Quillet";
}

void TestPageSwitch::caption() {
    QFETCH(QString, documentPath);
    QFETCH(QString, caption);
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    QCOMPARE(PageSwitcher::pageCaption(documentPath, QStringLiteral("Plan")), caption);
    if (!documentPath.isEmpty())
        return;
    f.click(QStringLiteral("Plan"));
    QCOMPARE(f.host.caption, caption);
}

void TestPageSwitch::editorChangeNeverClearsTheFlag() {
    BrowserFixture f;
    f.editor.modified = true;
    f.pages.editorChange();
    QVERIFY(f.doc.isModified());
    f.editor.modified = false;
    f.pages.editorChange();
    QVERIFY(f.doc.isModified());
    QVERIFY(f.host.modifiedIndicator);
}

void TestPageSwitch::selectNodeByIdPicksFirstOccurrence() {
    BrowserFixture f(QStringLiteral("Root #0\n  First #3\nSecond #3"));
    f.pages.SelectNodeById(3);
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("First")));
    QCOMPARE(f.doc.currentId(), 3);
}

void TestPageSwitch::selectNodeByIdUnknownDoesNothing() {
    BrowserFixture f(QStringLiteral("Root #0"));
    f.click(QStringLiteral("Root"));
    f.pages.SelectNodeById(9);
    QCOMPARE(f.pane.selected, f.node(QStringLiteral("Root")));
    QCOMPARE(f.doc.currentId(), 0);
}

void TestPageSwitch::writeFailureIsReportedAndKeepsGoing() {
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    f.writePage(1, "plan page");
    QVERIFY(QDir().mkpath(f.doc.pagePath(0))); // a directory where the page file goes
    f.editor.page = "root page";
    f.click(QStringLiteral("Plan"));
    QCOMPARE(f.prompts.log.size(), 1);
    QVERIFY(f.prompts.log.first().startsWith(QStringLiteral("warning: The page could not be")));
    QCOMPARE(f.editor.page, QByteArray("plan page"));
    QCOMPARE(f.doc.currentId(), 1);
    QVERIFY(!f.doc.isModified());
}

void TestPageSwitch::unreadablePageIsNotOverwritten() {
    BrowserFixture f(QStringLiteral("Root #0\nPlan #1"));
    // A directory stands where the page file is: it exists but cannot be read as a page.
    QVERIFY(QDir().mkpath(f.doc.pagePath(1)));
    f.click(QStringLiteral("Plan"));
    QCOMPARE(f.prompts.log.size(), 1);
    QVERIFY(f.prompts.log.first().startsWith(QStringLiteral("warning: The page")));
    QCOMPARE(f.editor.page, QByteArray());
    QCOMPARE(f.doc.currentId(), 1);
    f.click(QStringLiteral("Root"));
    // Leaving the untouched empty page tried no write over what is there.
    QVERIFY(!f.editor.calls.contains(QStringLiteral("save 1.rtf")));
    QCOMPARE(f.prompts.log.size(), 1);
}

QTEST_GUILESS_MAIN(TestPageSwitch)
#include "test_page_switch.moc"
