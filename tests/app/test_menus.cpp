// The main menu, its submenus, the editor's context menu and the toolbars hold the documented
// items in the documented order, with separators where documented.

#include "helpers_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace quillet;

namespace {
// One line per menu entry: a command's caption, "-" for a separator, "[Caption: a, b]" for a
// submenu with its items.
QStringList describe(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            out << QStringLiteral("-");
        } else if (QMenu* m = a->menu()) {
            QStringList inner = describe(m->actions());
            out << QStringLiteral("[%1: %2]").arg(a->text(), inner.join(QStringLiteral(", ")));
        } else {
            out << a->text();
        }
    }
    return out;
}
} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture = std::make_unique<test::WindowFixture>(); }
    void cleanupTestCase() { fixture.reset(); }

    void topLevelOrder();
    void menu_data();
    void menu();
    void editorContextMenu();
    void toolbars_data();
    void toolbars();
    void toolbarRows();
    void recentMenuDisabledWhenEmpty();

private:
    std::unique_ptr<test::WindowFixture> fixture;
};

void TestMenus::topLevelOrder() {
    QStringList captions;
    for (QAction* a : fixture->window->menuBar()->actions())
        captions << a->text();
    QCOMPARE(captions, QStringList({"&File", "&Edit", "Se&arch", "&Tree", "Te&mplates", "&Stories",
                                    "&Insert", "F&ormat", "Too&ls", "&Options", "&Help"}));
}

void TestMenus::menu_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("items");
    QTest::newRow("File") << "mnuFile"
                          << "&New|&Open|&Save|Save &As|-|[&Import: Import Ideagrove File, "
                             "Import &Document, Import Directory]|[E&xport: Export &Document, "
                             "Export Node To Directory]|-|Properties|-|[Recen&t: ]|-|&Print|"
                             "Print Set&up|-|&Exit";
    QTest::newRow("Edit") << "mnuEdit"
                          << "&Undo|&Redo|-|Cu&t|&Copy|&Paste|Paste &Special|-|Select &All|"
                             "&Delete|-|C&hange Case|-|Count &Words|Count Characters|-|"
                             "&Properties";
    QTest::newRow("Search") << "mnuSearch"
                            << "&Find|Find &Next|-|&Replace";
    QTest::newRow("Tree") << "mnuTree"
                          << "&Add Node|&Delete Node|Rename|-|&Sort Node|Change Icon|Find Node|-|"
                             "Print Tree Layout|&Copy Link";
    QTest::newRow("Templates") << "mnuTemplates"
                               << "";
    QTest::newRow("Stories") << "mnuStories"
                             << "&Add Story";
    QTest::newRow("Insert") << "mnuInsert"
                            << "Object|Ico&n|&Picture|From Text &File|Insert &Link|-|"
                               "Object P&roperties";
    QTest::newRow("Format") << "mnuFormat"
                            << "&Bold|&Italic|&Underline|-|Pro&tected|&Disabled|Hidden|-|"
                               "[&Paragraph: Align &Left, Align &Center, Align &Right, "
                               "Align &Full, -, &Bullets]|-|[&Font: &Font, Font &Color, "
                               "&Background Color]|-|Format Paragraph|Format &Text|-|"
                               "&Style Manager";
    QTest::newRow("Tools") << "mnuTools"
                           << "Calculator|-|&Spell Check Document|&Spell Check Selection|Vazeve|"
                              "&Name Lookup|-|Join Lines|&Reformat Lines|Remove &Blank Lines|-|"
                              "[&Trim: Trim All, Trim Left, Trim Right]|[&Encryption: Encrypt, "
                              "Decrypt]|-|Evaluate|Reverse|&Sort";
    QTest::newRow("Options") << "mnuOptions"
                             << "&Word Wrap|Word S&election|View Ruler";
    QTest::newRow("Help") << "mnuHelp"
                          << "&About";
}

