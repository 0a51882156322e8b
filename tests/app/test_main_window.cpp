// The main window as a person meets it: start-up, busy state, settings, hints, the edit and
// option commands, the toolbar menu and the status bar.

#include "app/about_dialog.h"
#include "app/status_bar_widget.h"
#include "helpers_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

using namespace quillet;
using test::WindowFixture;

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithRootNode();
    void startWithMissingPathIsSilent();
    void busyStateDisablesAndRestores();
    void busyStateDoesNotNest();
    void settingsKeysAreWrittenUnderTheirNames();
    void settingsRestoreToolbarsAndPlacement();
    void placementIgnoredOnOtherResolution();
    void defaultsAreNeverWritten();
    void recentFilesReadInOrder();
    void unbuiltCommandSaysSo();
    void modifiedIndicatorFollowsFlag();
    void editCommandsWorkOnTheEditor();
    void wordWrapAndRulerToggle();
    void toolbarMenuTogglesAndShowsState();
    void hintLineShowsHint();
    void aboutBox();
};

void TestMainWindow::startsWithRootNode() {
    WindowFixture f;
    QAbstractItemModel* model = f.window->treeView()->model();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Root"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Quillet"));
    // Every resize refreshes the status line.
    f.window->resize(900, 620);
    QTRY_COMPARE(f.window->quilletStatusBar()->statusLine(),
                 QStringLiteral("Line: 1 Col: 1 Node Count: 0"));
    QVERIFY(f.window->editor()->toPlainText().isEmpty());
    QCOMPARE(f.window->ruler()->height(), 26);
    // The text keeps 6 pixels from the editor's left and right edges.
    RichEditor* ed = f.window->editor();
    QCOMPARE(ed->viewport()->x() - ed->frameWidth(), 6);
    QCOMPARE(ed->width() - ed->frameWidth() - (ed->viewport()->x() + ed->viewport()->width()) -
                 (ed->verticalScrollBar()->isVisible() ? ed->verticalScrollBar()->width() : 0),
             6);
    QVERIFY(f.window->treeView()->width() >= 220);
    // An untitled document: everything that needs a path is off.
    for (const char* id :
         {"FilePrint", "FileProperties", "TreePrint", "ImportDocument", "ImportDirTree",
          "ExportDocument", "ExportNode2", "ToolsSpellSelection", "FileSave"})
        QVERIFY2(!f.window->action(QString::fromLatin1(id))->isEnabled(), id);
}

void TestMainWindow::startWithMissingPathIsSilent() {
    WindowFixture f(QStringLiteral("/nonexistent/folder/story.qlt"));
    QVERIFY(f.prompts.log.isEmpty());
    QCOMPARE(f.window->treeView()->model()->rowCount(), 1);
    QVERIFY(!f.window->hasDocumentPath());
}

void TestMainWindow::busyStateDisablesAndRestores() {
    WindowFixture f;
    TfrmQuillet* w = f.window.get();
    QProgressBar* gauge = w->quilletStatusBar()->gauge();
    QVERIFY(!gauge->isEnabled());

    w->SetBusy(true);
    QVERIFY(w->isBusy());
    QCOMPARE(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                            : Qt::ArrowCursor,
             Qt::WaitCursor);
    QCOMPARE(w->quilletStatusBar()->hintLine(), QStringLiteral("Working...."));
    QVERIFY(!w->treeView()->isEnabled());
    QVERIFY(!w->editor()->isEnabled());
    for (const char* tb : {"tbFile", "tbEdit", "tbVarious", "tbTree", "tbStyle", "tbTextTools"})
        QVERIFY2(!w->toolBar(QString::fromLatin1(tb))->isEnabled(), tb);
    QVERIFY(gauge->isEnabled());

    w->SetBusy(false);
    QVERIFY(!w->isBusy());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(w->quilletStatusBar()->hintLine().isEmpty());
    QVERIFY(w->treeView()->isEnabled());
    QVERIFY(w->editor()->isEnabled());
    for (const char* tb : {"tbFile", "tbEdit", "tbVarious"})
        QVERIFY2(w->toolBar(QString::fromLatin1(tb))->isEnabled(), tb);
    QVERIFY(!gauge->isEnabled());
}

void TestMainWindow::busyStateDoesNotNest() {
    WindowFixture f;
    f.window->SetBusy(true);
    f.window->SetBusy(true);
    f.window->SetBusy(false);
    QVERIFY(!f.window->isBusy());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(f.window->editor()->isEnabled());
}

