#include "editing/formatting_commands.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

using namespace quillet;

namespace {

void selectAll(QTextEdit& e) {
    QTextCursor c = e.textCursor();
    c.select(QTextCursor::Document);
    e.setTextCursor(c);
}

void setBits(QTextEdit& e, bool bold, bool italic, bool underline, bool strike) {
    CharAttributes a;
    a.bold = bold;
    a.italic = italic;
    a.underline = underline;
    a.strikeOut = strike;
    QTextCursor c = e.textCursor();
    writeCharAttributes(c, a, CharField::StyleBits);
}

} // namespace

class TestFormattingCommands : public QObject {
    Q_OBJECT

private slots:
    void togglesKeepTheOtherBits_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<bool>>("before"); // bold, italic, underline, strike-out
        QTest::addColumn<QList<bool>>("after");
        QTest::newRow("bold off, italic stays")
            << "FormatBold" << QList<bool>{true, true, false, false}
            << QList<bool>{false, true, false, false};
        QTest::newRow("bold on plain text")
            << "FormatBold" << QList<bool>{false, false, false, false}
            << QList<bool>{true, false, false, false};
        QTest::newRow("italic on, underline and strike-out stay")
            << "FormatItalic" << QList<bool>{false, false, true, true}
            << QList<bool>{false, true, true, true};
        QTest::newRow("underline off, bold stays")
            << "FormatUnderline" << QList<bool>{true, false, true, false}
            << QList<bool>{true, false, false, false};
    }
    void togglesKeepTheOtherBits() {
        QFETCH(QString, command);
        QFETCH(QList<bool>, before);
        QFETCH(QList<bool>, after);
        QTextEdit e;
        e.setPlainText(QStringLiteral("some words"));
        selectAll(e);
        setBits(e, before[0], before[1], before[2], before[3]);
        FormattingCommands f(e);
        QVERIFY(f.run(command));
        const CharAttributes a = f.selectionChar();
        QCOMPARE((QList<bool>{a.bold, a.italic, a.underline, a.strikeOut}), after);
    }

    void flagTogglesFlipTheAttribute_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("hidden") << "formatHidden";
        QTest::newRow("disabled") << "FormatDisabled";
        QTest::newRow("protected") << "formatProtected";
    }
    void flagTogglesFlipTheAttribute() {
        QFETCH(QString, command);
        QTextEdit e;
        e.setPlainText(QStringLiteral("abc"));
        selectAll(e);
        FormattingCommands f(e);
        auto flag = [&] {
            const CharAttributes a = f.selectionChar();
            return command == "formatHidden"     ? a.hidden
                   : command == "FormatDisabled" ? a.disabled
                                                 : a.isProtected;
        };
        f.run(command);
        QVERIFY(flag());
        QCOMPARE(formatCheckedStates(f.selectionChar(), f.selectionPara()).value(command), true);
        f.run(command);
        QVERIFY(!flag());
    }

    void onlyTheMatchingAlignmentIsChecked_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << "FormatAlignLeft" << int(AlignLeft);
        QTest::newRow("right") << "FormatAlignRight" << int(AlignRight);
        QTest::newRow("center") << "FormatAlignCenter" << int(AlignCenter);
        QTest::newRow("justified") << "FormatAlignFull" << int(AlignJustify);
    }
    void onlyTheMatchingAlignmentIsChecked() {
        QFETCH(QString, command);
        QFETCH(int, alignment);
        QTextEdit e;
        e.setPlainText(QStringLiteral("para"));
        FormattingCommands f(e);
        f.run(command);
        f.run(command); // setting outright: a second use changes nothing
        QCOMPARE(f.selectionPara().alignment, alignment);
        const QHash<QString, bool> checked =
            formatCheckedStates(f.selectionChar(), f.selectionPara());
        for (const char* id :
             {"FormatAlignLeft", "FormatAlignRight", "FormatAlignCenter", "FormatAlignFull"})
            QCOMPARE(checked.value(QString::fromLatin1(id)), command == QLatin1String(id));
        QVERIFY(!checked.contains(QStringLiteral("FormatBullets")));
    }

    void bulletsTwiceStayAndRaiseTheLeftIndent() {
        QTextEdit e;
        e.setPlainText(QStringLiteral("item"));
        FormattingCommands f(e);
        ParaAttributes p;
        p.leftIndent = 4;
        f.writePara(p, ParaField::LeftIndent);
        QCOMPARE(f.selectionPara().leftIndent, 4);
        f.FormatBullets();
        f.FormatBullets();
        QCOMPARE(f.selectionPara().numbering, int(NumberingBullet));
        QCOMPARE(f.selectionPara().leftIndent, 10);
        QCOMPARE(e.document()->begin().text(), QStringLiteral("item"));
    }

    void fontNameAndSizeBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("a number") << "18" << 18;
        QTest::newRow("letters count as 0, which the editor ignores") << "abc" << 11;
        QTest::newRow("zero is ignored") << "0" << 11;
    }
    void fontNameAndSizeBox() {
        QFETCH(QString, text);
        QFETCH(int, size);
        QTextEdit e;
        e.setPlainText(QStringLiteral("words"));
        selectAll(e);
        FormattingCommands f(e);
        f.setFontSize(11);
        f.setFontSizeText(text);
        QCOMPARE(f.selectionChar().size, size);
        f.setFontName(QStringLiteral("Courier New"));
        QCOMPARE(f.selectionChar().fontName, QStringLiteral("Courier New"));
    }

    void coloursAutomaticAndExplicit() {
        QTextEdit e;
        e.setPlainText(QStringLiteral("words"));
        selectAll(e);
        FormattingCommands f(e);
        f.setTextColor(0x102030);
        f.setBackColor(0xFFFFFF);
        QCOMPARE(f.selectionChar().color, 0x102030);
        QCOMPARE(f.selectionChar().backColor, 0xFFFFFF);
        f.setTextColor(kAutoTextColor);
        f.setBackColor(kAutoBackColor);
        QCOMPARE(f.selectionChar().color, kAutoTextColor);
        QCOMPARE(f.selectionChar().backColor, kAutoBackColor);
    }

    void insertionPointTakesTheFormat() {
        QTextEdit e;
        FormattingCommands f(e);
        f.FormatBold();
        e.insertPlainText(QStringLiteral("x"));
        selectAll(e);
        QVERIFY(f.selectionChar().bold);
    }

    void statusLine_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("node");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("one node, caret at start") << 0 << 0 << 0 << 1 << "Line: 1 Col: 1 Node: 0/0";
        QTest::newRow("third of five") << 4 << 7 << 2 << 5 << "Line: 5 Col: 8 Node: 2/4";
        QTest::newRow("no node selected") << 1 << 2 << -1 << 3 << "Line: 2 Col: 3 Node Count: 2";
    }
    void statusLine() {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(int, node);
        QFETCH(int, count);
        QFETCH(QString, text);
        const std::optional<int> selected = node < 0 ? std::nullopt : std::optional<int>(node);
        QCOMPARE(statusLineText({line, column}, selected, count), text);
    }

    void caretCountsLaidOutLines() {
        QTextEdit e;
        e.resize(300, 200);
        e.setLineWrapMode(QTextEdit::FixedColumnWidth);
        e.setLineWrapColumnOrWidth(10);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.setPlainText(QStringLiteral("short\naaaa bbbb cccc dddd\nlast"));
        QTextCursor c = e.textCursor();
        c.setPosition(0);
        e.setTextCursor(c);
        QCOMPARE(caretPosition(e).line, 0);
        QCOMPARE(caretPosition(e).column, 0);
        // The caret in the last paragraph, after its second character.
        const QTextBlock last = e.document()->lastBlock();
        c.setPosition(last.position() + 2);
        e.setTextCursor(c);
        const int wrapped = e.document()->findBlockByNumber(1).layout()->lineCount();
        QVERIFY(wrapped > 1);
        QCOMPARE(caretPosition(e).line, 1 + wrapped);
        QCOMPARE(caretPosition(e).column, 2);
        // The caret is the end of the selection.
        c.setPosition(0);
        c.setPosition(3, QTextCursor::KeepAnchor);
        e.setTextCursor(c);
        QCOMPARE(caretPosition(e).column, 3);
    }

    void characterTable() {
        const QString table = characterTableText();
        QVERIFY(table.startsWith(QStringLiteral("32 = [ ]\t33 = [!]\t")));
        const QStringList lines = table.split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 25);
        QVERIFY(lines.first().endsWith(QStringLiteral("40 = [(]\t")));
        QCOMPARE(lines.last().count(QLatin1Char('\t')), 8);
        QVERIFY(lines.last().endsWith(QStringLiteral("255 = [\u00FF]\t")));
        QVERIFY(table.contains(QStringLiteral("128 = [\u20AC]\t")));
        QTextEdit e;
        e.textCursor().insertText(table);
        QCOMPARE(e.document()->blockCount(), 25);
    }
};

QTEST_MAIN(TestFormattingCommands)
#include "test_formatting_commands.moc"
