// Every command exists as a QAction carrying its documented name, category, caption,
// shortcut and hint; the hint is both tooltip and hint-line text.

#include "app/command_table.h"
#include "helpers_window.h"

#include <QAction>
#include <QKeySequence>
#include <QTest>
#include <QToolBar>
#include <QWidgetAction>

using namespace quillet;

class TestCommandTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture = std::make_unique<test::WindowFixture>(); }
    void cleanupTestCase() { fixture.reset(); }

    void command_data();
    void command();
    void noUndocumentedCommands();
    void everyVisibleCommandHasAPicture();

private:
    std::unique_ptr<test::WindowFixture> fixture;
    QSet<QString> documented;
};

void TestCommandTable::command_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("hint");
    // clang-format off
    QTest::newRow("FileExit") << "File" << "&Exit" << "Alt+F4" << "Exit Application";
    QTest::newRow("FileNew") << "File" << "&New" << "Ctrl+N" << "Create New File";
    QTest::newRow("FileOpen") << "File" << "&Open" << "Ctrl+O" << "Open Existing fIle";
    QTest::newRow("FilePrint") << "File" << "&Print" << "Ctrl+P" << "Print Current Document";
    QTest::newRow("FilePrintSetup") << "File" << "Print Set&up" << "Ctrl+Y" << "Printer Setup";
    QTest::newRow("FileProperties") << "File" << "Properties" << "Ctrl+Shift+F2" << "View / Set Document Proerties";
    QTest::newRow("FileSave") << "File" << "&Save" << "Ctrl+S" << "Save Current File";
    QTest::newRow("FileSaveAs") << "File" << "Save &As" << "F11" << "Save Current File As";
    QTest::newRow("fileImportIgv") << "File" << "Import Ideagrove File" << "" << "";
    QTest::newRow("EditCopy1") << "Edit" << "&Copy" << "Ctrl+C" << "Copy";
    QTest::newRow("EditCountChars") << "Edit" << "Count Characters" << "" << "Count characters";
    QTest::newRow("EditCountWords") << "Edit" << "Count &Words" << "" << "Count words";
    QTest::newRow("EditCut1") << "Edit" << "Cu&t" << "Ctrl+X" << "Cut";
    QTest::newRow("EditDelete1") << "Edit" << "&Delete" << "" << "Delete Selected Text";
    QTest::newRow("EditPaste1") << "Edit" << "&Paste" << "Ctrl+V" << "Paste";
    QTest::newRow("EditPasteSpecial") << "Edit" << "Paste &Special" << "Ctrl+Shift+V" << "Paste special dialog";
    QTest::newRow("EditProperties") << "Edit" << "&Properties" << "F5" << "Edit article properties";
    QTest::newRow("EditRedo") << "Edit" << "&Redo" << "Ctrl+Shift+Z" << "Redo Last Action";
    QTest::newRow("EditSelectAll1") << "Edit" << "Select &All" << "Ctrl+A" << "Select All Text";
    QTest::newRow("EditUndo1") << "Edit" << "&Undo" << "Alt+Backspace" << "Undo Last Action";
    QTest::newRow("editChangeCase") << "Edit" << "C&hange Case" << "" << "Change case of selected text";
    QTest::newRow("SearchFind") << "Search" << "&Find" << "Ctrl+F" << "Find In Current Document";
    QTest::newRow("SearchFindNext") << "Search" << "Find &Next" << "F3" << "Find Next In Current Document";
    QTest::newRow("SearchReplace") << "Search" << "&Replace" << "Ctrl+H" << "Search and Replace In Current Document";
    QTest::newRow("TreeAddNode") << "Tree" << "&Add Node" << "Ctrl+J" << "Add Node To Tree";
    QTest::newRow("TreeChangeIcon") << "Tree" << "Change Icon" << "Ctrl+F2" << "Change Icon Of Selected Node In Tree";
    QTest::newRow("TreeCopyLink") << "Tree" << "&Copy Link" << "Ctrl+Alt+C" << "Copy node link";
    QTest::newRow("TreeDeleteNode") << "Tree" << "&Delete Node" << "Ctrl+D" << "Delete Node From Tree";
    QTest::newRow("TreeFindNode") << "Tree" << "Find Node" << "Ctrl+Shift+F" << "Find Node";
    QTest::newRow("TreeMoveDown") << "Tree" << "TreeMoveDown" << "" << "";
    QTest::newRow("TreeMoveUp") << "Tree" << "Move Up" << "" << "";
    QTest::newRow("TreePrint") << "Tree" << "Print Tree Layout" << "Ctrl+Shift+P" << "Print tree layout";
    QTest::newRow("TreeSortNode") << "Tree" << "&Sort Node" << "Ctrl+F3" << "Sort nodes";
    QTest::newRow("treeRenameNode") << "Tree" << "Rename" << "F2" << "Rename node";
    QTest::newRow("AA_Story_Add") << "Stories" << "&Add Story" << "Alt+J" << "";
    QTest::newRow("InsertAll") << "Insert" << "" << "" << "";
    QTest::newRow("InsertFromFile") << "Insert" << "From Text &File" << "" << "Insert from file";
    QTest::newRow("InsertIcon") << "Insert" << "Ico&n" << "" << "Insert an icon";
    QTest::newRow("InsertLink") << "Insert" << "Insert &Link" << "" << "";
    QTest::newRow("InsertObject") << "Insert" << "Object" << "" << "Insert an object into document";
    QTest::newRow("InsertObjectProperties") << "Insert" << "Object P&roperties" << "" << "View object properties";
    QTest::newRow("InsertPicture") << "Insert" << "&Picture" << "" << "Insert a picture from a file into your document";
    QTest::newRow("FormatAlignCenter") << "Format" << "Align &Center" << "Ctrl+E" << "Align Paragraph Center";
    QTest::newRow("FormatAlignFull") << "Format" << "Align &Full" << "" << "";
    QTest::newRow("FormatAlignLeft") << "Format" << "Align &Left" << "Ctrl+L" << "Align Paragraph Left";
    QTest::newRow("FormatAlignRight") << "Format" << "Align &Right" << "Ctrl+R" << "Align Paragraph Right";
    QTest::newRow("FormatBold") << "Format" << "&Bold" << "Ctrl+B" << "Bold";
    QTest::newRow("FormatBullets") << "Format" << "&Bullets" << "" << "Bulletted List";
    QTest::newRow("FormatDisabled") << "Format" << "&Disabled" << "" << "Format as disabled";
    QTest::newRow("FormatFont") << "Format" << "&Font" << "" << "Format font";
    QTest::newRow("FormatFontColor") << "Format" << "Font &Color" << "" << "Change Font Color";
    QTest::newRow("FormatItalic") << "Format" << "&Italic" << "Ctrl+I" << "Italic";
    QTest::newRow("FormatPara") << "Format" << "Format Paragraph" << "F6" << "Format paragraph";
    QTest::newRow("FormatStyleManager") << "Format" << "&Style Manager" << "Ctrl+F11" << "Style Manager Dialog";
    QTest::newRow("FormatText") << "Format" << "Format &Text" << "Ctrl+F6" << "";
    QTest::newRow("FormatUnderline") << "Format" << "&Underline" << "Ctrl+U" << "Underline";
    QTest::newRow("formatBackground") << "Format" << "&Background Color" << "" << "Format background color";
    QTest::newRow("formatHidden") << "Format" << "Hidden" << "" << "Format as hidden";
    QTest::newRow("formatProtected") << "Format" << "Pro&tected" << "" << "Format as protected";
    QTest::newRow("ToolsCalc") << "Tools" << "Calculator" << "" << "Use calculator";
    QTest::newRow("ToolsDecrypt") << "Tools" << "Decrypt" << "" << "Decrypt the selected text";
    QTest::newRow("ToolsEncrypt") << "Tools" << "Encrypt" << "" << "Encrypt the selected text";
    QTest::newRow("ToolsEval") << "Tools" << "Evaluate" << "Ctrl+Shift+E" << "";
    QTest::newRow("ToolsJoinLines") << "Tools" << "Join Lines" << "Ctrl+K" << "Join selected lines into one";
    QTest::newRow("ToolsVazeve") << "Tools" << "Vazeve" << "Ctrl+Alt+F7" << "";
    QTest::newRow("ToolsNameLookup") << "Tools" << "&Name Lookup" << "Ctrl+Shift+Alt+F7" << "";
    QTest::newRow("ToolsReformatLines") << "Tools" << "&Reformat Lines" << "Ctrl+Shift+K" << "Reformat Paragraphs";
    QTest::newRow("ToolsRemoveBlankLines") << "Tools" << "Remove &Blank Lines" << "Ctrl+Alt+K" << "Remove Blank lines from paragraph";
    QTest::newRow("ToolsReverse") << "Tools" << "Reverse" << "" << "Reverse the string";
    QTest::newRow("ToolsSort") << "Tools" << "&Sort" << "" << "Sort selected lines";
    QTest::newRow("ToolsSpellCheck") << "Tools" << "&Spell Check Document" << "F7" << "Spell check";
    QTest::newRow("ToolsSpellSelection") << "Tools" << "&Spell Check Selection" << "Ctrl+F7" << "Spell check selection";
    QTest::newRow("ToolsTrimAll") << "Tools" << "Trim All" << "" << "Trim spaces from both sides";
    QTest::newRow("ToolsTrimLeft") << "Tools" << "Trim Left" << "" << "Trim spaces from the left";
    QTest::newRow("ToolsTrimRight") << "Tools" << "Trim Right" << "" << "Trim spaces from the right";
    QTest::newRow("OptionsViewRuler") << "Options" << "View Ruler" << "" << "";
    QTest::newRow("ToolsWordSelection") << "Options" << "Word S&election" << "Ctrl+Shift+W" << "Toggle word selection";
    QTest::newRow("ToolsWordWrap") << "Options" << "&Word Wrap" << "Ctrl+W" << "Toggle word wrap";
    QTest::newRow("ImportDirTree") << "Import" << "Import Directory" << "" << "Import a directory tree structure for all selected file types";
    QTest::newRow("ExportDocument") << "Import" << "Export &Document" << "" << "Export a document";
    QTest::newRow("ExportNode2") << "Import" << "Export Node To Directory" << "" << "Export node tree to a directory structure";
    QTest::newRow("ImportDocument") << "Import" << "Import &Document" << "" << "Import a document";
    QTest::newRow("HelpAbout") << "Help" << "&About" << "Ctrl+F1" << "About Ideagrove";
    // clang-format on
}

