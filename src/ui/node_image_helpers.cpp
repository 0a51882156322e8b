#include "ui/node_image_art.h"

#include "ui/node_images.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace quillet::art {

QColor rgb(unsigned value) {
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

QPen pen(const QColor& c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fill(QPainter& p, const QPainterPath& path, const QColor& body, const QColor& edge,
          qreal width) {
    p.setBrush(body);
    p.setPen(edge.isValid() ? pen(edge, width) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& body,
             const QColor& edge, qreal width) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    fill(p, path, body, edge, width);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& c, qreal width) {
    p.setPen(pen(c, width));
    p.drawLine(a, b);
}

void disc(QPainter& p, QPointF centre, qreal r, const QColor& body, const QColor& edge,
          qreal width) {
    p.setBrush(body.isValid() ? QBrush(body) : QBrush(Qt::NoBrush));
    p.setPen(edge.isValid() ? pen(edge, width) : QPen(Qt::NoPen));
    p.drawEllipse(centre, r, r);
}

void sheet(QPainter& p, const QColor& paper) {
    polygon(p, {{2.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 15.5}, {2.5, 15.5}}, paper,
            paper.darker(170));
    polygon(p, {{10, 0.5}, {10, 4}, {13.5, 4}}, paper.lighter(150), paper.darker(170));
    const QColor ink = paper.lightness() > 140 ? paper.darker(220) : paper.lighter(190);
    for (int y = 7; y <= 13; y += 2)
        line(p, {4.5, y + 0.5}, {11.5, y + 0.5}, ink, 1);
}

void book(QPainter& p, const QColor& cover) {
    polygon(p, {{4, 1.5}, {14, 1.5}, {14, 13}, {4, 13}}, cover, cover.darker(180));
    polygon(p, {{4, 13}, {14, 13}, {14, 15}, {4, 15}}, QColor(Qt::white), rgb(0x808080));
    polygon(p, {{2, 2.5}, {4, 1.5}, {4, 15}, {2, 15.5}}, cover.darker(150), cover.darker(200));
    line(p, {6.5, 4.5}, {11.5, 4.5}, cover.lighter(160), 1);
}

void postIt(QPainter& p, const QColor& paper) {
    polygon(p, {{1.5, 1.5}, {14.5, 1.5}, {14.5, 10.5}, {10.5, 14.5}, {1.5, 14.5}}, paper,
            paper.darker(160));
    polygon(p, {{14.5, 10.5}, {10.5, 10.5}, {10.5, 14.5}}, paper.darker(125), paper.darker(160));
    p.fillRect(QRectF(1.5, 1.5, 13, 2), paper.darker(115));
    const QColor ink = paper.darker(200);
    line(p, {3.5, 6.5}, {12.5, 6.5}, ink, 0.8);
    line(p, {3.5, 9}, {9, 9}, ink, 0.8);
}

void ball(QPainter& p, const QColor& colour, QPointF centre, qreal r) {
    QRadialGradient g(centre + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0, colour.lighter(190));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(220));
    p.setBrush(g);
    p.setPen(pen(colour.darker(250), 0.6));
    p.drawEllipse(centre, r, r);
}

void flower(QPainter& p, const QColor& petal, const QColor& centre, int petals, qreal petalR,
            qreal distance) {
    for (int i = 0; i < petals; ++i) {
        const qreal a = 2 * M_PI * i / petals - M_PI / 2;
        disc(p, QPointF(8 + distance * qCos(a), 8 + distance * qSin(a)), petalR, petal,
             petal.darker(170), 0.6);
    }
    disc(p, {8, 8}, 2.2, centre, centre.darker(160), 0.6);
}

void butterfly(QPainter& p, const QColor& wing, const QColor& spot) {
    const QColor edge = wing.lightness() > 200 ? rgb(0x606060) : wing.darker(220);
    QPainterPath upper;
    upper.moveTo(8, 7);
    upper.cubicTo(5, 0, 0, 0, 1, 5);
    upper.cubicTo(1.5, 8, 5, 8.5, 8, 7.5);
    fill(p, upper, wing, edge, 0.7);
    fill(p, QTransform(-1, 0, 0, 1, 16, 0).map(upper), wing, edge, 0.7);
    QPainterPath lower;
    lower.moveTo(8, 8);
    lower.cubicTo(5, 8, 2, 10, 3, 13);
    lower.cubicTo(4.5, 15, 7, 12, 8, 9.5);
    fill(p, lower, wing.darker(115), edge, 0.7);
    fill(p, QTransform(-1, 0, 0, 1, 16, 0).map(lower), wing.darker(115), edge, 0.7);
    disc(p, {4, 4.5}, 1.2, spot, QColor());
    disc(p, {12, 4.5}, 1.2, spot, QColor());
    line(p, {8, 4}, {8, 13}, rgb(0x202020), 1.4);
    line(p, {8, 4}, {6.5, 1}, rgb(0x202020), 0.6);
    line(p, {8, 4}, {9.5, 1}, rgb(0x202020), 0.6);
}

QPainterPath starPath(QPointF centre, int points, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = M_PI * i / points - M_PI / 2;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void star(QPainter& p, const QColor& body, const QColor& edge, QPointF centre, qreal outer,
          qreal inner) {
    fill(p, starPath(centre, 5, outer, inner), body, edge, 0.8);
}

QPainterPath heartPath(QPointF c, qreal s) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.9);
    path.cubicTo(c.x() - s * 1.6, c.y() - s * 0.1, c.x() - s * 0.8, c.y() - s * 1.3, c.x(),
                 c.y() - s * 0.45);
    path.cubicTo(c.x() + s * 0.8, c.y() - s * 1.3, c.x() + s * 1.6, c.y() - s * 0.1, c.x(),
                 c.y() + s * 0.9);
    return path;
}

