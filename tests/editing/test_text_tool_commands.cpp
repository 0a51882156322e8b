#include "common/scripted_prompts.h"
#include "editing/text_tool_commands.h"
#include "helpers_page_editor.h"
#include "texttools/code_page.h"
#include "texttools/scrambler.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <limits>

using namespace quillet;
using quillet::test::PageEditor;

namespace {

class ScriptedCalculator : public CalculatorPrompt {
public:
    QList<std::optional<double>> answers;
    QList<double> startValues;
    std::optional<double> runCalculator(double start) override {
        startValues << start;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

// Counts the event rounds and can act like a person clicking while they run.
class CountingBusy : public BusyIndicator {
public:
    QList<bool> states;
    int eventRounds = 0;
    std::function<void()> duringEvents;
    void setBusy(bool busy) override { states << busy; }
    void setProgress(int, int) override {}
    void processEvents() override {
        ++eventRounds;
        if (duringEvents)
            duringEvents();
    }
};

struct Fixture {
    PageEditor editor;
    quillet::test::ScriptedPrompts prompts;
    CountingBusy busy;
    ScriptedCalculator calculator;
    TextToolCommands commands{editor, prompts, busy, calculator};

    void selectRange(int from, int to) {
        if (to < 0)
            editor.select(0, editor.pageLength());
        else
            editor.select(from, to);
    }
};

// Random page text: every Windows-1252 character, paragraph ends, line breaks inside a
// paragraph, tabs, and characters outside the code page.
// With `controls` false the page holds no control characters besides tabs and breaks, as
// the pages a person types and saves.
QString randomPage(QRandomGenerator& rng, int length, bool controls) {
    QString s;
    for (int i = 0; i < length; ++i) {
        switch (rng.bounded(9)) {
        case 0:
            s.append(u'\n');
            break;
        case 1:
            s.append(u'\t');
            break;
        case 2: {
            const char32_t cp = char32_t(0x1F300 + rng.bounded(0x200));
            s.append(QString::fromUcs4(&cp, 1));
            break;
        }
        case 3:
            s.append(QChar(char16_t(0x4E00 + rng.bounded(0x100))));
            break;
        case 4:
            s.append(QChar::LineSeparator);
            break;
        default: {
            const int code = rng.bounded(256);
            // CR would be a paragraph end of its own; NUL is not page text.
            if (code != '\r' && code != 0 && (controls || code >= 32))
                s.append(QChar(windows1252Char(code)));
            break;
        }
        }
    }
    return s;
}

} // namespace

class TestTextToolCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void replacesSelection_data();
    void replacesSelection();
    void emptySelection_data();
    void emptySelection();
    void counts_data();
    void counts();
    void calculator();
    void longSelectionKeepsWindowPainting_data();
    void longSelectionKeepsWindowPainting();
    void longSelectionChangedMeanwhileIsLeftAlone();
    void encryptThenDecryptRestoresSelection();
    void enabledStates();
    void runById();
};

void TestTextToolCommands::replacesSelection_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // -1: the whole page
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("marksModified");

    QTest::newRow("join") << "ToolsJoinLines"
                          << "Hello\nworld" << 0 << -1 << "Hello world " << true;
    QTest::newRow("join part of a page") << "ToolsJoinLines"
                                         << "a\nb\nc\nd" << 2 << 5 << "a\r\nb c \r\nd" << true;
    QTest::newRow("reformat") << "ToolsReformatLines"
                              << "a\nb\n\nc" << 0 << -1 << "a b \r\nc \r\n"
                              << true;
    QTest::newRow("remove blank lines") << "ToolsRemoveBlankLines"
                                        << "x\n\n \ny" << 0 << -1 << "x\r\ny\r\n"
                                        << true;
    QTest::newRow("trim all keeps the inner break") << "ToolsTrimAll"
                                                    << "  one  \n  two  \n"
                                                    << 0 << -1 << "one  \r\n  two" << false;
    QTest::newRow("trim left") << "ToolsTrimLeft"
                               << "\t a \t" << 0 << -1 << "a \t" << false;
    QTest::newRow("trim right") << "ToolsTrimRight"
                                << "\t a \t" << 0 << -1 << "\t a" << false;
    QTest::newRow("reverse") << "ToolsReverse"
                             << "ab\ncd" << 0 << -1 << "dc\r\nba" << false;
    QTest::newRow("sort") << "ToolsSort"
                          << "pear\nApple\napple\nbanana" << 0 << -1
                          << "apple\r\nApple\r\nbanana\r\npear\r\n"
                          << false;
    QTest::newRow("encrypt") << "ToolsEncrypt"
                             << "Hi" << 0 << -1 << QString::fromUtf8("u\u2013") << false;
    QTest::newRow("decrypt") << "ToolsDecrypt" << QString::fromUtf8("u\u2013") << 0 << -1 << "Hi"
                             << false;
    QTest::newRow("evaluate inside a line") << "ToolsEval"
                                            << "x 12*4 y" << 2 << 6 << "x 48 y" << false;
    QTest::newRow("evaluate replaces the spaces too") << "ToolsEval"
                                                      << "  6*7=  " << 0 << -1 << "42" << false;
    QTest::newRow("evaluate spaces only") << "ToolsEval"
                                          << "   " << 0 << -1 << "-1" << false;
    QTest::newRow("evaluate without equals") << "ToolsEval"
                                             << "7/2" << 0 << -1 << "3" << false;
    QTest::newRow("evaluate negative result") << "ToolsEval"
                                              << "0-7" << 0 << -1 << "-7" << false;
}

