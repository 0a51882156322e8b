#pragma once

#include "editing/text_tool_commands.h"
#include "texttools/calculator_engine.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillet {

// A pocket calculator: the keys on screen and on the keyboard feed a CalculatorEngine,
// the display shows its value with the user's decimal separator. Return and Enter mean
// "=", Delete is CE, Backspace removes a digit, F9 changes the sign, Escape cancels.
class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalculatorDialog(double start, QWidget* parent = nullptr);

    // The value shown (0 while an error is shown).
    double value() const { return m_engine.value(); }
    QString displayText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addKey(const QString& text, const QString& name, CalculatorEngine::Key key);
    void press(CalculatorEngine::Key key);
    void refresh();

    CalculatorEngine m_engine;
    QChar m_decimalPoint;
    QLabel* m_display = nullptr;
    QPushButton* m_ok = nullptr;
};

// The calculator prompt the window hands to TextToolCommands.
class CalculatorDialogPrompt : public CalculatorPrompt {
public:
    explicit CalculatorDialogPrompt(QWidget* parent) : m_parent(parent) {}
    std::optional<double> runCalculator(double start) override;

private:
    QWidget* m_parent;
};

} // namespace quillet