void questionMark(QPainter& p, QPointF top, qreal s, const QColor& c, qreal width) {
    QPainterPath path;
    path.moveTo(top.x() - 2.5 * s, top.y() + 2.5 * s);
    path.cubicTo(top.x() - 2.5 * s, top.y() - 0.5 * s, top.x() + 2.5 * s, top.y() - 0.5 * s,
                 top.x() + 2.5 * s, top.y() + 2.5 * s);
    path.cubicTo(top.x() + 2.5 * s, top.y() + 4 * s, top.x(), top.y() + 4 * s, top.x(),
                 top.y() + 6.5 * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(c, width));
    p.drawPath(path);
    disc(p, QPointF(top.x(), top.y() + 9 * s), width * 0.65, c, QColor());
}

void exclamation(QPainter& p, qreal x, qreal top, qreal bottom, const QColor& c, qreal width) {
    line(p, {x, top}, {x, bottom - width * 2}, c, width);
    disc(p, QPointF(x, bottom), width * 0.6, c, QColor());
}

void globe(QPainter& p, QPointF c, qreal r) {
    disc(p, c, r, rgb(0x2f7fe0), rgb(0x103070), 0.8);
    QPainterPath land;
    land.moveTo(c.x() - r * 0.6, c.y() - r * 0.7);
    land.cubicTo(c.x() + r * 0.1, c.y() - r * 0.9, c.x() + 0.1 * r, c.y() - 0.1 * r,
                 c.x() - r * 0.3, c.y() + r * 0.1);
    land.cubicTo(c.x() - r * 0.1, c.y() + r * 0.8, c.x() - r * 0.7, c.y() + 0.5 * r,
                 c.x() - r * 0.9, c.y() - r * 0.1);
    land.closeSubpath();
    land.moveTo(c.x() + r * 0.3, c.y() + r * 0.1);
    land.cubicTo(c.x() + r * 0.9, c.y() - r * 0.3, c.x() + r * 0.9, c.y() + r * 0.6,
                 c.x() + r * 0.4, c.y() + r * 0.8);
    land.closeSubpath();
    fill(p, land, rgb(0x30b040), QColor());
}

void screen(QPainter& p, const QRectF& body, const QColor& glass) {
    p.setBrush(rgb(0xd8d4c8));
    p.setPen(pen(rgb(0x606060), 0.8));
    p.drawRoundedRect(body, 1, 1);
    QRectF inner = body.adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient g(inner.topLeft(), inner.bottomRight());
    g.setColorAt(0, glass.lighter(160));
    g.setColorAt(1, glass);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRect(inner);
}

void figure(QPainter& p, QPointF head, qreal angle, qreal s, const QColor& c, bool armsUp) {
    p.save();
    p.translate(head);
    p.rotate(angle);
    disc(p, {0, 0}, 1.6 * s, c, QColor());
    p.setPen(pen(c, 1.3 * s));
    p.drawLine(QPointF(0, 1.5 * s), QPointF(0, 6 * s));
    p.drawLine(QPointF(0, 6 * s), QPointF(-2.2 * s, 10 * s));
    p.drawLine(QPointF(0, 6 * s), QPointF(2.2 * s, 10 * s));
    if (armsUp) {
        p.drawLine(QPointF(0, 3 * s), QPointF(-2.8 * s, 0));
        p.drawLine(QPointF(0, 3 * s), QPointF(2.8 * s, 0));
    } else {
        p.drawLine(QPointF(-3 * s, 3.3 * s), QPointF(3 * s, 3.3 * s));
    }
    p.restore();
}