void TestTextToolCommands::replacesSelection() {
    QFETCH(QString, command);
    QFETCH(QString, page);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, result);
    QFETCH(bool, marksModified);

    Fixture f;
    f.editor.setPage(page);
    f.selectRange(from, to);
    const auto effect = f.commands.run(command);
    QVERIFY(effect.has_value());
    QCOMPARE(f.editor.pageText(), result);
    QCOMPARE(*effect == DocumentEffect::MarkModified, marksModified);
    // The replacement is an edit of the page, which the editor reports as a change.
    QVERIFY(f.editor.isPageModified());
    // The new text is what is selected now.
    QVERIFY(f.editor.hasSelection() || result.isEmpty());
    QVERIFY(result.contains(f.editor.selectedText()));
    QVERIFY(f.prompts.log.isEmpty());
}

void TestTextToolCommands::emptySelection_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("marksModified");
    // Join, Reformat and Remove Blank Lines mark the document even when nothing changed.
    for (const char* id : {"ToolsJoinLines", "ToolsReformatLines", "ToolsRemoveBlankLines"})
        QTest::newRow(id) << id << true;
    for (const char* id : {"ToolsTrimAll", "ToolsTrimLeft", "ToolsTrimRight", "ToolsReverse",
                           "ToolsSort", "ToolsEncrypt", "ToolsDecrypt", "ToolsEval"})
        QTest::newRow(id) << id << false;
}

void TestTextToolCommands::emptySelection() {
    QFETCH(QString, command);
    QFETCH(bool, marksModified);
    Fixture f;
    f.editor.setPage(QStringLiteral("line one\nline two"));
    f.editor.select(3, 3);
    const auto effect = f.commands.run(command);
    QVERIFY(effect.has_value());
    QCOMPARE(*effect == DocumentEffect::MarkModified, marksModified);
    QCOMPARE(f.editor.pageText(), QStringLiteral("line one\r\nline two"));
    QVERIFY(!f.editor.isPageModified());
}

void TestTextToolCommands::counts_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("chars");
    QTest::newRow("whole page when nothing is selected")
        << "Hello, world!\nsecond line" << 0 << 0 << "4 words counted"
        << "22 characters counted";
    QTest::newRow("the selection") << "Hello, world!\nsecond line" << 0 << 6 << "1 words counted"
                                   << "6 characters counted";
    QTest::newRow("selection across lines")
        << "Hello, world!\nsecond line" << 7 << 20 << "2 words counted"
        << "12 characters counted";
    QTest::newRow("empty page") << "" << 0 << 0 << "0 words counted"
                                << "0 characters counted";
    QTest::newRow("spaces and breaks") << "  \n\t\n " << 0 << 0 << "0 words counted"
                                       << "0 characters counted";
}

void TestTextToolCommands::counts() {
    QFETCH(QString, page);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, words);
    QFETCH(QString, chars);
    Fixture f;
    f.editor.setPage(page);
    f.editor.select(from, to);
    QCOMPARE(f.commands.EditCountWords(), DocumentEffect::None);
    QCOMPARE(f.commands.EditCountChars(), DocumentEffect::None);
    QCOMPARE(f.prompts.log, (QStringList{"information: " + words, "information: " + chars}));
    QVERIFY(!f.editor.isPageModified());
}

void TestTextToolCommands::calculator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Fixture f;
    f.commands.setCalculatorValue(std::numeric_limits<double>::infinity());
    QCOMPARE(f.commands.calculatorValue(), 0.0);
    f.commands.setCalculatorValue(3);
    f.editor.setPage(QStringLiteral("total: ?"));
    f.editor.select(7, 8);
    f.calculator.answers = {1234.5, std::nullopt, 1e20};

    QCOMPARE(f.commands.ToolsCalc(), DocumentEffect::None);
    QCOMPARE(f.editor.pageText(), QStringLiteral("total: 1234,5"));
    QCOMPARE(f.commands.calculatorValue(), 1234.5);

    // Cancelled: nothing changes, the value stays.
    f.editor.select(0, 5);
    f.commands.ToolsCalc();
    QCOMPARE(f.editor.pageText(), QStringLiteral("total: 1234,5"));
    QCOMPARE(f.commands.calculatorValue(), 1234.5);

    // An empty selection takes the value at the caret.
    f.editor.select(0, 0);
    f.commands.ToolsCalc();
    QCOMPARE(f.editor.pageText(), QStringLiteral("1E20total: 1234,5"));
    QCOMPARE(f.calculator.startValues, (QList<double>{3, 1234.5, 1234.5}));
}

