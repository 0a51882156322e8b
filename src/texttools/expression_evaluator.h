#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace quillet {

// Reads an operand of the evaluator: optional leading spaces, then an optional sign and
// decimal digits, or a hexadecimal number introduced by "$", "x", "X", "0x" or "0X". Nothing
// may follow the number. Empty texts, other characters and values outside the 32-bit signed
// range give no value.
std::optional<std::int32_t> readInt32Operand(QStringView text);

// Evaluates strictly left to right with 32-bit wrap-around and no precedence: an operator
// replaces the previous one, "=" computes and chains the result as the new left operand.
// Returns the value of the last successful "=", or -1 when none succeeded.
std::int32_t EvaluateExpression(const QString& text);

} // namespace quillet
