#include "texttools/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quillet {

QString formatGeneralNumber(double value, QChar decimalPoint) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // Rounding to 15 significant digits first gives both the digits and the exponent of
    // the rounded value (9.9999999999999999 becomes 1E1, not 9.99...E0).
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    QString digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits.append(QLatin1Char(*p));
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString out;
    if (value < 0)
        out.append(u'-');
    if (exponent >= 15 || exponent < -5) {
        out.append(digits[0]);
        if (digits.size() > 1) {
            out.append(decimalPoint);
            out.append(QStringView(digits).sliced(1));
        }
        out.append(u'E');
        out.append(QString::number(exponent));
    } else if (exponent < 0) {
        out.append(u'0');
        out.append(decimalPoint);
        out.append(QString(-exponent - 1, u'0'));
        out.append(digits);
    } else {
        const int intDigits = exponent + 1;
        if (digits.size() <= intDigits) {
            out.append(digits);
            out.append(QString(intDigits - digits.size(), u'0'));
        } else {
            out.append(QStringView(digits).first(intDigits));
            out.append(decimalPoint);
            out.append(QStringView(digits).sliced(intDigits));
        }
    }
    return out;
}

} // namespace quillet
