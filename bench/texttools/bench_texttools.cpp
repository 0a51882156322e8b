// Times every text tool on selections of growing size; the time per megabyte should stay
// flat. Run a release build: bench_texttools [largest size in MB, default 10].

#include "texttools/case_conversion.h"
#include "texttools/counting.h"
#include "texttools/expression_evaluator.h"
#include "texttools/line_tools.h"
#include "texttools/scrambler.h"
#include "texttools/string_utils.h"

#include <QCollator>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <functional>

using namespace quillet;

namespace {

// Hard-wrapped prose: lines of 40 to 80 characters, a blank line now and then, some
// accented letters and characters outside the code page.
QString prose(qsizetype size) {
    static const QStringList words = {
        "the",  "night",  "was",    "cold,",  "and",   "Anna",       "walked",   "home", "alone.",
        "café", "naïve",  "(see",   "p. 12)", "don't", "well-known", "“quoted”", "—",    "中文",
        "It",   "rained", "again;", "nobody", "came!", "Why?",       "$FF",      "3.5",  "Über"};
    QRandomGenerator rng(42);
    QString s;
    s.reserve(size + 100);
    qsizetype lineLength = 0;
    while (s.size() < size) {
        const QString& w = words[rng.bounded(int(words.size()))];
        s += w;
        lineLength += w.size();
        if (lineLength > 40 + rng.bounded(40)) {
            s += (rng.bounded(8) == 0) ? QStringLiteral("\r\n\r\n") : QStringLiteral("\r\n");
            lineLength = 0;
        } else {
            s += u' ';
            ++lineLength;
        }
    }
    s.truncate(size);
    return s;
}

QString expression(qsizetype size) {
    QString s;
    s.reserve(size + 16);
    while (s.size() < size)
        s += QStringLiteral("12+30=*4=-7=/3=");
    s.truncate(size);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int largestMb = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    QTextStream out(stdout);

    QCollator collator{QLocale(QLocale::English, QLocale::UnitedStates)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    long sink = 0;
    const QList<std::pair<const char*, std::function<qsizetype(const QString&)>>> tools = {
        {"Join Lines", [](const QString& t) { return joinLines(t, [](qsizetype) {}).size(); }},
        {"Reformat Lines",
         [](const QString& t) { return reformatLines(t, [](qsizetype) {}).size(); }},
        {"Remove Blank Lines",
         [](const QString& t) { return removeBlankLines(t, [](qsizetype) {}).size(); }},
        {"Trim All", [](const QString& t) { return trimAll(t).size(); }},
        {"Reverse", [](const QString& t) { return reverseText(t).size(); }},
        {"Sort", [&](const QString& t) { return sortLines(t, collator).size(); }},
        {"Encrypt", [](const QString& t) { return encryptForPage(t).size(); }},
        {"Decrypt", [](const QString& t) { return decryptFromPage(t).size(); }},
        {"Count Words", [](const QString& t) { return CountWords(t); }},
        {"Count Characters", [](const QString& t) { return CountChars(t); }},
        {"Split Words",
         [](const QString& t) {
             QStringList l;
             SplitWords(t, l);
             return l.size();
         }},
        {"Title Case", [](const QString& t) { return TitleCase(t).size(); }},
        {"Toggle Case", [](const QString& t) { return ToggleCase(t).size(); }},
        {"Evaluate", [](const QString& t) { return qsizetype(EvaluateExpression(t)); }},
    };

    QList<qsizetype> sizes;
    for (int eighths : {1, 2, 4, 8})
        sizes << qsizetype(largestMb) * 1024 * 1024 * eighths / 8;

    out << "tool";
    for (qsizetype s : sizes)
        out << "\t" << QString::number(double(s) / (1024 * 1024), 'f', 2) << " MB ms";
    out << "\tms per MB at the largest\n";
    for (const auto& [name, tool] : tools) {
        out << name;
        double lastMs = 0;
        for (qsizetype size : sizes) {
            const QString text =
                QByteArray(name) == "Evaluate"
                    ? expression(size)
                    : (QByteArray(name) == "Decrypt" ? encryptForPage(prose(size)) : prose(size));
            QElapsedTimer timer;
            timer.start();
            sink += long(tool(text));
            lastMs = double(timer.nsecsElapsed()) / 1e6;
            out << "\t" << QString::number(lastMs, 'f', 1);
        }
        out << "\t" << QString::number(lastMs / largestMb, 'f', 1) << "\n";
        out.flush();
    }
    return sink == 42 ? 1 : 0;
}
