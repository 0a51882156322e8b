// Times the text-tool commands end to end on the program's rich-text editor: reading the
// selection, the tool, and putting the result back into the page. Run a release build on
// the offscreen platform: bench_text_commands [largest size in MB, default 10].

#include "editing/text_tool_commands.h"
#include "store/prompts.h"
#include "ui/rich_editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextStream>

using namespace quillet;

namespace {

class SilentPrompts : public Prompts {
public:
    void information(const QString&) override {}
    void warning(const QString&) override {}
    void error(const QString&) override {}
    bool confirmOkCancel(const QString&) override { return false; }
    bool confirmYesNo(const QString&) override { return false; }
    Answer askYesNoCancel(const QString&) override { return Answer::Cancel; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class EventBusy : public BusyIndicator {
public:
    int rounds = 0;
    void setBusy(bool) override {}
    void setProgress(int, int) override {}
    void processEvents() override {
        ++rounds;
        QCoreApplication::processEvents();
    }
};

class NoCalculator : public CalculatorPrompt {
public:
    std::optional<double> runCalculator(double) override { return std::nullopt; }
};

QString prose(qsizetype size) {
    static const QStringList words = {"the",    "night",  "was",    "cold,", "and",   "Anna",
                                      "walked", "home",   "alone.", "café",  "naïve", "It",
                                      "rained", "again;", "nobody", "came!", "Why?",  "3.5"};
    QRandomGenerator rng(42);
    QString s;
    s.reserve(size + 100);
    qsizetype lineLength = 0;
    while (s.size() < size) {
        const QString& w = words[rng.bounded(int(words.size()))];
        s += w;
        lineLength += w.size();
        if (lineLength > 40 + rng.bounded(40)) {
            s += (rng.bounded(8) == 0) ? QStringLiteral("\n\n") : QStringLiteral("\n");
            lineLength = 0;
        } else {
            s += u' ';
            ++lineLength;
        }
    }
    s.truncate(size);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int largestMb = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    QTextStream out(stdout);
    SilentPrompts prompts;
    EventBusy busy;
    NoCalculator calculator;

    const QStringList ids = {"ToolsJoinLines", "ToolsReformatLines", "ToolsRemoveBlankLines",
                             "ToolsTrimAll",   "ToolsReverse",       "ToolsSort",
                             "ToolsEncrypt",   "EditCountWords"};
    QList<qsizetype> sizes;
    for (int eighths : {1, 2, 4, 8})
        sizes << qsizetype(largestMb) * 1024 * 1024 * eighths / 8;

    out << "command";
    for (qsizetype s : sizes)
        out << "\t" << QString::number(double(s) / (1024 * 1024), 'f', 2) << " MB ms";
    out << "\tevent rounds at the largest\n";
    for (const QString& id : ids) {
        out << id;
        for (qsizetype size : sizes) {
            RichEditor editor;
            TextToolCommands commands(editor, prompts, busy, calculator);
            editor.setPlainText(prose(size));
            QTextCursor c = editor.textCursor();
            c.select(QTextCursor::Document);
            editor.setTextCursor(c);
            busy.rounds = 0;
            QElapsedTimer timer;
            timer.start();
            commands.run(id);
            out << "\t" << QString::number(double(timer.nsecsElapsed()) / 1e6, 'f', 0);
            out.flush();
        }
        out << "\t" << busy.rounds << "\n";
        out.flush();
    }

    // The editor's own share: reading the selection and putting a text of the same size in.
    for (const char* step : {"editor: read selection", "editor: replace selection"}) {
        out << step;
        for (qsizetype size : sizes) {
            RichEditor editor;
            editor.setPlainText(prose(size));
            QTextCursor c = editor.textCursor();
            c.select(QTextCursor::Document);
            editor.setTextCursor(c);
            const QString text = editor.selectedText();
            QElapsedTimer timer;
            timer.start();
            if (QByteArray(step).endsWith("read selection"))
                editor.selectedText();
            else
                editor.replaceSelection(text);
            out << "\t" << QString::number(double(timer.nsecsElapsed()) / 1e6, 'f', 0);
            out.flush();
        }
        out << "\n";
    }
    return 0;
}
