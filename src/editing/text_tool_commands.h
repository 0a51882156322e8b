#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quillet {

class BusyIndicator;
class Editor;
class Prompts;

// The calculator as the commands see it. The window answers with CalculatorDialog; tests
// answer from a script.
class CalculatorPrompt {
public:
    virtual ~CalculatorPrompt() = default;
    // Shows the calculator starting from `start`. The value it shows when confirmed;
    // nothing when cancelled.
    virtual std::optional<double> runCalculator(double start) = 0;
};

// What the window does after a command besides the edit itself.
enum class DocumentEffect {
    // Nothing: any change went through the editor, whose own change report marks the page.
    None,
    // Set the document's modified flag and run the editor-change handling, then give the
    // focus back to the editor and recompute the command states.
    MarkModified,
};

// The commands that rewrite or measure the editor's selection: line tools, trims, reverse,
// sort, encrypt/decrypt, evaluate, calculator, word and character counts. Every result
// replaces the selection as plain text (the replaced text's formatting is not kept).
class TextToolCommands {
public:
    TextToolCommands(Editor& editor, Prompts& prompts, BusyIndicator& busy,
                     CalculatorPrompt& calculator);

    DocumentEffect ToolsJoinLines();
    DocumentEffect ToolsReformatLines();
    DocumentEffect ToolsRemoveBlankLines();
    DocumentEffect ToolsTrimAll();
    DocumentEffect ToolsTrimLeft();
    DocumentEffect ToolsTrimRight();
    DocumentEffect ToolsReverse();
    DocumentEffect ToolsSort();
    // Encrypt writes the scrambled text in a form the page keeps exactly (see
    // encryptForPage), so Decrypt restores the selection character for character.
    DocumentEffect ToolsEncrypt();
    DocumentEffect ToolsDecrypt();
    DocumentEffect ToolsEval();
    DocumentEffect ToolsCalc();
    DocumentEffect EditCountWords();
    DocumentEffect EditCountChars();

    // Runs the command of that id; nothing when the id is not one of the above.
    std::optional<DocumentEffect> run(const QString& commandId);

    // The ids of the commands above, as the command table names them.
    static const QStringList& commandIds();
    // Whether the command is enabled, given whether the editor's selected text has at least
    // one character. Evaluate, Calculator and the counts are always enabled; ids not listed
    // above are not ours and read as disabled.
    static bool isEnabled(const QString& commandId, bool selectionNotEmpty);

    // The calculator's value, kept between uses; the window restores it from and saves it
    // to the settings store. Values that are not finite read as 0.
    double calculatorValue() const { return m_calculatorValue; }
    void setCalculatorValue(double value);

    // Selections at least this long get the busy state, and the window's pending events run
    // every this many characters while the line tools work through them.
    static constexpr qsizetype kLongSelection = 64 * 1024;

private:
    template <typename Tool> DocumentEffect runLineTool(Tool tool);
    void replaceWith(const QString& text);

    Editor& m_editor;
    Prompts& m_prompts;
    BusyIndicator& m_busy;
    CalculatorPrompt& m_calculator;
    double m_calculatorValue = 0;
};

} // namespace quillet
