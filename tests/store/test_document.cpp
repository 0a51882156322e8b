#include "common/scripted_prompts.h"
#include "store/document_controller.h"
#include "store/helpers_fake_editor.h"
#include "store/helpers_fixtures.h"
#include "store/node_tree.h"
#include "store/qlt_archive.h"
#include "store/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillet;
using test::FileMap;

namespace {

struct Fixture {
    NodeTree tree;
    test::FakeEditor editor;
    test::ScriptedPrompts prompts;
    test::RecordingBusy busy;
    DocumentController doc{tree, editor, prompts, busy};

    // Simulates the page switch of the window: the editor's page goes to the node's file.
    void writePage(qint32 id, const QByteArray& content) {
        QVERIFY(test::writeFile(doc.pagePath(id), content));
    }
};

QStringList memberNames(const QString& path) {
    bool ok = false;
    const FileMap m = test::readZip(path, &ok);
    return ok ? m.keys() : QStringList{"<not a zip>"};
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void startsUntitledWithRoot();
    void saveAsPacksListedNodesAndReopens();
    void deletedNodeFilesAreNotPacked();
    void saveRestoresThePageInTheEditor();
    void saveWithoutBoundPageWritesNoPage();
    void oldTemporaryArchive_data();
    void oldTemporaryArchive();
    void openWithoutNodesTree();
    void openMissingFileDoesNothing();
    void memberNamesCannotEscape();
    void failingSaveKeepsOldFile_data();
    void failingSaveKeepsOldFile();
    void savingThroughALinkReplacesItsTarget();
    void newAlwaysAsks_data();
    void newAlwaysAsks();
    void closing_data();
    void closing();
    void closingUntitledKeepsWorkWhenSaveAsIsCancelled();
    void closeIsRefusedWhileSaving();
    void recentFilesFollowOpens();
    void recentMenuEntries();
    void recentFilesPersist();
    void discardNeverFollowsLinks();
    void importNotebook();
    void importNeverTargetsAnExistingDocument();
    void importBrokenNotebookShowsRoot();
};

void TestDocument::startsUntitledWithRoot() {
    Fixture f;
    QCOMPARE(test::describeTree(f.tree), QString("Root #0"));
    QVERIFY(f.doc.documentPath().isEmpty());
    QCOMPARE(f.doc.currentId(), 0);
    QVERIFY(QFileInfo(f.doc.workingDirectory()).isDir());
    QVERIFY(f.doc.workingDirectory().endsWith('/'));
    QVERIFY(f.doc.workingDirectory().startsWith(QDir::tempPath()));
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QVERIFY(!(QFileInfo(f.doc.baseDirectory()).permissions() & others));
}

void TestDocument::saveAsPacksListedNodesAndReopens() {
    QTemporaryDir out;
    Fixture f;
    Node* plan = f.tree.AddChildNode(f.tree.firstNode(), "Plan");
    f.tree.AddChildNode(plan, "Never visited");
    f.writePage(0, "{\\rtf1 root}");
    QVERIFY(test::writeFile(f.doc.propertiesPath(1), "[Node]\r\nTitle=Plan\r\n"));
    QVERIFY(test::writeFile(f.doc.workingDirectory() + "File.ini", "[File]\r\n"));
    f.editor.page = "{\\rtf1 plan page}";
    f.doc.setCurrentId(1);
    f.doc.setModified(true);
    const QString oldWorkspace = f.doc.workingDirectory();
    QSignalSpy captions(&f.doc, &DocumentController::captionChanged);

    f.prompts.setNextFileName(out.filePath("story")); // the default extension is added
    QVERIFY(f.doc.FileSaveAs());
    const QString path = out.filePath("story.qlt");
    QCOMPARE(f.doc.documentPath(), path);
    QCOMPARE(memberNames(path), (QStringList{"0.rtf", "1.ini", "1.rtf", "File.ini", "Nodes.tree"}));
    const FileMap members = test::readZip(path);
    QCOMPARE(members["1.rtf"], QByteArray("{\\rtf1 plan page}"));
    QVERIFY(!QFileInfo::exists(out.filePath("story.~qlt")));

    // Reopened from the file just written, in a new working directory.
    QVERIFY(f.doc.workingDirectory() != oldWorkspace);
    QVERIFY(!QFileInfo::exists(oldWorkspace + "0.rtf"));
    QCOMPARE(test::readFile(f.doc.pagePath(0)), QByteArray("{\\rtf1 root}"));
    QCOMPARE(test::describeTree(f.tree), QString("Root #0\n  Plan #1\n    Never visited #2"));
    QCOMPARE(f.doc.currentId(), DocumentController::kNoPage);
    QVERIFY(!f.doc.isModified());
    QCOMPARE(f.doc.windowCaption(), QString("story.qlt - Quillet"));
    QCOMPARE(f.doc.applicationTitle(), QString("story.qlt"));
    QCOMPARE(captions.last().at(0).toString(), QString("story.qlt - Quillet"));
    QCOMPARE(f.doc.recentFiles().paths(), QStringList{path});
    QVERIFY(f.prompts.allAnswersUsed());
    QVERIFY(!f.doc.isSaving());
    QCOMPARE(f.busy.states.last(), false);
}

void TestDocument::deletedNodeFilesAreNotPacked() {
    QTemporaryDir out;
    const QString path = out.filePath("d.qlt");
    QVERIFY(test::writeQlt(path, "Root #0\n  Gone #1\n  Kept #2",
                           {{"0.rtf", "r"}, {"1.rtf", "g"}, {"1.ini", "[x]"}, {"2.rtf", "k"}}));
    Fixture f;
    QVERIFY(f.doc.OpenDocument(path));
    f.tree.removeNode(f.tree.findNodeById(1));
    QVERIFY(QFileInfo::exists(f.doc.pagePath(1))); // still lies in the working directory
    QVERIFY(f.doc.SaveDocument(path));
    QCOMPARE(memberNames(path), (QStringList{"0.rtf", "2.rtf", "Nodes.tree"}));
}

void TestDocument::saveRestoresThePageInTheEditor() {
    QTemporaryDir out;
    Fixture f;
    f.tree.AddChildNode(f.tree.firstNode(), "Plan");
    f.editor.page = "{\\rtf1 typed}";
    f.doc.setCurrentId(1);
    QSignalSpy selects(&f.doc, &DocumentController::selectNodeRequested);
    QVERIFY(f.doc.SaveDocument(out.filePath("a.qlt")));
    QCOMPARE(f.editor.calls, (QStringList{"save 1.rtf", "load 1.rtf"}));
    QCOMPARE(selects.size(), 1);
    QCOMPARE(selects.first().at(0).toInt(), 1);
    QCOMPARE(f.doc.currentId(), 1);
    QCOMPARE(f.doc.windowCaption(), QString("a.qlt - Quillet"));
}

void TestDocument::saveWithoutBoundPageWritesNoPage() {
    QTemporaryDir out;
    const QString path = out.filePath("n.qlt");
    QVERIFY(test::writeQlt(path, "Root #0", {{"0.rtf", "r"}}));
    Fixture f;
    QVERIFY(f.doc.OpenDocument(path));
    f.editor.calls.clear();
    QVERIFY(f.doc.SaveDocument(path));
    QCOMPARE(f.editor.calls, QStringList());
    QCOMPARE(f.doc.currentId(), DocumentController::kNoPage);
}

void TestDocument::oldTemporaryArchive_data() {
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("members");
    QTest::newRow("Yes starts afresh") << true << QStringList{"0.rtf", "Nodes.tree"};
    QTest::newRow("No updates the old one")
        << false << QStringList{"0.rtf", "77.rtf", "Nodes.tree"};
}

void TestDocument::oldTemporaryArchive() {
    QFETCH(bool, overwrite);
    QFETCH(QStringList, members);
    QTemporaryDir out;
    const QString path = out.filePath("t.qlt");
    QVERIFY(test::writeQlt(out.filePath("t.~qlt"), "Old #77", {{"77.rtf", "old"}, {"0.rtf", "x"}}));
    Fixture f;
    f.editor.page = "new root"; // the page of the root, bound to the editor
    f.prompts.setNextConfirm(overwrite);
    QVERIFY(f.doc.SaveDocument(path));
    QCOMPARE(f.prompts.log, QStringList{"yesno: Overwrite Old Temporary File ?"});
    QCOMPARE(memberNames(path), members);
    QCOMPARE(test::readZip(path)["0.rtf"], QByteArray("new root"));
    QVERIFY(!QFileInfo::exists(out.filePath("t.~qlt")));

    // The tree of the document is the new one in both cases.
    Fixture g;
    QVERIFY(g.doc.OpenDocument(path));
    QCOMPARE(test::describeTree(g.tree), QString("Root #0"));
}

void TestDocument::openWithoutNodesTree() {
    QTemporaryDir out;
    const QString path = out.filePath("bare.qlt");
    QVERIFY(test::writeQlt(path, QString(), {{"5.rtf", "orphan"}}));
    Fixture f;
    QSignalSpy opened(&f.doc, &DocumentController::documentOpened);
    QVERIFY(f.doc.OpenDocument(path));
    QCOMPARE(test::describeTree(f.tree), QString("Root #0"));
    QCOMPARE(test::readFile(f.doc.pagePath(5)), QByteArray("orphan"));
    QCOMPARE(opened.size(), 1);
}

void TestDocument::openMissingFileDoesNothing() {
    Fixture f;
    f.tree.AddChildNode(f.tree.firstNode(), "Kept");
    QVERIFY(!f.doc.OpenDocument(QDir::tempPath() + "/surely/not/here.qlt"));
    QCOMPARE(f.tree.nodeCount(), 2);
    QVERIFY(f.prompts.log.isEmpty());
}

void TestDocument::memberNamesCannotEscape() {
    QTemporaryDir out;
    const QString path = out.filePath("evil.qlt");
    QVERIFY(test::writeQlt(path, "Root #0",
                           {{"../../escaped.rtf", "a"},
                            {"sub/dir/3.rtf", "b"},
                            {"..\\win.rtf", "c"},
                            {"../", "d"},
                            {"1.rtf", "link target must stay"}}));
    Fixture f;
    // Open once to learn nothing; then plant a link where a member will land.
    QVERIFY(f.doc.OpenDocument(path));
    const QString wd = f.doc.workingDirectory();
    QCOMPARE(test::readFile(wd + "escaped.rtf"), QByteArray("a"));
    QCOMPARE(test::readFile(wd + "3.rtf"), QByteArray("b"));
    QCOMPARE(test::readFile(wd + "win.rtf"), QByteArray("c"));
    QVERIFY(!QFileInfo::exists(QDir::cleanPath(wd + "../../escaped.rtf")));
    QVERIFY(!QFileInfo::exists(QDir::cleanPath(wd + "../escaped.rtf")));

    QTemporaryDir outside;
    const QString victim = outside.filePath("victim.txt");
    QVERIFY(test::writeFile(victim, "precious"));
    // Unpacking again over a link must replace the link, not write through it.
    QVERIFY(QFile::remove(wd + "1.rtf"));
    QVERIFY(QFile::link(victim, wd + "1.rtf"));
    QString error;
    QVERIFY(qlt::unpack(path, wd, &error));
    QCOMPARE(test::readFile(victim), QByteArray("precious"));
    QVERIFY(!QFileInfo(wd + "1.rtf").isSymLink());
}

void TestDocument::failingSaveKeepsOldFile_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("temporary archive cannot be written") << "temp";
    QTest::newRow("tree cannot be written") << "tree";
    QTest::newRow("folder is gone") << "folder";
}

