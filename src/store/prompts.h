#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quillet {

// Everything a controller asks the person. The window answers with real dialogs; tests
// answer from a script (tests/common/scripted_prompts.h). Core code never builds a dialog.
class Prompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // A modal message with an OK button.
    virtual void information(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void error(const QString& text) = 0;

    virtual bool confirmOkCancel(const QString& text) = 0;
    virtual bool confirmYesNo(const QString& text) = 0;
    virtual Answer askYesNoCancel(const QString& text) = 0;

    // Empty optional when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& label,
                                             const QString& initial) = 0;

    // File and folder choice; an empty string means cancelled. `filter` uses Qt's
    // "Description (*.ext);;All files (*)" form.
    virtual QString chooseOpenFile(const QString& title, const QString& filter,
                                   const QString& startPath) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filter,
                                   const QString& startPath) = 0;
    virtual QString chooseFolder(const QString& title, const QString& startPath) = 0;
};

// The busy state of the window (pointer, "Working....", gauge) as long operations see it.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void setBusy(bool busy) = 0;
    // Position of the busy gauge, 0..maximum; used by work that knows its length.
    virtual void setProgress(int value, int maximum) = 0;
    // Lets pending window events run so the window keeps painting.
    virtual void processEvents() = 0;
};

} // namespace quillet
