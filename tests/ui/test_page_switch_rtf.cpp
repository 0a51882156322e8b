#include "ui/helpers_browser_window.h"
#include "ui/text_attributes.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using namespace quillet;
using test::BrowserWindow;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray rtf(const char* text) {
    return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Times New Roman;}}"
                      "\\f0\\fs24 ") +
           text + "\\par}";
}

QColor background(const BrowserWindow& w) {
    return w.editor->palette().color(QPalette::Base);
}

} // namespace

class TestPageSwitchRtf : public QObject {
    Q_OBJECT

private slots:
    void pagesTravelThroughTheirFiles();
    void neverVisitedNodeIsEmptyInNormal();
    void reusedIdDoesNotShowTheOldPage();
    void optionsColour_data();
    void optionsColour();
    void nodeLinkOpensTheTargetPage();
};

void TestPageSwitchRtf::pagesTravelThroughTheirFiles() {
    BrowserWindow w(QStringLiteral("Root #0\nPlan #1"));
    writeFile(w.doc.pagePath(1), rtf("The plan, \\'e9t\\'e9 2026."));
    w.editor->textCursor().insertText(QStringLiteral("Root words"));
    w.click(QStringLiteral("Plan"));
    QCOMPARE(w.editor->toPlainText(), QStringLiteral("The plan, \u00e9t\u00e9 2026."));
    QVERIFY(!w.editor->isPageModified());
    QVERIFY(readFile(w.doc.pagePath(0)).startsWith("{\\rtf"));

    w.click(QStringLiteral("Root"));
    QCOMPARE(w.editor->toPlainText(), QStringLiteral("Root words"));
    QCOMPARE(w.host.caption, QStringLiteral(" - (Root) - Quillet"));
}

void TestPageSwitchRtf::neverVisitedNodeIsEmptyInNormal() {
    BrowserWindow w(QStringLiteral("Root #0\nFresh #1"));
    w.click(QStringLiteral("Fresh"));
    QCOMPARE(w.editor->toPlainText(), QString());
    const CharAttributes a = w.editor->charAttributes();
    QCOMPARE(a.fontName, QStringLiteral("Arial"));
    QCOMPARE(a.size, 10);
    QVERIFY(!a.bold);
    QCOMPARE(w.editor->paraAttributes().alignment, int(AlignLeft));
    QVERIFY(!QFileInfo::exists(w.doc.pagePath(1)));

    w.editor->textCursor().insertText(QStringLiteral("typed"));
    w.click(QStringLiteral("Root"));
    QVERIFY(QFileInfo::exists(w.doc.pagePath(1)));
    w.click(QStringLiteral("Fresh"));
    QCOMPARE(w.editor->toPlainText(), QStringLiteral("typed"));
    QCOMPARE(w.editor->charAttributes().fontName, QStringLiteral("Arial"));
}

void TestPageSwitchRtf::reusedIdDoesNotShowTheOldPage() {
    BrowserWindow w(QStringLiteral("Root #0\nOld #1"));
    writeFile(w.doc.pagePath(1), rtf("old secret"));
    w.click(QStringLiteral("Old"));
    QCOMPARE(w.editor->toPlainText(), QStringLiteral("old secret"));
    w.prompts.setNextConfirm(true);
    w.commands.TreeDeleteNode();
    QCOMPARE(w.view->selectedNode(), w.node(QStringLiteral("Root")));

    w.prompts.setNextText(QStringLiteral("New"));
    w.commands.TreeAddNode();
    QCOMPARE(w.node(QStringLiteral("New"))->id(), 1);
    w.click(QStringLiteral("New"));
    QCOMPARE(w.editor->toPlainText(), QString());
}

void TestPageSwitchRtf::optionsColour_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QColor>("colour"); // invalid: the window colour
    QTest::newRow("no properties file") << QByteArray() << QColor();
    QTest::newRow("triple") << QByteArray("[Options]\r\nbgR=255\r\nbgG=240\r\nbgB=200\r\n")
                            << QColor(255, 240, 200);
    // 200 + (-1) * 256 + (-1) * 65536: the bytes of that value.
    QTest::newRow("bgR only") << QByteArray("[Options]\r\nbgR=200\r\n") << QColor(0xC8, 0xFF, 0xFE);
    QTest::newRow("all three -1") << QByteArray("[Options]\r\nbgR=-1\r\nbgG=-1\r\nbgB=-1\r\n")
                                  << QColor();
}

void TestPageSwitchRtf::optionsColour() {
    QFETCH(QByteArray, ini);
    QFETCH(QColor, colour);
    BrowserWindow w(QStringLiteral("Root #0\nCoral #1\nPlain #2"));
    const QColor window = QApplication::palette().color(QPalette::Base);
    writeFile(w.doc.propertiesPath(1), "[Options]\r\nbgR=255\r\nbgG=127\r\nbgB=80\r\n");
    w.click(QStringLiteral("Coral"));
    QCOMPARE(background(w), QColor(255, 127, 80));
    if (!ini.isEmpty())
        writeFile(w.doc.propertiesPath(2), ini);
    w.click(QStringLiteral("Plain"));
    QCOMPARE(background(w), colour.isValid() ? colour : window);
}

void TestPageSwitchRtf::nodeLinkOpensTheTargetPage() {
    BrowserWindow w(QStringLiteral("Root #0\nPlan #1\nNotes #2"));
    writeFile(w.doc.pagePath(2), rtf("notes page"));
    w.click(QStringLiteral("Plan"));
    w.editor->textCursor().insertText(QStringLiteral("see file://Notes/2"));
    QCOMPARE(w.links.editorURLClick(QStringLiteral("file://Notes/2"), true),
             LinkController::Outcome::Followed);
    QCOMPARE(w.view->selectedNode(), w.node(QStringLiteral("Notes")));
    QCOMPARE(w.editor->toPlainText(), QStringLiteral("notes page"));
    QCOMPARE(w.host.caption, QStringLiteral(" - (Plan) - Quillet")); // unchanged by the jump
    w.click(QStringLiteral("Plan"));
    QCOMPARE(w.editor->toPlainText(), QStringLiteral("see file://Notes/2"));
}

QTEST_MAIN(TestPageSwitchRtf)
#include "test_page_switch_rtf.moc"