void TestDocument::failingSaveKeepsOldFile() {
    QFETCH(QString, obstacle);
    QTemporaryDir out;
    const QString folder = out.filePath("docs");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/keep.qlt";
    QVERIFY(test::writeQlt(path, "Root #0\n  A #1", {{"0.rtf", "saved before"}}));
    const QByteArray before = test::readFile(path);

    Fixture f;
    QVERIFY(f.doc.OpenDocument(path));
    f.writePage(0, "edited since");
    f.doc.setModified(true);
    if (obstacle == "temp") {
        // A folder where the temporary archive goes: it cannot be deleted nor written.
        QVERIFY(QDir().mkpath(folder + "/keep.~qlt/inside"));
        f.prompts.setNextConfirm(true);
    } else if (obstacle == "tree") {
        QVERIFY(QFile::remove(f.doc.workingDirectory() + "Nodes.tree"));
        QVERIFY(QDir().mkpath(f.doc.workingDirectory() + "Nodes.tree/x"));
    }
    const QString target = obstacle == "folder" ? out.filePath("gone/keep.qlt") : path;
    QVERIFY(!f.doc.SaveDocument(target));

    QCOMPARE(test::readFile(path), before);
    QVERIFY(!f.prompts.log.isEmpty());
    QVERIFY(f.prompts.log.last().startsWith("error: There has been an error saving the file."));
    QVERIFY(!f.doc.isSaving());
    QVERIFY(f.doc.isModified());
    QCOMPARE(f.doc.documentPath(), path);
    QCOMPARE(f.busy.states.last(), false);
    // Still closable: the close question comes, and cancelling it lets the window go.
    f.prompts.setNextConfirm(false);
    QVERIFY(f.doc.queryClose());
}

