#include "editing/color_picker_widget.h"

#include "ui/text_attributes.h"

#include <QApplication>
#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace quillet {

QColor displayColor(qint32 value) {
    if (value == kAutoTextColor)
        return QApplication::palette().color(QPalette::Text);
    if (value == kAutoBackColor)
        return QApplication::palette().color(QPalette::Base);
    if (value < 0)
        return QApplication::palette().color(QPalette::Text);
    return colorFromValue(value);
}

const QList<QRgb>& ColorPickerWidget::palette() {
    static const QList<QRgb> colors{
        0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xBFD7BF, 0x000000, 0x7F0000,
        0x007F00, 0x00007F, 0x9FBFEF, 0xBFBFBF, 0xFFFF00, 0x00FFFF, 0xFF00FF,
        0xFFF7EF, 0x7F7F7F, 0x7F7F00, 0x007F7F, 0x7F007F, 0x9F9F9F,
    };
    return colors;
}

ColorPickerWidget::ColorPickerWidget(QWidget* parent) : QToolButton(parent) {
    setPopupMode(QToolButton::InstantPopup);
    setMinimumWidth(48);
    m_menu = new QMenu(this);
    auto* panel = new QWidget(m_menu);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const QList<QRgb>& colors = palette();
    for (int i = 0; i < colors.size(); ++i) {
        auto* swatch = new QToolButton(panel);
        const QColor c(colors[i]);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
        swatch->setToolTip(c.name().toUpper());
        swatch->setFixedSize(20, 20);
        swatch->setStyleSheet(
            QStringLiteral("background-color: %1; border: 1px solid gray;").arg(c.name()));
        connect(swatch, &QToolButton::clicked, this, [this, c] { pick(colorValue(c)); });
        grid->addWidget(swatch, i / 4, i % 4);
    }
    auto* other = new QPushButton(QStringLiteral("&Other"), panel);
    other->setObjectName(QStringLiteral("btnOther"));
    connect(other, &QPushButton::clicked, this, [this] {
        m_menu->close();
        chooseOther();
    });
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(4, 4, 4, 4);
    v->addLayout(grid);
    v->addWidget(other);
    auto* action = new QWidgetAction(m_menu);
    action->setDefaultWidget(panel);
    m_menu->addAction(action);
    setMenu(m_menu);
    updateSwatch();
}

void ColorPickerWidget::setValue(qint32 value) {
    m_value = value;
    updateSwatch();
}

void ColorPickerWidget::pick(qint32 value) {
    m_menu->close();
    setValue(value);
    emit valueChanged(value);
}

void ColorPickerWidget::chooseOther() {
    // The custom colours start white each time, as the standard dialog is offered here.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    const QColor c = QColorDialog::getColor(displayColor(m_value), window());
    if (c.isValid())
        pick(colorValue(c));
}

void ColorPickerWidget::updateSwatch() {
    QPixmap pm(32, 14);
    pm.fill(displayColor(m_value));
    QPainter p(&pm);
    p.setPen(Qt::gray);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    setIcon(QIcon(pm));
    setIconSize(pm.size());
}

} // namespace quillet
