// The Format, Search and Change Case commands in the real window: toolbar widgets, checked
// states, status line, ruler, style list and the dialogs.

#include "app/status_bar_widget.h"
#include "app/wire_format.h"
#include "editing/find_replace_dialog.h"
#include "editing/ruler_widget.h"
#include "editing/style_sheet.h"
#include "helpers_window.h"
#include "store/app_paths.h"
#include "store/node_tree.h"
#include "ui/rich_editor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

using namespace quillet;
using test::WindowFixture;

namespace {

void select(RichEditor* e, int from, int to) {
    QTextCursor c = e->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    e->setTextCursor(c);
}

} // namespace

class TestFormatCommands : public QObject {
    Q_OBJECT

    QString m_sheet;

private slots:
    void init() {
        // The window reads the style sheet beside the executable, named after it.
        m_sheet = programDirectory() + StyleSheetLocation::fileName();
        QFile f(m_sheet);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Styles]\r\nCount=2\r\n1=Body\r\n2=Title\r\n\r\n"
                "[Body]\r\nFontName=Georgia\r\nFontSize=12\r\nColorR=0\r\nBColorR=255\r\n"
                "BColorG=255\r\nBColorB=255\r\n\r\n"
                "[Title]\r\nAlignment=Center\r\nFontName=Georgia\r\nFontSize=20\r\nBold=1\r\n"
                "BColorR=255\r\nBColorG=255\r\nBColorB=255\r\n\r\n");
    }
    void cleanupTestCase() { QFile::remove(m_sheet); }

    void boldTogglesAndIsChecked() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        e->setPlainText(QStringLiteral("some words"));
        f.window->setModified(false);
        select(e, 0, 4);
        f.window->runCommand(QStringLiteral("FormatItalic"));
        // The editor's change report marks the document.
        QVERIFY(f.window->isModified());
        f.window->runCommand(QStringLiteral("FormatBold"));
        QVERIFY(e->charAttributes().bold);
        QVERIFY(e->charAttributes().italic);
        QVERIFY(f.window->action(QStringLiteral("FormatBold"))->isChecked());
        f.window->runCommand(QStringLiteral("FormatBold"));
        QVERIFY(!e->charAttributes().bold);
        QVERIFY(e->charAttributes().italic);
        QVERIFY(!f.window->action(QStringLiteral("FormatBold"))->isChecked());
        QVERIFY(f.window->action(QStringLiteral("FormatItalic"))->isChecked());
        f.window->runCommand(QStringLiteral("FormatAlignFull"));
        QVERIFY(f.window->action(QStringLiteral("FormatAlignFull"))->isChecked());
        QVERIFY(!f.window->action(QStringLiteral("FormatAlignLeft"))->isChecked());
        QVERIFY(f.prompts.log.isEmpty());
    }

    void statusLineFollowsTheCaret() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        f.window->selectNode(f.window->nodeTree().firstNode());
        e->setPlainText(QStringLiteral("one\ntwo"));
        select(e, 0, 0);
        editorSelectionChange(*f.window);
        QCOMPARE(f.window->quilletStatusBar()->statusLine(),
                 QStringLiteral("Line: 1 Col: 1 Node: 0/0"));
        select(e, 6, 6);
        QCOMPARE(f.window->quilletStatusBar()->statusLine(),
                 QStringLiteral("Line: 2 Col: 3 Node: 0/0"));
        f.window->selectNode(nullptr);
        QCOMPARE(f.window->quilletStatusBar()->statusLine(),
                 QStringLiteral("Line: 2 Col: 3 Node Count: 0"));
    }

    void styleListAppliesAndMatches() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        auto* styles = f.window->findChild<QComboBox*>(QStringLiteral("cboStyles"));
        QCOMPARE(styles->count(), 2);
        QCOMPARE(styles->currentIndex(), -1);
        e->setPlainText(QStringLiteral("Chapter One"));
        f.window->setModified(false);
        select(e, 0, 7);
        styles->setCurrentIndex(1);
        emit styles->activated(1);
        QCOMPARE(e->charAttributes().size, 20);
        QVERIFY(e->charAttributes().bold);
        QCOMPARE(e->paraAttributes().alignment, int(AlignCenter));
        QVERIFY(f.window->isModified());
        // Moving the selection elsewhere and back: the list follows what matches.
        select(e, 8, 11);
        QCOMPARE(styles->currentIndex(), -1);
        select(e, 1, 3);
        QCOMPARE(styles->currentText(), QStringLiteral("Title"));
    }

    void fontListAndSizeBox() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        e->setPlainText(QStringLiteral("words"));
        select(e, 0, 5);
        auto* size = f.window->findChild<QSpinBox*>(QStringLiteral("seFontSize"));
        size->setValue(17);
        QTest::mouseClick(size->findChild<QLineEdit*>(), Qt::LeftButton);
        QCOMPARE(e->charAttributes().size, 17);
        auto* fonts = f.window->findChild<QComboBox*>(QStringLiteral("cboFonts"));
        QVERIFY(fonts->count() > 0);
        const QString family = fonts->itemText(0);
        emit fonts->activated(0);
        QCOMPARE(e->charAttributes().fontName, family);
    }

    void rulerStripSitsInTheRulerArea() {
        WindowFixture f;
        auto* ruler = f.window->ruler()->findChild<RulerWidget*>(QStringLiteral("Ruler"));
        QVERIFY(ruler);
        QVERIFY(ruler->isVisible());
        RichEditor* e = f.window->editor();
        e->setPlainText(QStringLiteral("para"));
        ParaAttributes p;
        p.firstIndent = 30;
        e->setParaAttributes(p, ParaField::FirstIndent);
        editorSelectionChange(*f.window);
        QCOMPARE(ruler->firstInd()->x(), 42);
        f.window->runCommand(QStringLiteral("OptionsViewRuler"));
        QVERIFY(!ruler->isVisible());
        f.window->runCommand(QStringLiteral("OptionsViewRuler"));
        QVERIFY(ruler->isVisible());
        QCOMPARE(ruler->firstInd()->x(), 42);
    }

    void findReplaceAndFindNext() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        e->setPlainText(QStringLiteral("cat dog cat dog"));
        select(e, 0, 3);
        f.window->runCommand(QStringLiteral("SearchFind"));
        auto* find = f.window->findChild<SearchDialog*>(QStringLiteral("dlgFind"));
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->findText(), QStringLiteral("cat"));
        // Opening the dialog is not a search yet: F3 has nothing to repeat.
        f.window->runCommand(QStringLiteral("SearchFindNext"));
        QCOMPARE(e->textCursor().selectionStart(), 0);
        find->findChild<QPushButton*>(QStringLiteral("btnFindNext"))->click();
        QCOMPARE(e->textCursor().selectionStart(), 8);
        f.window->runCommand(QStringLiteral("SearchFindNext"));
        QCOMPARE(f.prompts.log, QStringList{"warning: Text cat not found."});
    }

    void changeCaseRemembersTheMode() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        e->setPlainText(QStringLiteral("hello world"));
        select(e, 0, 11);
        QTimer::singleShot(0, [] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d);
            d->findChild<QRadioButton*>(QStringLiteral("rdoCase2"))->click();
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        f.window->runCommand(QStringLiteral("editChangeCase"));
        QCOMPARE(e->toPlainText(), QStringLiteral("HELLO WORLD"));
        QTimer::singleShot(0, [] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d);
            QVERIFY(d->findChild<QRadioButton*>(QStringLiteral("rdoCase2"))->isChecked());
            d->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
        });
        select(e, 0, 5);
        f.window->runCommand(QStringLiteral("editChangeCase"));
        QCOMPARE(e->toPlainText(), QStringLiteral("HELLO WORLD"));
    }

    void characterTableChord() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        e->setFocus();
        QTest::keyClick(e, Qt::Key_ScrollLock, Qt::AltModifier);
        QCOMPARE(e->document()->blockCount(), 25);
        QVERIFY(e->toPlainText().startsWith(QStringLiteral("32 = [ ]\t")));
    }

    void styleManagerSavesAndTheListRefills() {
        WindowFixture f;
        auto* styles = f.window->findChild<QComboBox*>(QStringLiteral("cboStyles"));
        QCOMPARE(styles->count(), 2);
        f.prompts.setNextText(QStringLiteral("Aside"));
        QTimer::singleShot(0, [] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Style Manager"));
            d->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
            d->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
            // A style saved shows in the toolbar list only once the dialog has closed.
            auto* toolbarList =
                d->parentWidget()->findChild<QComboBox*>(QStringLiteral("cboStyles"));
            QCOMPARE(toolbarList->count(), 2);
            d->close();
        });
        f.window->runCommand(QStringLiteral("FormatStyleManager"));
        QCOMPARE(styles->count(), 3);
        QCOMPARE(styles->itemText(0), QStringLiteral("Aside"));
        QCOMPARE(styles->currentIndex(), -1);
        QVERIFY(f.prompts.allAnswersUsed());
    }

    void paragraphDialogFromTheMenu() {
        WindowFixture f;
        RichEditor* e = f.window->editor();
        e->setPlainText(QStringLiteral("para"));
        QTimer::singleShot(0, [] {
            QWidget* d = QApplication::activeModalWidget();
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Paragraph"));
            d->findChild<QSpinBox*>(QStringLiteral("seFirst"))->setValue(24);
            d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        f.window->runCommand(QStringLiteral("FormatPara"));
        QCOMPARE(e->paraAttributes().firstIndent, 24);
        auto* ruler = f.window->ruler()->findChild<RulerWidget*>(QStringLiteral("Ruler"));
        QCOMPARE(ruler->firstInd()->x(), 34);
    }
};

QTEST_MAIN(TestFormatCommands)
#include "test_format_commands.moc"