void TestDocument::savingThroughALinkReplacesItsTarget() {
    QTemporaryDir out;
    QVERIFY(QDir().mkpath(out.filePath("real")));
    const QString real = out.filePath("real/doc.qlt");
    const QString link = out.filePath("doc.qlt");
    QVERIFY(test::writeQlt(real, "Root #0", {}));
    QVERIFY(QFile::link(real, link));
    Fixture f;
    QVERIFY(f.doc.OpenDocument(link));
    f.tree.AddChildNode(f.tree.firstNode(), "Added");
    QVERIFY(f.doc.FileSave());
    QVERIFY(QFileInfo(link).isSymLink());
    Fixture g;
    QVERIFY(g.doc.OpenDocument(real));
    QCOMPARE(test::describeTree(g.tree), QString("Root #0\n  Added #1"));
    QCOMPARE(f.doc.documentPath(), link);
}

void TestDocument::newAlwaysAsks_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("answerOk");
    QTest::addColumn<bool>("created");
    QTest::newRow("unmodified, Cancel") << false << false << true;
    QTest::newRow("modified, Cancel") << true << false << true;
    QTest::newRow("OK but Save As cancelled keeps the work") << true << true << false;
}

void TestDocument::newAlwaysAsks() {
    QFETCH(bool, modified);
    QFETCH(bool, answerOk);
    QFETCH(bool, created);
    Fixture f;
    f.tree.AddChildNode(f.tree.firstNode(), "Work");
    f.writePage(1, "work");
    f.doc.setModified(modified);
    const QString oldBase = f.doc.baseDirectory();
    f.prompts.setNextConfirm(answerOk);
    if (answerOk)
        f.prompts.setNextFileName(QString()); // the Save As dialog is cancelled
    QCOMPARE(f.doc.FileNew(), created);
    QCOMPARE(f.prompts.log.first(), QString("okcancel: Do you wish to save the current file?"));
    if (created) {
        QCOMPARE(test::describeTree(f.tree), QString("Root #0"));
        QVERIFY(f.doc.isModified());
        QVERIFY(f.doc.documentPath().isEmpty());
        QVERIFY(!QFileInfo::exists(oldBase + "1.rtf"));
        QVERIFY(QFileInfo(f.doc.workingDirectory()).isDir());
    } else {
        QCOMPARE(f.tree.nodeCount(), 2);
        QCOMPARE(test::readFile(f.doc.pagePath(1)), QByteArray("work"));
    }
}

