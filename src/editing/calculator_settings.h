#pragma once

class QSettings;

namespace quillet {

// The calculator's last value in the settings store: group "GeneralSettings", value
// "dlgCalc_Value", 0 when absent or unreadable.
double readCalculatorValue(QSettings& settings);
void writeCalculatorValue(QSettings& settings, double value);

} // namespace quillet
