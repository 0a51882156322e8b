// A writer's first session end to end in the real window: pages on two nodes, Save As,
// the document opened again at the next start, the save question when closing.

#include "app/wire_tree.h"
#include "helpers_window.h"
#include "store/document_controller.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QTreeView>

using namespace quillet;
using test::WindowFixture;

namespace {
Node* byCaption(TfrmQuillet& w, const QString& caption) {
    return NodeTree::FindNodeByName(w.nodeTree().firstNode(), caption);
}

// Selects a node the way a click does: the page switch runs.
void open(TfrmQuillet& w, const QString& caption) {
    Node* n = byCaption(w, caption);
    QVERIFY2(n, qPrintable(caption));
    pageSwitcher(w)->SelectNodeById(n->id());
}

void type(TfrmQuillet& w, const QString& text, bool bold = false) {
    QTextCursor c = w.editor()->textCursor();
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    c.insertText(text, f);
    w.editor()->setTextCursor(c);
}
} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveAsThenOpenAtNextStart();
    void closingAModifiedDocumentAsks();
    void recentFilesMenuOpensTheDocument();

private:
    QString writeStory(WindowFixture& f, const QString& path);
    QTemporaryDir m_out;
};

QString TestDocumentCommands::writeStory(WindowFixture& f, const QString& path) {
    TfrmQuillet& w = *f.window;
    open(w, QStringLiteral("Root"));
    type(w, QStringLiteral("Notes for the whole book."));
    f.prompts.setNextText(QStringLiteral("Chapter 1"));
    w.runCommand(QStringLiteral("TreeAddNode"));
    open(w, QStringLiteral("Chapter 1"));
    type(w, QStringLiteral("It was a dark and stormy night."), true);
    f.prompts.setNextFileName(path);
    w.runCommand(QStringLiteral("FileSaveAs"));
    return path;
}

void TestDocumentCommands::saveAsThenOpenAtNextStart() {
    const QString path = m_out.filePath(QStringLiteral("story.qlt"));
    {
        WindowFixture f;
        writeStory(f, path);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("story.qlt - Quillet"));
        QVERIFY(!f.window->isModified());
        QVERIFY(f.window->action(QStringLiteral("FilePrint"))->isEnabled());
        QVERIFY(f.window->action(QStringLiteral("ExportNode2"))->isEnabled());
        f.window->close();
        QVERIFY(f.prompts.allAnswersUsed());
    }

    WindowFixture again(path);
    TfrmQuillet& w = *again.window;
    QVERIFY(again.prompts.log.isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("story.qlt - Quillet"));
    QCOMPARE(w.nodeTree().nodeCount(), 2);
    Node* chapter = byCaption(w, QStringLiteral("Chapter 1"));
    QVERIFY(chapter);
    QCOMPARE(chapter->parent(), byCaption(w, QStringLiteral("Root")));
    open(w, QStringLiteral("Chapter 1"));
    QCOMPARE(w.editor()->toPlainText(), QStringLiteral("It was a dark and stormy night."));
    QTextCursor c = w.editor()->textCursor();
    c.setPosition(3);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(w.windowTitle(), QStringLiteral("story.qlt - (Chapter 1) - Quillet"));
    open(w, QStringLiteral("Root"));
    QCOMPARE(w.editor()->toPlainText(), QStringLiteral("Notes for the whole book."));
}

void TestDocumentCommands::closingAModifiedDocumentAsks() {
    const QString path = m_out.filePath(QStringLiteral("asks.qlt"));
    WindowFixture f;
    writeStory(f, path);
    open(*f.window, QStringLiteral("Root"));
    QTextCursor end = f.window->editor()->textCursor();
    end.movePosition(QTextCursor::End);
    f.window->editor()->setTextCursor(end);
    type(*f.window, QStringLiteral(" More."));
    QVERIFY(f.window->isModified());
    f.prompts.setNextConfirm(true); // save before exiting
    QVERIFY(f.window->close());
    QVERIFY(f.prompts.log.contains(
        QStringLiteral("okcancel: Do you wish to save the current file before exiting?")));

    WindowFixture again(path);
    open(*again.window, QStringLiteral("Root"));
    QCOMPARE(again.window->editor()->toPlainText(),
             QStringLiteral("Notes for the whole book. More."));
}

void TestDocumentCommands::recentFilesMenuOpensTheDocument() {
    const QString path = m_out.filePath(QStringLiteral("recent.qlt"));
    WindowFixture f;
    writeStory(f, path);
    f.window->close();
    f.restart(); // the next start, on the same settings
    auto* recent = f.window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
    QVERIFY(recent->isEnabled());
    QCOMPARE(recent->actions().first()->text(), QStringLiteral("&1 ") + path);
    recent->actions().first()->trigger();
    QCOMPARE(f.window->document().documentPath(), path);
    QCOMPARE(f.window->nodeTree().nodeCount(), 2);
}

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
