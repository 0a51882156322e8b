#include "texttools/expression_evaluator.h"

#include <limits>

namespace quillet {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t wrapped(std::int64_t v) {
    // Two's complement wrap-around, well defined since C++20.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

} // namespace

std::optional<std::int32_t> readInt32Operand(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i >= n)
        return std::nullopt;

    int base = 10;
    bool negative = false;
    if (text[i] == u'$' || text[i] == u'x' || text[i] == u'X') {
        base = 16;
        ++i;
    } else if (text[i] == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    } else if (text[i] == u'+' || text[i] == u'-') {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= n)
        return std::nullopt;

    // The magnitude is checked after every digit, so any number of digits is safe.
    const std::int64_t limit = negative ? -kMin : kMax;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t EvaluateExpression(const QString& text) {
    QString left;
    QString right;
    QChar op;
    std::int32_t result = -1;

    for (QChar c : text) {
        switch (c.unicode()) {
        case '*':
        case '+':
        case '-':
        case '/':
            op = c;
            break;
        case '=': {
            if (op.isNull())
                break;
            const auto a = readInt32Operand(left);
            const auto b = readInt32Operand(right);
            if (!a || !b)
                break;
            std::int64_t value = 0;
            switch (op.unicode()) {
            case '+':
                value = std::int64_t(*a) + *b;
                break;
            case '-':
                value = std::int64_t(*a) - *b;
                break;
            case '*':
                value = std::int64_t(*a) * *b;
                break;
            default:
                if (*b == 0 || (*a == kMin && *b == -1))
                    continue;    // division by zero or overflow: nothing changes
                value = *a / *b; // C++ division truncates toward zero
                break;
            }
            result = wrapped(value);
            left = QString::number(result);
            right.clear();
            op = QChar();
            break;
        }
        default:
            if (op.isNull())
                left.append(c);
            else
                right.append(c);
            break;
        }
    }
    return result;
}

} // namespace quillet