void TestDocument::closing_data() {
    QTest::addColumn<bool>("titled");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("asked");
    QTest::newRow("untitled and modified asks too") << false << true << true;
    QTest::newRow("untitled and unmodified") << false << false << false;
    QTest::newRow("titled and unmodified") << true << false << false;
    QTest::newRow("titled and modified asks") << true << true << true;
}

void TestDocument::closing() {
    QFETCH(bool, titled);
    QFETCH(bool, modified);
    QFETCH(bool, asked);
    QTemporaryDir out;
    Fixture f;
    if (titled) {
        const QString path = out.filePath("c.qlt");
        QVERIFY(test::writeQlt(path, "Root #0", {}));
        QVERIFY(f.doc.OpenDocument(path));
    }
    f.doc.setModified(modified);
    if (asked)
        f.prompts.setNextConfirm(false);
    QVERIFY(f.doc.queryClose());
    QCOMPARE(f.prompts.log.size(), asked ? 1 : 0);
    const QString base = f.doc.baseDirectory();
    f.doc.closeDocument();
    QVERIFY(!QFileInfo::exists(base));
}

void TestDocument::closingUntitledKeepsWorkWhenSaveAsIsCancelled() {
    Fixture f;
    f.doc.setModified(true);
    f.prompts.setNextConfirm(true);          // yes, save before exiting
    f.prompts.setNextFileName(QString());    // ... but the Save As dialog is cancelled
    QVERIFY(!f.doc.queryClose());
    QVERIFY(f.doc.isModified());
    QVERIFY(f.prompts.allAnswersUsed());
}

