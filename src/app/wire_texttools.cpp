#include "app/wire_texttools.h"

#include "app/main_window.h"
#include "editing/calculator_dialog.h"
#include "editing/text_tool_commands.h"
#include "ui/rich_editor.h"

namespace quillet {

namespace {
// Owns the commands and the calculator prompt for the window's lifetime.
class TextToolsHost : public QObject {
public:
    explicit TextToolsHost(TfrmQuillet& window)
        : QObject(&window), calculator(&window),
          commands(*window.editor(), window.prompts(), window, calculator) {}
    CalculatorDialogPrompt calculator;
    TextToolCommands commands;
};
} // namespace

void installTextTools(TfrmQuillet& window) {
    auto* host = new TextToolsHost(window);
    for (const QString& id : TextToolCommands::commandIds()) {
        window.setCommandHandler(id, [&window, host, id] {
            if (id == QLatin1String("ToolsCalc"))
                host->commands.setCalculatorValue(window.settingsValues().calcValue);
            const std::optional<DocumentEffect> effect = host->commands.run(id);
            if (id == QLatin1String("ToolsCalc"))
                window.settingsValues().calcValue = host->commands.calculatorValue();
            if (effect == DocumentEffect::MarkModified) {
                window.setModified(true);
                window.editorChange();
            }
            window.focusEditor();
        });
    }
}

} // namespace quillet
