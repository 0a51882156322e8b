// The text-tool commands run from the window on its real editor.

#include "helpers_window.h"

#include <QAction>
#include <QTest>

using namespace quillet;
using test::WindowFixture;

namespace {
void selectAll(RichEditor* ed) {
    QTextCursor c = ed->textCursor();
    c.select(QTextCursor::Document);
    ed->setTextCursor(c);
}
} // namespace

class TestTextToolsCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void joinLinesReplacesSelectionAndMarksDocument();
    void toolsNeedASelection();
    void countWordsOfPage();
    void encryptThenDecryptRestoresTheSelection();
};

void TestTextToolsCommands::joinLinesReplacesSelectionAndMarksDocument() {
    WindowFixture f;
    RichEditor* ed = f.window->editor();
    ed->setPlainText(QStringLiteral("one\ntwo\nthree"));
    f.window->setModified(false);
    selectAll(ed);
    f.window->UpdateCommandStates();
    QVERIFY(f.window->action(QStringLiteral("ToolsJoinLines"))->isEnabled());
    f.window->action(QStringLiteral("ToolsJoinLines"))->trigger();
    QVERIFY(!ed->toPlainText().contains(QLatin1Char('\n')));
    QVERIFY(ed->toPlainText().startsWith(QStringLiteral("one")));
    QVERIFY2(ed->toPlainText().contains(QStringLiteral("three")), qPrintable(ed->toPlainText()));
    QVERIFY(f.window->isModified());
}

void TestTextToolsCommands::toolsNeedASelection() {
    WindowFixture f;
    f.window->editor()->setPlainText(QStringLiteral("text"));
    f.window->UpdateCommandStates();
    for (const char* id : {"ToolsJoinLines", "ToolsSort", "ToolsEncrypt", "ToolsReverse"})
        QVERIFY2(!f.window->action(QString::fromLatin1(id))->isEnabled(), id);
}

void TestTextToolsCommands::countWordsOfPage() {
    WindowFixture f;
    f.window->editor()->setPlainText(QStringLiteral("It was a dark night."));
    f.window->action(QStringLiteral("EditCountWords"))->trigger();
    QCOMPARE(f.prompts.log, QStringList({"information: 5 words counted"}));
}

void TestTextToolsCommands::encryptThenDecryptRestoresTheSelection() {
    WindowFixture f;
    RichEditor* ed = f.window->editor();
    const QString original = QStringLiteral("Secret: the butler\tdid it \u00e9\u4e2d\nsecond line");
    ed->setPlainText(original);
    selectAll(ed);
    f.window->action(QStringLiteral("ToolsEncrypt"))->trigger();
    QVERIFY(ed->toPlainText() != original);
    selectAll(ed);
    f.window->action(QStringLiteral("ToolsDecrypt"))->trigger();
    QCOMPARE(ed->toPlainText(), original);
}

QTEST_MAIN(TestTextToolsCommands)
#include "test_texttools_commands.moc"