namespace {
// Asks the controller, from inside the busy state of a save, whether the window may close.
class ProbingBusy : public BusyIndicator {
public:
    DocumentController* doc = nullptr;
    QList<bool> closable;
    void setBusy(bool busy) override {
        if (busy && doc && doc->isSaving())
            closable << doc->queryClose();
    }
    void setProgress(int, int) override {}
    void processEvents() override {
        if (doc && doc->isSaving())
            closable << doc->queryClose();
    }
};
} // namespace

void TestDocument::closeIsRefusedWhileSaving() {
    QTemporaryDir out;
    NodeTree tree;
    test::FakeEditor editor;
    test::ScriptedPrompts prompts;
    ProbingBusy busy;
    DocumentController doc(tree, editor, prompts, busy);
    busy.doc = &doc;
    QVERIFY(doc.SaveDocument(out.filePath("s.qlt")));
    QVERIFY(!busy.closable.isEmpty());
    QVERIFY(!busy.closable.contains(true));
    QVERIFY(!doc.isSaving());
    QVERIFY(doc.queryClose());
}

void TestDocument::recentFilesFollowOpens() {
    QTemporaryDir out;
    Fixture f;
    QStringList paths;
    for (int i = 0; i < 22; ++i) {
        paths << out.filePath(QString("doc%1.qlt").arg(i));
        QVERIFY(test::writeQlt(paths.last(), "Root #0", {}));
        QVERIFY(f.doc.OpenDocument(paths.last()));
    }
    QCOMPARE(f.doc.recentFiles().paths().size(), 20);
    QCOMPARE(f.doc.recentFiles().paths().first(), paths[21]);
    QVERIFY(!f.doc.recentFiles().paths().contains(paths[1]));
    QVERIFY(f.doc.OpenDocument(paths[5]));
    QCOMPARE(f.doc.recentFiles().paths().first(), paths[5]);
    QCOMPARE(f.doc.recentFiles().paths().count(paths[5]), 1);

    // A file deleted outside the program is dropped when chosen, and nothing opens.
    QVERIFY(QFile::remove(paths[10]));
    const QString caption = f.doc.windowCaption();
    QSignalSpy changed(&f.doc, &DocumentController::recentFilesChanged);
    QVERIFY(!f.doc.openRecentFile(paths[10]));
    QVERIFY(!f.doc.recentFiles().paths().contains(paths[10]));
    QCOMPARE(f.doc.windowCaption(), caption);
    QCOMPARE(changed.size(), 1);
    QVERIFY(f.prompts.log.isEmpty());
}

void TestDocument::recentMenuEntries() {
    RecentFiles recent;
    QVERIFY(recent.menuEntries().isEmpty());
    for (int i = 12; i >= 1; --i)
        recent.add(QString("/d/%1.qlt").arg(i));
    const auto entries = recent.menuEntries();
    QCOMPARE(entries.size(), 12);
    QCOMPARE(entries[0].caption, QString("&1 /d/1.qlt"));
    QCOMPARE(entries[8].caption, QString("&9 /d/9.qlt"));
    QCOMPARE(entries[9].caption, QString("&A /d/10.qlt"));
    QCOMPARE(entries[11].caption, QString("&C /d/12.qlt"));
    QList<int> separators;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].separatorAfter)
            separators << i + 1;
    }
    QCOMPARE(separators, (QList<int>{5, 10}));
    QCOMPARE(RecentFiles::caption(19, "x"), QString("&K x"));
}

void TestDocument::recentFilesPersist() {
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    {
        QSettings s(ini, QSettings::IniFormat);
        s.beginGroup("GeneralSettings");
        RecentFiles r;
        r.add("/b.qlt");
        r.add("/a.qlt");
        r.save(s);
        s.endGroup();
    }
    QSettings s(ini, QSettings::IniFormat);
    QCOMPARE(s.value("GeneralSettings/TfrmQuillet.MRUManager1/Item_0").toString(),
             QString("/a.qlt"));
    s.beginGroup("GeneralSettings");
    RecentFiles back;
    back.load(s);
    QCOMPARE(back.paths(), (QStringList{"/a.qlt", "/b.qlt"}));
    back.remove("/a.qlt");
    back.save(s);
    RecentFiles again;
    again.load(s);
    QCOMPARE(again.paths(), QStringList{"/b.qlt"});
}