void TestMainWindow::settingsKeysAreWrittenUnderTheirNames() {
    WindowFixture f;
    f.window->toolBar(QStringLiteral("tbTree"))->hide();
    f.window->settingsValues().calcValue = 42.5;
    f.window->close();
    QSettings s(f.settingsFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("GeneralSettings"));
    for (const char* key :
         {"Flags", "ShowCmd", "MinMaxPos", "NormPos", "PixelsPerInch", "tbFile_Visible",
          "tbEdit_Visible", "tbStyle_Visible", "tbVarious_Visible", "tbTree_Visible",
          "tbTextTools_Visible", "dlgCalc_Value", "MRUManager1_Capacity"})
        QVERIFY2(s.contains(QString::fromLatin1(key)), key);
    QCOMPARE(s.value(QStringLiteral("tbTree_Visible")).toBool(), false);
    QCOMPARE(s.value(QStringLiteral("tbFile_Visible")).toBool(), true);
    QCOMPARE(s.value(QStringLiteral("dlgCalc_Value")).toDouble(), 42.5);
    QCOMPARE(s.value(QStringLiteral("MRUManager1_Capacity")).toInt(), 20);
    bool ok = false;
    const QRect r = rectFromText(s.value(QStringLiteral("NormPos")).toString(), &ok);
    QVERIFY(ok);
    QCOMPARE(r.size(), f.window->normalGeometry().size());
}

void TestMainWindow::settingsRestoreToolbarsAndPlacement() {
    WindowFixture f;
    f.window->toolBar(QStringLiteral("tbStyle"))->hide();
    f.window->setGeometry(QRect(40, 50, 700, 500));
    f.window->close();
    f.restart();
    QVERIFY(f.window->toolBar(QStringLiteral("tbStyle"))->isHidden());
    QVERIFY(f.window->toolBar(QStringLiteral("tbFile"))->isVisible());
    QCOMPARE(f.window->geometry().size(), QSize(700, 500));
}