void TestMenus::menu() {
    QFETCH(QString, menu);
    QFETCH(QString, items);
    auto* m = fixture->window->findChild<QMenu*>(menu);
    QVERIFY(m);
    QCOMPARE(describe(m->actions()).join(QLatin1Char('|')), items);
}

void TestMenus::editorContextMenu() {
    auto* m = fixture->window->findChild<QMenu*>(QStringLiteral("mnuEditorPopup"));
    QVERIFY(m);
    QCOMPARE(describe(m->actions()).join(QLatin1Char('|')),
             QStringLiteral("Cu&t|&Copy|&Paste|-|Select &All|-|&Find|&Replace"));
}

void TestMenus::toolbars_data() {
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("items");
    QTest::newRow("File") << "tbFile"
                          << "File Toolbar"
                          << "FileNew|-|FileOpen|FileSave|-|FilePrint|FilePrintSetup";
    QTest::newRow("Edit") << "tbEdit"
                          << "Edit Toolbar"
                          << "EditCut1|EditCopy1|EditPaste1|-|EditUndo1|EditRedo|-|editChangeCase";
    QTest::newRow("Tree") << "tbTree"
                          << "Tree Toolbar"
                          << "TreeAddNode|TreeDeleteNode|AA_Story_Add|-|treeRenameNode|"
                             "TreeSortNode|-|TreeChangeIcon|-|TreeCopyLink|-|TreeFindNode|-|"
                             "TreePrint";
    QTest::newRow("Style") << "tbStyle"
                           << "Style Toolbar"
                           << "cboStyles|cboFonts|-|seFontSize|FormatBold|FormatItalic|"
                              "FormatUnderline|-|FormatAlignLeft|FormatAlignCenter|"
                              "FormatAlignRight|FormatAlignFull|-|FormatBullets|-|FormatPara|"
                              "FormatText|-|FormatFontColor|formatBackground";
    QTest::newRow("Various") << "tbVarious"
                             << "Various Toolbar"
                             << "ToolsSpellCheck|ToolsVazeve|-|ToolsCalc|-|EditProperties";
    QTest::newRow("TextTools") << "tbTextTools"
                               << "Text Tools Toolbar"
                               << "ToolsEncrypt|ToolsDecrypt|-|ToolsJoinLines|ToolsReformatLines|"
                                  "ToolsRemoveBlankLines|-|ToolsReverse|ToolsSort|-|"
                                  "ToolsNameLookup";
}

void TestMenus::toolbars() {
    QFETCH(QString, toolbar);
    QFETCH(QString, caption);
    QFETCH(QString, items);
    QToolBar* tb = fixture->window->toolBar(toolbar);
    QVERIFY(tb);
    QCOMPARE(tb->windowTitle(), caption);
    QVERIFY(tb->isMovable());
    QVERIFY(tb->isFloatable());
    QStringList names;
    for (QAction* a : tb->actions()) {
        if (a->isSeparator())
            names << QStringLiteral("-");
        else if (QWidget* w = tb->widgetForAction(a); w && !a->objectName().size())
            names << w->objectName();
        else
            names << a->objectName();
    }
    QCOMPARE(names.join(QLatin1Char('|')), items);
}

void TestMenus::toolbarRows() {
    // File, Edit and Tree share the first row; Style is alone in the second; Various and Text
    // Tools share the third.
    auto y = [&](const char* name) { return fixture->window->toolBar(name)->geometry().top(); };
    QCOMPARE(y("tbEdit"), y("tbFile"));
    QCOMPARE(y("tbTree"), y("tbFile"));
    QVERIFY(y("tbStyle") > y("tbFile"));
    QVERIFY(y("tbVarious") > y("tbStyle"));
    QCOMPARE(y("tbTextTools"), y("tbVarious"));
}

void TestMenus::recentMenuDisabledWhenEmpty() {
    auto* recent = fixture->window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
    QVERIFY(recent);
    QVERIFY(recent->actions().isEmpty());
    QVERIFY(!recent->isEnabled());
}

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
