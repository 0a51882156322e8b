#include "common/scripted_prompts.h"
#include "editing/find_replace_dialog.h"
#include "editing/page_search.h"
#include "store/node_tree.h"
#include "ui/text_attributes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

using namespace quillet;
using quillet::test::ScriptedPrompts;

namespace {

void select(QTextEdit& e, int from, int to) {
    QTextCursor c = e.textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    e.setTextCursor(c);
}

SearchOptions find(const QString& text, const QString& replace = QString()) {
    SearchOptions o;
    o.findText = text;
    o.replaceText = replace;
    return o;
}

} // namespace

class TestPageSearch : public QObject {
    Q_OBJECT

private slots:
    void findsForwardFromTheEndOfTheSelection() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("cat dog cat dog cat"));
        select(e, 0, 3);
        QVERIFY(s.FindInPage(find("cat"), true));
        QCOMPARE(e.textCursor().selectionStart(), 8);
        QVERIFY(s.FindInPage(find("cat"), true));
        QCOMPARE(e.textCursor().selectionStart(), 16);
        QVERIFY(!s.FindInPage(find("cat"), true));
        QCOMPARE(prompts.log, QStringList{"warning: Text cat not found."});
        // A failed search leaves the selection alone.
        QCOMPARE(e.textCursor().selectionStart(), 16);
        QCOMPARE(e.textCursor().selectionEnd(), 19);
    }

    void textOnlyBeforeTheCaretIsNotFoundDownward() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("needle then hay"));
        select(e, 8, 8);
        QVERIFY(!s.FindInPage(find("needle"), true));
        QCOMPARE(prompts.log, QStringList{"warning: Text needle not found."});
        QCOMPARE(e.textCursor().position(), 8);
        QVERIFY(!s.FindInPage(find("needle"), false));
        QCOMPARE(prompts.log.size(), 1);
    }

    void upwardFromTheStartOfTheSelection() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("ab ab ab"));
        select(e, 6, 8);
        SearchOptions o = find("ab");
        o.down = false;
        QVERIFY(s.FindInPage(o, true));
        QCOMPARE(e.textCursor().selectionStart(), 3);
        QVERIFY(s.FindInPage(o, true));
        QCOMPARE(e.textCursor().selectionStart(), 0);
        QVERIFY(!s.FindInPage(o, true));
    }

    void options_data() {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("foundAt");
        QTest::newRow("neither") << false << false << 0;
        QTest::newRow("match case") << true << false << 11;
        QTest::newRow("whole word") << false << true << 17;
        QTest::newRow("both") << true << true << 23;
    }
    void options() {
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, foundAt);
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("SEAMSTRESS seams SEAM, seam."));
        select(e, 0, 0);
        SearchOptions o = find("seam");
        o.matchCase = matchCase;
        o.wholeWord = wholeWord;
        QVERIFY(s.FindInPage(o, true));
        QCOMPARE(e.textCursor().selectionStart(), foundAt);
    }

    void replaceAllOnlyAfterTheCaret() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("x x x | x x"));
        select(e, 6, 6);
        QSignalSpy changed(&e, &QTextEdit::textChanged);
        QSignalSpy selection(&e, &QTextEdit::selectionChanged);
        QCOMPARE(s.replaceAll(find("x", "yy")), 2);
        QCOMPARE(e.toPlainText(), QStringLiteral("x x x | yy yy"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(selection.count(), 1);
        QVERIFY(prompts.log.isEmpty());
        // One undo step takes every replacement back.
        e.undo();
        QCOMPARE(e.toPlainText(), QStringLiteral("x x x | x x"));
    }

    void replaceAllWithTheFindTextInsideTheReplacementEnds() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("a a"));
        select(e, 0, 0);
        QCOMPARE(s.replaceAll(find("a", "aa")), 2);
        QCOMPARE(e.toPlainText(), QStringLiteral("aa aa"));
    }

    void replaceAllWithNothingFoundReports() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("abc"));
        QCOMPARE(s.replaceAll(find("zz", "y")), 0);
        QCOMPARE(prompts.log, QStringList{"warning: Text zz not found."});
    }

    void replaceAfterFindNextSkipsTheSelectedMatch() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("one two one two one"));
        select(e, 0, 0);
        QVERIFY(s.FindInPage(find("one"), true));
        QCOMPARE(e.textCursor().selectionStart(), 0);
        QVERIFY(s.replace(find("one", "1")));
        QCOMPARE(e.toPlainText(), QStringLiteral("one two 1 two one"));
    }

    void protectedTextIsNotReplaced() {
        QTextEdit e;
        ScriptedPrompts prompts;
        PageSearch s(e, prompts);
        e.setPlainText(QStringLiteral("keep keep"));
        select(e, 0, 4);
        CharAttributes a;
        a.isProtected = true;
        QTextCursor c = e.textCursor();
        writeCharAttributes(c, a, CharField::Protected);
        select(e, 0, 0);
        QCOMPARE(s.replaceAll(find("keep", "gone")), 1);
        QCOMPARE(e.toPlainText(), QStringLiteral("keep gone"));
    }

    void dialogOutOfTheWay_data() {
        QTest::addColumn<QRect>("dialog");
        QTest::addColumn<QPoint>("p1");
        QTest::addColumn<int>("expected"); // -1: stays
        QTest::newRow("not covering") << QRect(500, 100, 200, 150) << QPoint(10, 120) << -1;
        QTest::newRow("room above") << QRect(0, 300, 200, 150) << QPoint(50, 320) << 150;
        QTest::newRow("room below") << QRect(0, 50, 200, 150) << QPoint(50, 100) << 140;
        QTest::newRow("no room") << QRect(0, 50, 200, 900) << QPoint(50, 100) << -1;
    }
    void dialogOutOfTheWay() {
        QFETCH(QRect, dialog);
        QFETCH(QPoint, p1);
        QFETCH(int, expected);
        const auto top = dialogTopOutOfTheWay(dialog, p1, p1 + QPoint(30, 20), 1000);
        QCOMPARE(top.value_or(-1), expected);
    }

    void dialogsAreKeptAndFindNextRepeatsTheLastSearch() {
        QWidget window;
        QTextEdit e(&window);
        ScriptedPrompts prompts;
        FindReplaceDialogs dialogs(e, prompts, &window);
        e.setPlainText(QStringLiteral("word and word and word"));

        // F3 before any search does nothing.
        dialogs.SearchFindNext();
        QCOMPARE(e.textCursor().hasSelection(), false);
        QVERIFY(prompts.log.isEmpty());

        select(e, 0, 4);
        dialogs.SearchFind();
        SearchDialog* find = dialogs.findDialog();
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->findText(), QStringLiteral("word"));
        QVERIFY(find->findChild<QRadioButton*>("rdoDown")->isChecked());
        find->findChild<QPushButton*>("btnFindNext")->click();
        QCOMPARE(e.textCursor().selectionStart(), 9);

        const QPoint where = find->pos();
        dialogs.SearchFindNext();
        QCOMPARE(e.textCursor().selectionStart(), 18);
        QCOMPARE(find->pos(), where);

        // The same dialog again; an empty selection keeps the find text.
        select(e, 2, 2);
        dialogs.SearchFind();
        QCOMPARE(dialogs.findDialog(), find);
        QCOMPARE(find->findText(), QStringLiteral("word"));

        // The replace dialog starts with the find dialog's text and has no direction.
        dialogs.SearchReplace();
        SearchDialog* replace = dialogs.replaceDialog();
        QCOMPARE(replace->findText(), QStringLiteral("word"));
        QVERIFY(!replace->findChild<QRadioButton*>("rdoUp"));
        replace->findChild<QLineEdit*>("txtReplace")->setText(QStringLiteral("W"));
        QSignalSpy replaced(&dialogs, &FindReplaceDialogs::pageReplaced);
        replace->findChild<QPushButton*>("btnReplaceAll")->click();
        QCOMPARE(e.toPlainText(), QStringLiteral("word and W and W"));
        QCOMPARE(replaced.count(), 1);
        QVERIFY(prompts.log.isEmpty());
    }
};

QTEST_MAIN(TestPageSearch)
#include "test_page_search.moc"
