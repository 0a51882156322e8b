#include "editing/ruler_widget.h"

#include "editing/ruler_geometry.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextEdit>

namespace quillet {

namespace {

const ruler::MarkerShape& shapeOf(RulerMarker::Kind kind) {
    switch (kind) {
    case RulerMarker::Kind::First:
        return ruler::kFirstInd;
    case RulerMarker::Kind::Left:
        return ruler::kLeftInd;
    default:
        return ruler::kRightInd;
    }
}

QString markerName(RulerMarker::Kind kind) {
    switch (kind) {
    case RulerMarker::Kind::First:
        return QStringLiteral("FirstInd");
    case RulerMarker::Kind::Left:
        return QStringLiteral("LeftInd");
    default:
        return QStringLiteral("RightInd");
    }
}

} // namespace

RulerMarker::RulerMarker(Kind kind, RulerWidget* ruler)
    : QWidget(ruler), m_kind(kind), m_ruler(ruler) {
    const ruler::MarkerShape& s = shapeOf(kind);
    setObjectName(markerName(kind));
    setGeometry(0, s.top, s.width, s.height);
    setCursor(Qt::SizeHorCursor);
}

void RulerMarker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal w = width();
    const qreal h = height();
    QPainterPath path;
    if (m_kind == Kind::First) {
        // Points down at the line from above, where the first line starts.
        path.moveTo(0, 0);
        path.lineTo(w, 0);
        path.lineTo(w / 2, h);
    } else if (m_kind == Kind::Left) {
        // Points up at the line, with a foot, where the later lines start.
        path.moveTo(w / 2, 0);
        path.lineTo(w, h * 0.6);
        path.lineTo(0, h * 0.6);
        path.closeSubpath();
        path.addRect(QRectF(1, h * 0.7, w - 2, h * 0.3));
    } else {
        path.moveTo(w / 2, 0);
        path.lineTo(w, h * 0.7);
        path.lineTo(0, h * 0.7);
        path.closeSubpath();
    }
    p.drawPath(path);
}

void RulerMarker::mousePressEvent(QMouseEvent* e) {
    m_half = width() / 2;
    move(x() + int(e->position().x()) - m_half, y());
    m_dragging = true;
    e->accept();
}

void RulerMarker::mouseMoveEvent(QMouseEvent* e) {
    if (!m_dragging)
        return;
    move(x() + int(e->position().x()) - m_half, y());
    e->accept();
}

void RulerMarker::mouseReleaseEvent(QMouseEvent* e) {
    if (!m_dragging)
        return;
    m_dragging = false;
    e->accept();
    m_ruler->released(this);
}

RulerWidget::RulerWidget(QWidget* parent) : QWidget(parent), m_ticks(tickText()) {
    setObjectName(QStringLiteral("Ruler"));
    setFixedHeight(ruler::kHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("RulerLine"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Sunken);
    m_line->setLineWidth(1);
    m_line->setGeometry(4, 12, qMax(0, innerWidth() - 8), 2);
    m_first = new RulerMarker(RulerMarker::Kind::First, this);
    m_left = new RulerMarker(RulerMarker::Kind::Left, this);
    m_right = new RulerMarker(RulerMarker::Kind::Right, this);
    placeMarkers(ParaAttributes{});
}

QString RulerWidget::tickText() {
    return QStringLiteral("\t|").repeated(100);
}

QSize RulerWidget::sizeHint() const {
    return {400, ruler::kHeight};
}

int RulerWidget::innerWidth() const {
    return contentsRect().width();
}

void RulerWidget::placeMarkers(const ParaAttributes& p) {
    m_shown = p;
    m_first->move(ruler::firstIndLeft(p.firstIndent), ruler::kFirstInd.top);
    m_left->move(ruler::leftIndLeft(p.firstIndent, p.leftIndent), ruler::kLeftInd.top);
    m_right->move(ruler::rightIndLeft(p.rightIndent, innerWidth()), ruler::kRightInd.top);
}

void RulerWidget::PlaceRulerMarkers() {
    if (m_editor)
        placeMarkers(readParaAttributes(m_editor->textCursor()));
}

void RulerWidget::released(RulerMarker* marker) {
    if (m_editor) {
        QTextCursor c = m_editor->textCursor();
        ParaAttributes p;
        if (marker->kind() == RulerMarker::Kind::Right) {
            p.rightIndent = ruler::rightIndentAt(marker->x(), innerWidth());
            writeParaAttributes(c, p, ParaField::RightIndent);
        } else {
            c.beginEditBlock();
            if (marker->kind() == RulerMarker::Kind::First) {
                p.firstIndent = ruler::firstIndentAt(marker->x());
                writeParaAttributes(c, p, ParaField::FirstIndent);
            }
            // The later lines stay where the unmoved left marker shows them.
            const int first = readParaAttributes(c).firstIndent;
            p.leftIndent = ruler::leftIndentAt(m_left->x(), first);
            writeParaAttributes(c, p, ParaField::LeftIndent);
            c.endEditBlock();
        }
    }
    emit markerReleased();
}

void RulerWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Dark), 2));
    p.drawLine(0, 1, width(), 1);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetrics fm(font);
    // A bar at every default tab stop: eight average character widths apart.
    const int tab = qMax(1, 8 * fm.averageCharWidth());
    const QRect area = contentsRect();
    const int baseline = area.top() + (area.height() + fm.ascent() - fm.descent()) / 2;
    int x = area.left();
    for (QChar ch : m_ticks) {
        if (ch == QLatin1Char('\t')) {
            x = (x - area.left()) / tab * tab + tab + area.left();
        } else {
            p.drawText(x, baseline, QString(ch));
            x += fm.horizontalAdvance(ch);
        }
        if (x > area.right())
            break;
    }
}

void RulerWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    m_line->setGeometry(4, 12, qMax(0, innerWidth() - 8), 2);
    // The right marker is measured from the right edge, so it follows the width.
    placeMarkers(m_shown);
}

} // namespace quillet
