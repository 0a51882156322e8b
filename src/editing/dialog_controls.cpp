#include "editing/dialog_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>

namespace quillet {

QSpinBox* makeNumberBox(QWidget* parent, const QString& objectName, int minimum, int maximum,
                        int step) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QGroupBox* makeRadioGroup(QWidget* parent, const QString& title, const QString& objectName,
                          const QStringList& entries, QButtonGroup** group, int columns) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(objectName);
    auto* grid = new QGridLayout(box);
    auto* g = new QButtonGroup(box);
    const int rows = (int(entries.size()) + columns - 1) / columns;
    for (int i = 0; i < entries.size(); ++i) {
        auto* r = new QRadioButton(entries[i], box);
        r->setObjectName(objectName + QString::number(i));
        g->addButton(r, i);
        grid->addWidget(r, i % rows, i / rows);
    }
    *group = g;
    return box;
}

void selectRadio(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button; showing "no entry" needs a moment
    // without exclusivity.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

} // namespace quillet
