#include "editing/calculator_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillet {

using Key = CalculatorEngine::Key;

CalculatorDialog::CalculatorDialog(double start, QWidget* parent)
    : QDialog(parent), m_engine(start) {
    setWindowTitle(tr("Calculator"));
    setObjectName(QStringLiteral("dlgCalc"));
    const QString point = QLocale().decimalPoint();
    m_decimalPoint = point.isEmpty() ? QChar(u'.') : point.at(0);

    m_display = new QLabel(this);
    m_display->setObjectName(QStringLiteral("lblDisplay"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_display->setMinimumHeight(m_display->fontMetrics().height() * 2);
    m_display->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout;
    struct Cell {
        const char* text;
        const char* name;
        Key key;
        int row;
        int column;
    };
    const Cell cells[] = {
        {"\u2190", "btnBackspace", Key::Backspace, 0, 0},
        {"CE", "btnClearEntry", Key::ClearEntry, 0, 1},
        {"C", "btnClear", Key::Clear, 0, 2},
        {"%", "btnPercent", Key::Percent, 0, 3},
        {"7", "btn7", Key::Digit7, 1, 0},
        {"8", "btn8", Key::Digit8, 1, 1},
        {"9", "btn9", Key::Digit9, 1, 2},
        {"\u00f7", "btnDivide", Key::Divide, 1, 3},
        {"4", "btn4", Key::Digit4, 2, 0},
        {"5", "btn5", Key::Digit5, 2, 1},
        {"6", "btn6", Key::Digit6, 2, 2},
        {"\u00d7", "btnMultiply", Key::Multiply, 2, 3},
        {"1", "btn1", Key::Digit1, 3, 0},
        {"2", "btn2", Key::Digit2, 3, 1},
        {"3", "btn3", Key::Digit3, 3, 2},
        {"\u2212", "btnSubtract", Key::Subtract, 3, 3},
        {"\u00b1", "btnSign", Key::ChangeSign, 4, 0},
        {"0", "btn0", Key::Digit0, 4, 1},
        {nullptr, "btnPoint", Key::Point, 4, 2},
        {"+", "btnAdd", Key::Add, 4, 3},
    };
    for (const Cell& c : cells) {
        const QString text = c.text ? QString::fromUtf8(c.text) : QString(m_decimalPoint);
        grid->addWidget(addKey(text, QString::fromLatin1(c.name), c.key), c.row, c.column);
    }
    grid->addWidget(addKey(QStringLiteral("="), QStringLiteral("btnEquals"), Key::Equals), 5, 0, 1,
                    4);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    QPushButton* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    // Return and Enter are the "=" key here, so no button may take them as a default.
    for (QPushButton* b : {m_ok, cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_display);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
}

QPushButton* CalculatorDialog::addKey(const QString& text, const QString& name, Key key) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    // The keys never take the focus, so typing always reaches the dialog.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
    return b;
}

QString CalculatorDialog::displayText() const {
    return m_display->text();
}

void CalculatorDialog::press(Key key) {
    m_engine.press(key);
    refresh();
}

void CalculatorDialog::refresh() {
    m_display->setText(m_engine.display(m_decimalPoint));
    m_ok->setEnabled(!m_engine.hasError());
}

void CalculatorDialog::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press(Key::Equals);
            return;
        case Qt::Key_Backspace:
            press(Key::Backspace);
            return;
        case Qt::Key_Delete:
            press(Key::ClearEntry);
            return;
        case Qt::Key_F9:
            press(Key::ChangeSign);
            return;
        default:
            break;
        }
        const QString text = event->text();
        if (text.size() == 1) {
            if (text == u"c" || text == u"C") {
                press(Key::Clear);
                return;
            }
            if (const auto key = CalculatorEngine::keyForCharacter(text.at(0), m_decimalPoint)) {
                press(*key);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

std::optional<double> CalculatorDialogPrompt::runCalculator(double start) {
    CalculatorDialog dialog(start, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

} // namespace quillet
