#pragma once

// A colour button that drops down the program's palette of twenty colours and an "&Other"
// button for the standard colour dialog. It holds a colour value of the attribute model, so
// an automatic colour passes through untouched until the person picks another.

#include <QToolButton>

class QMenu;

namespace quillet {

class ColorPickerWidget : public QToolButton {
    Q_OBJECT
public:
    explicit ColorPickerWidget(QWidget* parent = nullptr);

    qint32 value() const { return m_value; }
    void setValue(qint32 value);

    // The palette, 4 columns by 5 rows, row by row.
    static const QList<QRgb>& palette();

    QMenu* dropDown() const { return m_menu; }

signals:
    void valueChanged(qint32 value);

private:
    void pick(qint32 value);
    void chooseOther();
    void updateSwatch();

    qint32 m_value = 0;
    QMenu* m_menu = nullptr;
};

// The colour the widgets show for a value: automatic values as the system colours they
// stand for.
QColor displayColor(qint32 value);

} // namespace quillet
