// Opens and saves a generated document of many nodes and pages, side by side with the
// command-line unzip and zip on the same files, and reports the peak memory of each phase.

#include "store/document_controller.h"
#include "store/editor.h"
#include "store/node_tree.h"
#include "store/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace quillet;

namespace {

class QuietPrompts : public Prompts {
public:
    void information(const QString&) override {}
    void warning(const QString&) override {}
    void error(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool confirmOkCancel(const QString&) override { return false; }
    bool confirmYesNo(const QString&) override { return true; }
    Answer askYesNoCancel(const QString&) override { return Answer::No; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class NoBusy : public BusyIndicator {
public:
    void setBusy(bool) override {}
    void setProgress(int, int) override {}
    void processEvents() override {}
};

class NoEditor : public Editor {
public:
    bool loadPage(const QString&, QString*) override { return true; }
    bool savePage(const QString&, QString*) override { return true; }
    void clearPage() override {}
    bool isPageModified() const override { return false; }
    void setPageModified(bool) override {}
    bool hasSelection() const override { return false; }
    QString selectedText() const override { return {}; }
    void replaceSelection(const QString&) override {}
    QString pageText() const override { return {}; }
};

// Peak resident memory since the last reset, in megabytes.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Page text that compresses like prose.
QByteArray makePage(QRandomGenerator& rng, int bytes) {
    static const char* words[] = {"the",   "lantern", "river",      "whispered", "of",   "a",
                                  "stone", "and",     "Marguerite", "never",     "door", "at",
                                  "night", "quietly", "returned",   "across",    "hills"};
    QByteArray page = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    while (page.size() < bytes) {
        page += words[rng.bounded(int(sizeof words / sizeof *words))];
        page += rng.bounded(12) == 0 ? "\\par\r\n" : " ";
    }
    page += "}";
    return page;
}

double run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!input.isEmpty()) {
        p.write(input);
        p.closeWriteChannel();
    }
    p.waitForFinished(-1);
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int nodes = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int megabytes = argc > 2 ? std::atoi(argv[2]) : 50;

    // Adding nodes one by one must stay linear.
    for (int count : {10000, 100000}) {
        NodeTree t;
        QElapsedTimer timer;
        timer.start();
        Node* root = t.AddChildNode(nullptr, QStringLiteral("Root"));
        for (int i = 1; i < count; ++i)
            t.AddChildNode(i % 10 == 1 ? root : root->lastChild(), QStringLiteral("Node"));
        std::printf("add %6d nodes one by one: %7.1f ms (%.2f us/node)\n", count,
                    timer.nsecsElapsed() / 1e6, timer.nsecsElapsed() / 1e3 / count);
    }

    QTemporaryDir scratch;
    NodeTree tree;
    NoEditor editor;
    QuietPrompts prompts;
    NoBusy busy;
    DocumentController doc(tree, editor, prompts, busy);
    doc.setCurrentId(DocumentController::kNoPage);

    QRandomGenerator rng(42);
    const int pageBytes = int(qint64(megabytes) * 1024 * 1024 / nodes);
    Node* chapter = tree.firstNode();
    for (int i = 1; i < nodes; ++i) {
        Node* n = tree.AddChildNode(i % 50 == 1 ? tree.firstNode() : chapter,
                                    QStringLiteral("Node %1").arg(i));
        if (i % 50 == 1)
            chapter = n;
    }
    QStringList files;
    tree.forEachNode([&](Node* n) {
        QFile f(doc.pagePath(n->id()));
        f.open(QIODevice::WriteOnly);
        f.write(makePage(rng, pageBytes));
        files << doc.pagePath(n->id());
    });
    std::printf("document: %d nodes, %d MB of pages (%d bytes each)\n", nodes, megabytes,
                pageBytes);

    const QString path = scratch.filePath(QStringLiteral("bench.qlt"));
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    if (!doc.SaveDocument(path))
        return 1;
    const double save = timer.nsecsElapsed() / 1e9;
    const double savePeak = peakMegabytes();

    const QString zipPath = scratch.filePath(QStringLiteral("ref.zip"));
    files << doc.workingDirectory() + QStringLiteral("Nodes.tree");
    const double zip = run(QStringLiteral("zip"),
                           {QStringLiteral("-9"), QStringLiteral("-q"), QStringLiteral("-j"),
                            zipPath, QStringLiteral("-@")},
                           files.join(QLatin1Char('\n')).toLocal8Bit() + '\n');

    // Emptying the previous workspace (10,000 page files) is timed on its own; the open
    // itself is unpack plus tree. Best of three, alternating with unzip, as the machine is
    // shared.
    timer.restart();
    doc.ClearDocument();
    const double clear = timer.nsecsElapsed() / 1e9;
    double open = 1e9;
    double unzip = 1e9;
    double openPeak = 0;
    for (int round = 0; round < 3; ++round) {
        resetPeak();
        timer.restart();
        if (!doc.OpenDocument(path))
            return 1;
        open = std::min(open, timer.nsecsElapsed() / 1e9);
        openPeak = std::max(openPeak, peakMegabytes());
        if (tree.nodeCount() != nodes) {
            std::fprintf(stderr, "read back %d nodes\n", tree.nodeCount());
            return 1;
        }
        // The next round starts from an empty workspace again.
        doc.ClearDocument();

        const QString unzipDir = scratch.filePath(QStringLiteral("unzipped%1").arg(round));
        QDir().mkpath(unzipDir);
        unzip = std::min(unzip,
                         run(QStringLiteral("unzip"), {QStringLiteral("-o"), QStringLiteral("-q"),
                                                       path, QStringLiteral("-d"), unzipDir}));
    }

    std::printf("archive: %.1f MB (zip -9: %.1f MB)\n", QFileInfo(path).size() / 1048576.0,
                QFileInfo(zipPath).size() / 1048576.0);
    std::printf("save  %6.2f s   zip -9   %6.2f s   ratio %.2f   peak %.0f MB\n", save, zip,
                save / zip, savePeak);
    std::printf("open  %6.2f s   unzip -o %6.2f s   ratio %.2f   peak %.0f MB\n", open, unzip,
                open / unzip, openPeak);
    std::printf("emptying the previous workspace of %d files: %.2f s\n", nodes, clear);
    doc.closeDocument();
    return 0;
}
