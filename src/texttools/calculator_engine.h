#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace quillet {

// A pocket calculator without widgets: keys in, a shown value out. Operations run in the
// order the keys arrive (no precedence), as on a desk calculator.
class CalculatorEngine {
public:
    enum class Key {
        Digit0,
        Digit1,
        Digit2,
        Digit3,
        Digit4,
        Digit5,
        Digit6,
        Digit7,
        Digit8,
        Digit9,
        Point,
        Add,
        Subtract,
        Multiply,
        Divide,
        Equals,
        Clear,      // C: everything back to 0
        ClearEntry, // CE: the number being entered back to 0, the pending operation stays
        Backspace,
        ChangeSign,
        Percent,
    };

    // Digits are limited to what a double holds exactly enough to show back.
    static constexpr int kMaxDigits = 15;

    explicit CalculatorEngine(double start = 0);

    void press(Key key);

    // The value shown; 0 while an error is shown.
    double value() const;
    bool hasError() const { return m_error; }
    // The display text: the number as typed while one is entered, else the value in the
    // general number format; "Error" after a division by zero or an overflow.
    QString display(QChar decimalPoint = QChar(u'.')) const;

    // The key a typed character stands for: digits, either decimal separator ('.' or the
    // user's one), + - * / x, = and %.
    static std::optional<Key> keyForCharacter(QChar c, QChar decimalPoint = QChar(u'.'));

private:
    enum class Op { None, Add, Subtract, Multiply, Divide };

    double current() const;
    void showResult(double v);
    std::optional<double> apply(Op op, double a, double b);
    void pressDigit(int digit);
    void pressPoint();
    void pressOperator(Op op);
    void pressEquals();
    void clearAll();

    QString m_entry;    // digits being typed ('.' as the point), empty when not typing
    double m_shown = 0; // value shown when no number is being typed
    double m_accumulator = 0;
    Op m_pending = Op::None;
    bool m_operandReady = false; // the shown value is an operand for the pending operation
    Op m_lastOp = Op::None;      // repeated "=" repeats the last operation
    double m_lastOperand = 0;
    bool m_error = false;
};

} // namespace quillet
