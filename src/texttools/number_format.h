#pragma once

#include <QChar>
#include <QString>

namespace quillet {

// The general number format of the calculator's result: up to 15 significant digits, no
// trailing zeros, and exponent notation ("1.5E20", "2E-7") when the decimal exponent is 15
// or more or below -5; `decimalPoint` is the user's decimal separator.
QString formatGeneralNumber(double value, QChar decimalPoint = QChar(u'.'));

} // namespace quillet
