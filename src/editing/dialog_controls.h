#pragma once

// Small builders the format dialogs share.

#include <QString>
#include <QStringList>
#include <climits>

class QButtonGroup;
class QGroupBox;
class QSpinBox;
class QWidget;

namespace quillet {

// A whole-number box; "no limits" means the whole int range.
QSpinBox* makeNumberBox(QWidget* parent, const QString& objectName, int minimum = INT_MIN,
                        int maximum = INT_MAX, int step = 1);
// A titled group of radio buttons whose ids are their positions.
QGroupBox* makeRadioGroup(QWidget* parent, const QString& title, const QString& objectName,
                          const QStringList& entries, QButtonGroup** group, int columns = 1);
// Checks the entry `id`, or no entry when `id` is out of range.
void selectRadio(QButtonGroup* group, int id);

} // namespace quillet