void TestCommandTable::command() {
    QFETCH(QString, category);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(QString, hint);
    const QString id = QString::fromLatin1(QTest::currentDataTag());
    documented.insert(id);

    QAction* a = fixture->window->action(id);
    QVERIFY2(a, qPrintable(id));
    QCOMPARE(a->objectName(), id);
    QCOMPARE(a->property("category").toString(), category);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
    QCOMPARE(a->statusTip(), hint);
    if (!hint.isEmpty())
        QCOMPARE(a->toolTip(), hint);
}

void TestCommandTable::noUndocumentedCommands() {
    for (const CommandInfo& c : commandTable())
        QVERIFY2(documented.contains(QString::fromLatin1(c.id)), c.id);
    QCOMPARE(fixture->window->actions().size(), documented.size());
}

void TestCommandTable::everyVisibleCommandHasAPicture() {
    // Everything on a toolbar must show a picture even on a machine without a desktop theme.
    for (const char* tb : {"tbFile", "tbEdit", "tbTree", "tbStyle", "tbVarious", "tbTextTools"}) {
        QToolBar* bar = fixture->window->toolBar(QString::fromLatin1(tb));
        QVERIFY(bar);
        for (QAction* a : bar->actions()) {
            if (a->isSeparator() || !a->objectName().size() || a->text().isEmpty())
                continue;
            if (qobject_cast<QWidgetAction*>(a))
                continue;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            QVERIFY2(!a->icon().pixmap(16, 16).isNull(), qPrintable(a->objectName()));
        }
    }
}

QTEST_MAIN(TestCommandTable)
#include "test_command_table.moc"