void TestTextToolCommands::longSelectionKeepsWindowPainting_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("firstResultLine");
    QTest::newRow("join") << "ToolsJoinLines"
                          << "line one line two  line one ";
    QTest::newRow("reformat") << "ToolsReformatLines"
                              << "line one line two ";
    QTest::newRow("remove blank lines") << "ToolsRemoveBlankLines"
                                        << "line one";
}

void TestTextToolCommands::longSelectionKeepsWindowPainting() {
    QFETCH(QString, command);
    QFETCH(QString, firstResultLine);
    Fixture f;
    QString page;
    while (page.size() < 3 * TextToolCommands::kLongSelection)
        page += QStringLiteral("line one\nline two\n\n");
    f.editor.setPage(page);
    f.editor.select(0, f.editor.pageLength());
    f.commands.run(command);
    QCOMPARE(f.busy.states, (QList<bool>{true, false}));
    QVERIFY2(f.busy.eventRounds >= 2, qPrintable(QString::number(f.busy.eventRounds)));
    QVERIFY(f.editor.pageText().startsWith(firstResultLine));
    QVERIFY(f.editor.isPageModified());
}

void TestTextToolCommands::longSelectionChangedMeanwhileIsLeftAlone() {
    Fixture f;
    const QString page = QStringLiteral("a\n").repeated(TextToolCommands::kLongSelection);
    f.editor.setPage(page);
    const QString before = f.editor.pageText();
    f.editor.select(0, f.editor.pageLength());
    f.busy.duringEvents = [&] { f.editor.select(0, 1); };
    QCOMPARE(f.commands.ToolsJoinLines(), DocumentEffect::MarkModified);
    QVERIFY(!f.editor.isPageModified());
    QCOMPARE(f.editor.pageText(), before);
}

void TestTextToolCommands::encryptThenDecryptRestoresSelection() {
    QRandomGenerator rng(5150);
    for (int round = 0; round < 300; ++round) {
        Fixture f;
        const bool saveBetween = round % 2 == 1;
        f.editor.setPage(randomPage(rng, rng.bounded(1, 80), !saveBetween));
        const QString pageBefore = f.editor.pageText();
        const int a = rng.bounded(f.editor.pageLength() + 1);
        const int b = rng.bounded(f.editor.pageLength() + 1);
        f.editor.select(qMin(a, b), qMax(a, b));
        const QString selected = f.editor.selectedText();

        f.commands.ToolsEncrypt();
        const QString encrypted = f.editor.selectedText();
        // The page holds the encrypted form exactly, on one line.
        QCOMPARE(encrypted, encryptForPage(selected));
        QVERIFY(!encrypted.contains(u'\n') && !encrypted.contains(u'\r'));

        // Half the rounds save the page and load it again before decrypting, as a person
        // does who encrypts, saves the document and decrypts another day.
        if (saveBetween) {
            const int start = f.editor.textCursor().selectionStart();
            const QByteArray rtf = f.editor.saveRtf();
            const QString pageEncrypted = f.editor.pageText();
            QVERIFY(f.editor.loadRtf(rtf));
            QCOMPARE(f.editor.pageText(), pageEncrypted);
            f.editor.select(start, start + int(encrypted.size()));
            QCOMPARE(f.editor.selectedText(), encrypted);
        }

        f.commands.ToolsDecrypt();
        QCOMPARE(f.editor.selectedText(), selected);
        QCOMPARE(f.editor.pageText(), pageBefore);
    }
}

void TestTextToolCommands::enabledStates() {
    const QStringList always = {"ToolsEval", "ToolsCalc", "EditCountWords", "EditCountChars"};
    QCOMPARE(TextToolCommands::commandIds(),
             (QStringList{"ToolsJoinLines", "ToolsReformatLines", "ToolsRemoveBlankLines",
                          "ToolsTrimAll", "ToolsTrimLeft", "ToolsTrimRight", "ToolsReverse",
                          "ToolsSort", "ToolsEncrypt", "ToolsDecrypt", "ToolsEval", "ToolsCalc",
                          "EditCountWords", "EditCountChars"}));
    for (const QString& id : TextToolCommands::commandIds()) {
        QVERIFY2(TextToolCommands::isEnabled(id, true), qPrintable(id));
        QCOMPARE(TextToolCommands::isEnabled(id, false), always.contains(id));
    }
    QVERIFY(!TextToolCommands::isEnabled(QStringLiteral("FileSave"), true));
}

void TestTextToolCommands::runById() {
    Fixture f;
    f.editor.setPage(QStringLiteral("abc"));
    f.editor.select(0, f.editor.pageLength());
    QVERIFY(!f.commands.run(QStringLiteral("FileSave")).has_value());
    QCOMPARE(f.editor.pageText(), QStringLiteral("abc"));
    QCOMPARE(f.commands.run(QStringLiteral("ToolsReverse")), DocumentEffect::None);
    QCOMPARE(f.editor.pageText(), QStringLiteral("cba"));
}

QTEST_MAIN(TestTextToolCommands)
#include "test_text_tool_commands.moc"
