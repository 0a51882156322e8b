#include "app/status_bar_widget.h"

#include <QEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>

namespace quillet {

StatusPicture::StatusPicture(const QString& objectName, const QIcon& icon, QWidget* parent)
    : QLabel(parent), m_icon(icon) {
    setObjectName(objectName);
    setFixedWidth(18);
    setAlignment(Qt::AlignCenter);
    refreshPixmap();
}

void StatusPicture::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && isEnabled() && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(e);
}

void StatusPicture::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange)
        refreshPixmap();
    QLabel::changeEvent(e);
}

void StatusPicture::refreshPixmap() {
    setPixmap(m_icon.pixmap(QSize(16, 16), isEnabled() ? QIcon::Normal : QIcon::Disabled));
}

QuilletStatusBar::QuilletStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPointSize(9);
    setFont(f);

    m_up =
        new StatusPicture(QStringLiteral("pnlUp"), QIcon::fromTheme(QStringLiteral("go-up")), this);
    m_up->setToolTip(tr("Move the selected node up"));
    m_down = new StatusPicture(QStringLiteral("pnlDown"),
                               QIcon::fromTheme(QStringLiteral("go-down")), this);
    m_down->setToolTip(tr("Move the selected node down"));
    m_status = new QLabel(QStringLiteral("Line: 0 Col: 0 Node Count: 0"), this);
    m_status->setObjectName(QStringLiteral("pnlStatusLine"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setMinimumWidth(140);
    m_modified = new StatusPicture(QStringLiteral("pnlModified"),
                                   QIcon::fromTheme(QStringLiteral("document-save")), this);
    m_modified->setToolTip(tr("Modified: click to save"));
    m_modified->setEnabled(false);
    m_spare = new StatusPicture(QStringLiteral("pnlSpare"),
                                QIcon::fromTheme(QStringLiteral("emblem-important")), this);
    m_spare->setEnabled(false);
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("pbBusy"));
    m_gauge->setFixedWidth(150);
    m_gauge->setMaximumHeight(14);
    m_gauge->setTextVisible(false);
    m_gauge->setRange(0, 1);
    m_gauge->setValue(0);
    m_gauge->setEnabled(false);
    m_hint = new ElidedLabel(this);
    m_hint->setObjectName(QStringLiteral("pnlHint"));
    m_hint->setMinimumWidth(60);
    m_hint->setMaximumWidth(300);

    addWidget(m_up);
    addWidget(m_down);
    addWidget(m_status);
    addWidget(m_modified);
    addWidget(m_spare);
    addWidget(m_gauge);
    addWidget(m_hint, 1);
}

void QuilletStatusBar::setStatusLine(const QString& text) {
    m_status->setText(text);
    // The panel grows to fit its text, never below its design width.
    m_status->setMinimumWidth(qMax(140, m_status->fontMetrics().horizontalAdvance(text) + 12));
}

QString QuilletStatusBar::statusLine() const {
    return m_status->text();
}

void QuilletStatusBar::setHintLine(const QString& text) {
    m_hint->setFullText(text);
}

QString QuilletStatusBar::hintLine() const {
    return m_hint->fullText();
}

void ElidedLabel::setFullText(const QString& text) {
    m_text = text;
    update();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = contentsRect().adjusted(2, 0, -2, 0);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(m_text, Qt::ElideRight, r.width()));
}

void QuilletStatusBar::setGaugeEnabled(bool on) {
    m_gauge->setEnabled(on);
    if (on) {
        m_gauge->setRange(0, 0); // indeterminate until someone reports a position
    } else {
        m_gauge->setRange(0, 1);
        m_gauge->setValue(0);
    }
}

void QuilletStatusBar::setGaugePosition(int value, int maximum) {
    m_gauge->setRange(0, qMax(1, maximum));
    m_gauge->setValue(qBound(0, value, qMax(1, maximum)));
}

} // namespace quillet
