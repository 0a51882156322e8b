#include "editing/calculator_settings.h"

#include <QSettings>

#include <cmath>

namespace quillet {

namespace {
const QString kKey = QStringLiteral("GeneralSettings/dlgCalc_Value");
}

double readCalculatorValue(QSettings& settings) {
    bool ok = false;
    const double v = settings.value(kKey, 0.0).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

void writeCalculatorValue(QSettings& settings, double value) {
    settings.setValue(kKey, std::isfinite(value) ? value : 0.0);
}

} // namespace quillet