void TestDocument::discardNeverFollowsLinks() {
    QTemporaryDir outside;
    QVERIFY(test::writeFile(outside.filePath("keep.txt"), "keep"));
    Fixture f;
    const QString base = f.doc.baseDirectory();
    QVERIFY(QDir().mkpath(base + "sub"));
    QVERIFY(QFile::link(outside.path(), base + "sub/link"));
    QVERIFY(QFile::link(outside.filePath("keep.txt"), base + "filelink"));
    f.doc.DiscardWorkspace();
    QVERIFY(!QFileInfo::exists(base));
    QCOMPARE(test::readFile(outside.filePath("keep.txt")), QByteArray("keep"));
    // And nothing outside the temporary directory is ever deleted.
    QVERIFY(!deleteWorkspaceTree(QDir::homePath()));
    QVERIFY(!deleteWorkspaceTree(QDir::tempPath()));
}

void TestDocument::importNotebook() {
    QTemporaryDir out;
    const QString igv = out.filePath("notes.igv");
    QVERIFY(test::writeFile(
        igv, test::buildIgv("Notes #0\n  Idea #3 @2", {{"0.rtf", "n"}, {"3.rtf", "idea"}})));
    Fixture f;
    f.prompts.setNextFileName(igv);
    QSignalSpy imported(&f.doc, &DocumentController::notebookImported);
    QVERIFY(f.doc.fileImportIgv());
    QCOMPARE(f.prompts.log, QStringList{"open: Open File"});
    QCOMPARE(test::describeTree(f.tree), QString("Notes #0\n  Idea #3 @2"));
    QCOMPARE(test::readFile(f.doc.pagePath(3)), QByteArray("idea"));
    const QString qltPath = out.filePath("notes.qlt");
    QCOMPARE(f.doc.documentPath(), qltPath);
    QCOMPARE(f.doc.recentFiles().paths(), QStringList{qltPath});
    QCOMPARE(f.doc.currentId(), DocumentController::kNoPage);
    QVERIFY(!f.doc.isModified());
    QCOMPARE(f.doc.windowCaption(), QString("notes.igv - Quillet"));
    QCOMPARE(imported.size(), 1);
    QCOMPARE(f.busy.lastMaximum, 100);
    QVERIFY(!QFileInfo::exists(qltPath));

    // Chosen from the recent files before the first save: dropped.
    QVERIFY(!f.doc.openRecentFile(qltPath));
    QVERIFY(f.doc.recentFiles().isEmpty());

    // Saving writes the document beside the notebook.
    QVERIFY(f.doc.FileSave());
    QCOMPARE(memberNames(qltPath), (QStringList{"0.rtf", "3.rtf", "Nodes.tree"}));
}

void TestDocument::importNeverTargetsAnExistingDocument() {
    QTemporaryDir out;
    const QString igv = out.filePath("notes.igv");
    QVERIFY(test::writeFile(igv, test::buildIgv("Notes #0", {{"0.rtf", "n"}})));
    QVERIFY(test::writeFile(out.filePath("notes.qlt"), "an unrelated document"));
    QVERIFY(test::writeFile(out.filePath("notes (2).qlt"), "another one"));
    Fixture f;
    QVERIFY(f.doc.importIgv(igv));
    QCOMPARE(f.doc.documentPath(), out.filePath("notes (3).qlt"));
    QVERIFY(f.doc.FileSave());
    QCOMPARE(test::readFile(out.filePath("notes.qlt")), QByteArray("an unrelated document"));
    QCOMPARE(test::readFile(out.filePath("notes (2).qlt")), QByteArray("another one"));
    QCOMPARE(memberNames(out.filePath("notes (3).qlt")), (QStringList{"0.rtf", "Nodes.tree"}));
}

void TestDocument::importBrokenNotebookShowsRoot() {
    QTemporaryDir out;
    const QString igv = out.filePath("bad.igv");
    test::ZlbOptions broken;
    broken.breakChecksum = true;
    QVERIFY(test::writeFile(igv, test::buildIgv("Notes #0", {{"0.rtf", "n"}}, broken)));
    Fixture f;
    QVERIFY(f.doc.importIgv(igv));
    QCOMPARE(test::describeTree(f.tree), QString("Root #0"));
    QVERIFY(!QFileInfo::exists(f.doc.pagePath(0)));
    QVERIFY(f.prompts.log.isEmpty());
}

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