void digit(QPainter& p, int d, const QRectF& b, const QColor& c, qreal width) {
    // Seven segments: a top, b upper right, c lower right, d bottom, e lower left, f upper
    // left, g middle.
    static const char* const segments[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                             "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    const qreal l = b.left(), r = b.right(), t = b.top(), m = b.center().y(), bt = b.bottom();
    p.setPen(pen(c, width));
    for (const char* s = segments[d]; *s; ++s) {
        switch (*s) {
        case 'a':
            p.drawLine(QPointF(l, t), QPointF(r, t));
            break;
        case 'b':
            p.drawLine(QPointF(r, t), QPointF(r, m));
            break;
        case 'c':
            p.drawLine(QPointF(r, m), QPointF(r, bt));
            break;
        case 'd':
            p.drawLine(QPointF(l, bt), QPointF(r, bt));
            break;
        case 'e':
            p.drawLine(QPointF(l, m), QPointF(l, bt));
            break;
        case 'f':
            p.drawLine(QPointF(l, t), QPointF(l, m));
            break;
        case 'g':
            p.drawLine(QPointF(l, m), QPointF(r, m));
            break;
        default:
            break;
        }
    }
}

void card(QPainter& p, const QColor& frame) {
    p.setBrush(rgb(0xfff6dc));
    p.setPen(pen(frame, 1.4));
    p.drawRoundedRect(QRectF(2.2, 0.7, 11.6, 14.6), 1.2, 1.2);
}

void playingCard(QPainter& p) {
    p.setBrush(Qt::white);
    p.setPen(pen(rgb(0x505050), 0.8));
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
}

void yinYang(QPainter& p, const QColor& a, const QColor& b) {
    const QPointF c(8, 8);
    const qreal r = 7;
    disc(p, c, r, b, QColor());
    QPainterPath half;
    half.moveTo(8, 1);
    half.arcTo(QRectF(1, 1, 14, 14), 90, 180);
    half.arcTo(QRectF(4.5, 8, 7, 7), 270, -180);
    half.arcTo(QRectF(4.5, 1, 7, 7), 270, 180);
    fill(p, half, a, QColor());
    disc(p, {8, 4.5}, 1.2, b, QColor());
    disc(p, {8, 11.5}, 1.2, a, QColor());
    disc(p, c, r, QColor(), rgb(0x303030), 0.8);
}

void skull(QPainter& p, QPointF c, qreal s) {
    QPainterPath head;
    head.addEllipse(QPointF(c.x(), c.y() - 0.8 * s), 5 * s, 4.6 * s);
    head.addRect(QRectF(c.x() - 2.6 * s, c.y() + 2.5 * s, 5.2 * s, 3 * s));
    head.setFillRule(Qt::WindingFill);
    fill(p, head.simplified(), rgb(0xf4f0e6), rgb(0x505050), 0.7);
    disc(p, QPointF(c.x() - 1.9 * s, c.y() - 0.4 * s), 1.4 * s, rgb(0x202020), QColor());
    disc(p, QPointF(c.x() + 1.9 * s, c.y() - 0.4 * s), 1.4 * s, rgb(0x202020), QColor());
    polygon(p,
            {{c.x(), c.y() + 1.2 * s},
             {c.x() - 0.7 * s, c.y() + 2.3 * s},
             {c.x() + 0.7 * s, c.y() + 2.3 * s}},
            rgb(0x202020), QColor());
    for (qreal x = -1.5; x <= 1.6; x += 1.5)
        line(p, QPointF(c.x() + x * s, c.y() + 3.5 * s), QPointF(c.x() + x * s, c.y() + 5.3 * s),
             rgb(0x505050), 0.6);
}

} // namespace quillet::art

namespace quillet {

void paintNodeImage(QPainter& p, int index) {
    if (index < 0 || index >= kNodeImageCount)
        return;
    p.save();
    if (index < 75)
        art::paintFirstHalf(p, index);
    else
        art::paintSecondHalf(p, index);
    p.restore();
}

} // namespace quillet
