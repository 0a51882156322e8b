#pragma once

// Prompts answered from a script, for controller tests. Every question is recorded so a
// test can check what the person was asked; an unscripted question fails the test.

#include "store/prompts.h"

#include <QQueue>
#include <QStringList>
#include <QTest>

namespace quillet::test {

class ScriptedPrompts : public Prompts {
public:
    // What was shown or asked, in order, as "kind: text".
    QStringList log;

    void setNextAnswer(Answer a) { answers.enqueue(a); }
    void setNextConfirm(bool ok) { confirms.enqueue(ok); }
    void setNextText(std::optional<QString> t) { texts.enqueue(std::move(t)); }
    void setNextFileName(const QString& path) { files.enqueue(path); }

    bool allAnswersUsed() const {
        return answers.isEmpty() && confirms.isEmpty() && texts.isEmpty() && files.isEmpty();
    }

    void information(const QString& text) override { log << QStringLiteral("information: ") + text; }
    void warning(const QString& text) override { log << QStringLiteral("warning: ") + text; }
    void error(const QString& text) override { log << QStringLiteral("error: ") + text; }

    bool confirmOkCancel(const QString& text) override {
        log << QStringLiteral("okcancel: ") + text;
        return next(confirms, false);
    }
    bool confirmYesNo(const QString& text) override {
        log << QStringLiteral("yesno: ") + text;
        return next(confirms, false);
    }
    Answer askYesNoCancel(const QString& text) override {
        log << QStringLiteral("yesnocancel: ") + text;
        return next(answers, Answer::Cancel);
    }
    std::optional<QString> inputText(const QString& title, const QString& label,
                                     const QString& initial) override {
        log << QStringLiteral("input: ") + title + QStringLiteral(" | ") + label +
                   QStringLiteral(" | ") + initial;
        return next(texts, std::optional<QString>{});
    }
    QString chooseOpenFile(const QString& title, const QString&, const QString&) override {
        log << QStringLiteral("open: ") + title;
        return next(files, QString());
    }
    QString chooseSaveFile(const QString& title, const QString&, const QString&) override {
        log << QStringLiteral("save: ") + title;
        return next(files, QString());
    }
    QString chooseFolder(const QString& title, const QString&) override {
        log << QStringLiteral("folder: ") + title;
        return next(files, QString());
    }

private:
    template <typename T> T next(QQueue<T>& q, T fallback) {
        if (q.isEmpty()) {
            QTest::qFail("unscripted question: " + log.last().toUtf8(), __FILE__, __LINE__);
            return fallback;
        }
        return q.dequeue();
    }

    QQueue<Answer> answers;
    QQueue<bool> confirms;
    QQueue<std::optional<QString>> texts;
    QQueue<QString> files;
};

// A busy indicator that only records what happened.
class RecordingBusy : public BusyIndicator {
public:
    QList<bool> states;
    int lastValue = -1;
    int lastMaximum = -1;
    void setBusy(bool busy) override { states << busy; }
    void setProgress(int value, int maximum) override {
        lastValue = value;
        lastMaximum = maximum;
    }
    void processEvents() override {}
};

} // namespace quillet::test
