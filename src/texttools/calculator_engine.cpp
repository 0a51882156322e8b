#include "texttools/calculator_engine.h"

#include "texttools/number_format.h"

#include <cmath>

namespace quillet {

CalculatorEngine::CalculatorEngine(double start) {
    m_shown = std::isfinite(start) ? start : 0;
    m_operandReady = true;
}

double CalculatorEngine::current() const {
    return m_entry.isEmpty() ? m_shown : m_entry.toDouble();
}

double CalculatorEngine::value() const {
    return m_error ? 0 : current();
}

QString CalculatorEngine::display(QChar decimalPoint) const {
    if (m_error)
        return QStringLiteral("Error");
    if (!m_entry.isEmpty()) {
        QString shown = m_entry;
        shown.replace(u'.', decimalPoint);
        return shown;
    }
    return formatGeneralNumber(m_shown, decimalPoint);
}

void CalculatorEngine::showResult(double v) {
    m_entry.clear();
    if (!std::isfinite(v)) {
        m_error = true;
        m_shown = 0;
        return;
    }
    m_shown = v == 0 ? 0 : v; // no "-0"
}

std::optional<double> CalculatorEngine::apply(Op op, double a, double b) {
    switch (op) {
    case Op::Add:
        return a + b;
    case Op::Subtract:
        return a - b;
    case Op::Multiply:
        return a * b;
    case Op::Divide:
        if (b == 0)
            return std::nullopt;
        return a / b;
    case Op::None:
        break;
    }
    return b;
}

void CalculatorEngine::clearAll() {
    m_entry.clear();
    m_shown = 0;
    m_accumulator = 0;
    m_pending = Op::None;
    m_lastOp = Op::None;
    m_lastOperand = 0;
    m_operandReady = false;
    m_error = false;
}

void CalculatorEngine::pressDigit(int digit) {
    if (m_entry.isEmpty() || !m_operandReady)
        m_entry = QStringLiteral("0");
    qsizetype significant = 0;
    bool leading = true;
    for (QChar c : m_entry) {
        if (c.isDigit() && (c != u'0' || !leading)) {
            leading = false;
            ++significant;
        }
    }
    if (significant >= kMaxDigits)
        return;
    if (m_entry == u"0")
        m_entry = QString::number(digit);
    else if (m_entry == u"-0")
        m_entry = QStringLiteral("-") + QString::number(digit);
    else
        m_entry.append(QChar(u'0' + digit));
    m_operandReady = true;
}

void CalculatorEngine::pressPoint() {
    if (m_entry.isEmpty() || !m_operandReady)
        m_entry = QStringLiteral("0");
    if (!m_entry.contains(u'.'))
        m_entry.append(u'.');
    m_operandReady = true;
}

void CalculatorEngine::pressOperator(Op op) {
    if (m_pending != Op::None && m_operandReady) {
        const auto r = apply(m_pending, m_accumulator, current());
        if (!r) {
            showResult(NAN);
            return;
        }
        showResult(*r);
        if (m_error)
            return;
        m_accumulator = m_shown;
    } else if (m_pending == Op::None) {
        m_accumulator = current();
        showResult(m_accumulator);
    }
    // With an operation pending and no new operand the person changed their mind: the
    // new operator replaces the old one.
    m_pending = op;
    m_operandReady = false;
}

void CalculatorEngine::pressEquals() {
    if (m_pending != Op::None) {
        const double operand = m_operandReady ? current() : m_accumulator;
        const auto r = apply(m_pending, m_accumulator, operand);
        m_lastOp = m_pending;
        m_lastOperand = operand;
        m_pending = Op::None;
        showResult(r ? *r : NAN);
    } else if (m_lastOp != Op::None) {
        const auto r = apply(m_lastOp, current(), m_lastOperand);
        showResult(r ? *r : NAN);
    } else {
        showResult(current());
    }
    m_accumulator = m_shown;
    // The result can be the operand of the next operator, but typing starts a new number.
    m_operandReady = false;
}

void CalculatorEngine::press(Key key) {
    if (m_error && key != Key::Clear && key != Key::ClearEntry &&
        !(key >= Key::Digit0 && key <= Key::Point))
        return;
    if (m_error)
        clearAll();

    switch (key) {
    case Key::Point:
        pressPoint();
        return;
    case Key::Add:
        pressOperator(Op::Add);
        return;
    case Key::Subtract:
        pressOperator(Op::Subtract);
        return;
    case Key::Multiply:
        pressOperator(Op::Multiply);
        return;
    case Key::Divide:
        pressOperator(Op::Divide);
        return;
    case Key::Equals:
        pressEquals();
        return;
    case Key::Clear:
        clearAll();
        return;
    case Key::ClearEntry:
        m_entry.clear();
        m_shown = 0;
        m_operandReady = true;
        return;
    case Key::Backspace:
        if (!m_entry.isEmpty() && m_operandReady) {
            m_entry.chop(1);
            if (m_entry.isEmpty() || m_entry == u"-")
                m_entry = QStringLiteral("0");
        }
        return;
    case Key::ChangeSign:
        if (!m_entry.isEmpty() && m_operandReady) {
            if (m_entry.startsWith(u'-'))
                m_entry.remove(0, 1);
            else
                m_entry.prepend(u'-');
        } else {
            showResult(-m_shown);
            if (m_pending == Op::None)
                m_accumulator = m_shown;
            m_operandReady = true;
        }
        return;
    case Key::Percent: {
        // With + or - pending, b% means b percent of the first operand (200 + 10% = 220);
        // otherwise it is b hundredths (200 * 10% = 20).
        const double b = current();
        const bool ofAccumulator = m_pending == Op::Add || m_pending == Op::Subtract;
        showResult(ofAccumulator ? m_accumulator * b / 100 : b / 100);
        m_operandReady = true;
        return;
    }
    default:
        pressDigit(int(key) - int(Key::Digit0));
        return;
    }
}

std::optional<CalculatorEngine::Key> CalculatorEngine::keyForCharacter(QChar c,
                                                                       QChar decimalPoint) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return Key(int(Key::Digit0) + (u - '0'));
    if (c == decimalPoint || u == '.' || u == ',')
        return Key::Point;
    switch (u) {
    case '+':
        return Key::Add;
    case '-':
        return Key::Subtract;
    case '*':
    case 'x':
    case 'X':
    case 0x00D7: // multiplication sign
        return Key::Multiply;
    case '/':
    case 0x00F7: // division sign
        return Key::Divide;
    case '=':
        return Key::Equals;
    case '%':
        return Key::Percent;
    default:
        return std::nullopt;
    }
}

} // namespace quillet