void TestMainWindow::placementIgnoredOnOtherResolution() {
    WindowFixture f(QString(), false);
    {
        QSettings s(f.settingsFile(), QSettings::IniFormat);
        s.beginGroup(QStringLiteral("GeneralSettings"));
        s.setValue(QStringLiteral("Flags"), 0);
        s.setValue(QStringLiteral("ShowCmd"), 1);
        s.setValue(QStringLiteral("MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
        s.setValue(QStringLiteral("NormPos"), QStringLiteral("10,10,410,310"));
        const int ppi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
        s.setValue(QStringLiteral("PixelsPerInch"), ppi + 24);
    }
    f.restart();
    QVERIFY(f.window->geometry().size() != QSize(400, 300));
}

void TestMainWindow::defaultsAreNeverWritten() {
    WindowFixture f(QString(), false);
    {
        QSettings s(f.settingsFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("GeneralSettings/DefaultAuthor"), QStringLiteral("Jane Roe"));
    }
    f.restart();
    QCOMPARE(f.window->settingsValues().defaultAuthor, QStringLiteral("Jane Roe"));
    f.window->settingsValues().defaultAuthor = QStringLiteral("changed in memory");
    f.window->close();
    QSettings s(f.settingsFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("GeneralSettings/DefaultAuthor")).toString(),
             QStringLiteral("Jane Roe"));
    QVERIFY(!s.contains(QStringLiteral("GeneralSettings/DefaultEMail")));
}

void TestMainWindow::recentFilesReadInOrder() {
    QTemporaryDir dir;
    QSettings s(dir.filePath(QStringLiteral("r.ini")), QSettings::IniFormat);
    s.setValue(QStringLiteral("GeneralSettings/TfrmQuillet.MRUManager1/Item_0"), "/a.qlt");
    s.setValue(QStringLiteral("GeneralSettings/TfrmQuillet.MRUManager1/Item_1"), "/b.qlt");
    s.setValue(QStringLiteral("GeneralSettings/TfrmQuillet.MRUManager1/Item_3"), "/gap.qlt");
    const GeneralSettings g = loadGeneralSettings(s);
    QCOMPARE(g.recentFiles, QStringList({"/a.qlt", "/b.qlt"}));
    saveGeneralSettings(s, g);
    QVERIFY(!s.contains(QStringLiteral("GeneralSettings/TfrmQuillet.MRUManager1/Item_3")));
}

void TestMainWindow::unbuiltCommandSaysSo() {
    WindowFixture f;
    f.window->action(QStringLiteral("ToolsNameLookup"))->trigger();
    QCOMPARE(f.prompts.log,
             QStringList({"information: \"Name Lookup\" is not available yet in this version "
                          "of Quillet."}));
}

void TestMainWindow::modifiedIndicatorFollowsFlag() {
    WindowFixture f;
    StatusPicture* indicator = f.window->quilletStatusBar()->modifiedPanel();
    int saves = 0;
    f.window->setCommandHandler(QStringLiteral("FileSave"), [&] { ++saves; });
    QVERIFY(!indicator->isEnabled());
    QTest::mouseClick(indicator, Qt::LeftButton);
    QCOMPARE(saves, 0);

    f.window->setModified(true);
    f.window->UpdateCommandStates();
    QVERIFY(indicator->isEnabled());
    QVERIFY(f.window->action(QStringLiteral("FileSave"))->isEnabled());
    QTest::mouseClick(indicator, Qt::LeftButton);
    QCOMPARE(saves, 1);

    f.window->setModified(false);
    QVERIFY(!indicator->isEnabled());
}

void TestMainWindow::editCommandsWorkOnTheEditor() {
    WindowFixture f;
    QTextEdit* ed = f.window->editor();
    ed->setPlainText(QStringLiteral("Once upon a time"));
    f.window->UpdateCommandStates();
    QVERIFY(!f.window->action(QStringLiteral("EditCopy1"))->isEnabled());

    f.window->runCommand(QStringLiteral("EditSelectAll1"));
    QVERIFY(f.window->action(QStringLiteral("EditCopy1"))->isEnabled());
    QVERIFY(f.window->action(QStringLiteral("ToolsJoinLines"))->isEnabled());
    f.window->runCommand(QStringLiteral("EditCut1"));
    QVERIFY(ed->toPlainText().isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Once upon a time"));
    QVERIFY(f.window->action(QStringLiteral("EditUndo1"))->isEnabled());

    f.window->setModified(false);
    f.window->runCommand(QStringLiteral("EditPaste1"));
    QCOMPARE(ed->toPlainText(), QStringLiteral("Once upon a time"));
    QVERIFY(f.window->isModified());

    f.window->runCommand(QStringLiteral("EditUndo1"));
    QVERIFY(ed->toPlainText().isEmpty());
    f.window->runCommand(QStringLiteral("EditRedo"));
    QCOMPARE(ed->toPlainText(), QStringLiteral("Once upon a time"));

    QTextCursor c = ed->textCursor();
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    ed->setTextCursor(c);
    f.window->runCommand(QStringLiteral("EditDelete1"));
    QCOMPARE(ed->toPlainText(), QStringLiteral("upon a time"));
}

void TestMainWindow::wordWrapAndRulerToggle() {
    WindowFixture f;
    QAction* wrap = f.window->action(QStringLiteral("ToolsWordWrap"));
    QAction* ruler = f.window->action(QStringLiteral("OptionsViewRuler"));
    QAction* words = f.window->action(QStringLiteral("ToolsWordSelection"));
    QVERIFY(wrap->isChecked());
    QVERIFY(ruler->isChecked());
    QVERIFY(!words->isChecked());
    wrap->trigger();
    QCOMPARE(f.window->editor()->lineWrapMode(), QTextEdit::NoWrap);
    QVERIFY(!wrap->isChecked());
    ruler->trigger();
    QVERIFY(f.window->ruler()->isHidden());
    QVERIFY(!ruler->isChecked());
    words->trigger();
    QVERIFY(words->isChecked());
    wrap->trigger();
    QVERIFY(wrap->isChecked());
    QCOMPARE(f.window->editor()->lineWrapMode(), QTextEdit::WidgetWidth);
}

void TestMainWindow::toolbarMenuTogglesAndShowsState() {
    WindowFixture f;
    f.window->toolBar(QStringLiteral("tbVarious"))->hide();
    std::unique_ptr<QMenu> menu(f.window->createPopupMenu());
    QStringList captions;
    for (QAction* a : menu->actions()) {
        captions << a->text();
        const bool visible = !f.window->toolBar(a->objectName().mid(11))->isHidden();
        QCOMPARE(a->isChecked(), visible);
    }
    QCOMPARE(captions,
             QStringList({"File", "&Edit", "&Style", "&Various", "&Tree", "&Text Tools"}));
    menu->actions().at(0)->trigger(); // File: visible -> hidden
    QVERIFY(f.window->toolBar(QStringLiteral("tbFile"))->isHidden());
    menu->actions().at(3)->trigger(); // Various: hidden -> visible
    QVERIFY(!f.window->toolBar(QStringLiteral("tbVarious"))->isHidden());
}

void TestMainWindow::hintLineShowsHint() {
    WindowFixture f;
    QStatusTipEvent tip(QStringLiteral("Create New File"));
    QApplication::sendEvent(f.window.get(), &tip);
    QCOMPARE(f.window->quilletStatusBar()->hintLine(), QStringLiteral("Create New File"));
    QStatusTipEvent leave(QString{});
    QApplication::sendEvent(f.window.get(), &leave);
    QVERIFY(f.window->quilletStatusBar()->hintLine().isEmpty());
}

void TestMainWindow::aboutBox() {
    WindowFixture f;
    QString caption, product, version;
    bool busyWhileShown = false;
    // The box appears after the busy state has already let events run: wait for it.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        caption = box->windowTitle();
        product = box->findChild<QLabel*>(QStringLiteral("lblProduct"))->text();
        version = box->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        busyWhileShown = f.window->isBusy();
        box->accept();
    });
    poll.start();
    f.window->runCommand(QStringLiteral("HelpAbout"));
    QCOMPARE(caption, QStringLiteral("About - Quillet"));
    QCOMPARE(product, QStringLiteral("Quillet"));
    QVERIFY(version.startsWith(QStringLiteral("Version ")));
    QCOMPARE(version.mid(8).split(QLatin1Char('.')).size(), 4);
    QVERIFY(busyWhileShown);
    QVERIFY(!f.window->isBusy());
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
