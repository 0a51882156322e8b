// Pictures 0 to 74 of the node image list.

#include "ui/node_image_art.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace quillet::art {

namespace {

const QColor kInk = rgb(0x202020);

void key(QPainter& p, QPointF ring, qreal angle, const QColor& metal) {
    p.save();
    p.translate(ring);
    p.rotate(angle);
    disc(p, {0, 0}, 2.6, QColor(), metal.darker(150), 1.8);
    disc(p, {0, 0}, 2.6, QColor(), metal, 1.1);
    line(p, {2.5, 0}, {10, 0}, metal.darker(140), 2.0);
    line(p, {2.5, 0}, {10, 0}, metal, 1.2);
    line(p, {7.5, 0}, {7.5, 2.5}, metal.darker(120), 1.2);
    line(p, {9.5, 0}, {9.5, 2.2}, metal.darker(120), 1.2);
    p.restore();
}

void handset(QPainter& p, QPointF at, qreal s, const QColor& c) {
    QPainterPath path;
    path.moveTo(at.x() - 5 * s, at.y() + 1 * s);
    path.cubicTo(at.x() - 4 * s, at.y() - 2.5 * s, at.x() + 4 * s, at.y() - 2.5 * s, at.x() + 5 * s,
                 at.y() + 1 * s);
    path.lineTo(at.x() + 3 * s, at.y() + 2 * s);
    path.cubicTo(at.x() + 2 * s, at.y(), at.x() - 2 * s, at.y(), at.x() - 3 * s, at.y() + 2 * s);
    path.closeSubpath();
    fill(p, path, c, c.darker(180), 0.7);
}

void pepperStem(QPainter& p, QPointF base) {
    line(p, base, base + QPointF(1, -2.5), rgb(0x2e7d22), 1.6);
}

void computer(QPainter& p) {
    screen(p, QRectF(1.5, 1.5, 13, 10), rgb(0x2050c0));
    polygon(p, {{5, 11.5}, {11, 11.5}, {12, 14.5}, {4, 14.5}}, rgb(0xc8c4b8), rgb(0x606060), 0.7);
}

void cd(QPainter& p, const QColor& a, const QColor& b) {
    QConicalGradient g(QPointF(8, 8), 30);
    g.setColorAt(0, a);
    g.setColorAt(0.25, b);
    g.setColorAt(0.5, a);
    g.setColorAt(0.75, b.lighter(130));
    g.setColorAt(1, a);
    p.setBrush(g);
    p.setPen(pen(rgb(0x707070), 0.7));
    p.drawEllipse(QPointF(8, 8), 7, 7);
    disc(p, {8, 8}, 2.2, rgb(0xe0e0e0), rgb(0x707070), 0.7);
    disc(p, {8, 8}, 0.9, Qt::white, QColor());
}

} // namespace

void paintFirstHalf(QPainter& p, int i) {
    switch (i) {
    case 0:
        sheet(p, rgb(0x1f2f7a));
        break;
    case 1:
        sheet(p, rgb(0xd02020));
        break;
    case 2:
        sheet(p, rgb(0x78c8f0));
        break;
    case 3:
        sheet(p, rgb(0x30a040));
        break;
    case 4:
        book(p, rgb(0x7a2aa0));
        break;
    case 5:
        book(p, rgb(0xf0d020));
        break;
    case 6:
        book(p, rgb(0x2050c0));
        questionMark(p, {9, 3.8}, 0.75, Qt::white, 1.5);
        break;
    case 7:
        polygon(p, {{1, 3}, {6, 3}, {7.5, 4.5}, {13, 4.5}, {13, 13}, {1, 13}}, rgb(0xd8a030),
                rgb(0x805010), 0.8);
        polygon(p, {{3.5, 7}, {15.5, 7}, {13, 13}, {1, 13}}, rgb(0xf8d060), rgb(0x805010), 0.8);
        break;
    case 8:
        book(p, rgb(0xc01818));
        break;
    case 9:
        polygon(p, {{2.5, 2.5}, {13.5, 2.5}, {13.5, 15.5}, {2.5, 15.5}}, Qt::white, rgb(0x707070),
                0.8);
        for (int y = 6; y <= 14; y += 2)
            line(p, {3.5, y + 0.5}, {12.5, y + 0.5}, rgb(0x80a0e0), 0.7);
        line(p, {4.5, 3}, {4.5, 15}, rgb(0xe07070), 0.6);
        for (int x = 4; x <= 12; x += 2)
            disc(p, QPointF(x, 2.2), 1.1, QColor(), rgb(0x404040), 0.9);
        break;
    case 10:
        postIt(p, rgb(0x70a8f0));
        break;
    case 11:
        postIt(p, rgb(0x80e070));
        break;
    case 12:
        postIt(p, rgb(0xf06060));
        break;
    case 13:
        postIt(p, rgb(0xfff060));
        break;
    case 14:
        postIt(p, rgb(0xfafafa));
        break;
    case 15:
        postIt(p, rgb(0xffa8d8));
        break;
    case 16:
        for (int y = 4; y <= 12; y += 2) {
            line(p, {1, y + 0.0}, {3.5, y + 0.0}, rgb(0xc0c0c0), 1);
            line(p, {12.5, y + 0.0}, {15, y + 0.0}, rgb(0xc0c0c0), 1);
        }
        p.setBrush(rgb(0x202020));
        p.setPen(pen(rgb(0x000000), 0.6));
        p.drawRoundedRect(QRectF(3.5, 2.5, 9, 11), 1, 1);
        disc(p, {5.5, 4.5}, 0.8, rgb(0x808080), QColor());
        break;
    case 17:
        key(p, {3.5, 4}, 35, rgb(0xe0b030));
        key(p, {3.5, 11}, -20, rgb(0xc0c0c8));
        break;
    case 18:
        polygon(p, {{3, 9}, {13, 9}, {14.5, 15}, {1.5, 15}}, rgb(0xd02020), rgb(0x701010), 0.8);
        disc(p, {8, 12}, 1.8, rgb(0xf0f0f0), rgb(0x701010), 0.6);
        handset(p, {8, 5}, 1.3, rgb(0xd02020));
        break;
    case 19:
        computer(p);
        break;
    case 20:
        p.setBrush(rgb(0x303030));
        p.setPen(pen(rgb(0x000000), 0.7));
        p.drawRoundedRect(QRectF(1, 5, 10, 7), 1, 1);
        polygon(p, {{11, 8.5}, {15, 5.5}, {15, 11.5}}, rgb(0x505050), rgb(0x000000), 0.7);
        disc(p, {4, 3.5}, 2.2, rgb(0x404040), rgb(0x000000), 0.7);
        disc(p, {8.5, 3.5}, 2.2, rgb(0x404040), rgb(0x000000), 0.7);
        disc(p, {3, 7}, 0.8, rgb(0xff3030), QColor());
        break;
    case 21:
        line(p, {8, 4}, {5, 0.5}, rgb(0x404040), 0.8);
        line(p, {8, 4}, {11, 0.5}, rgb(0x404040), 0.8);
        p.setBrush(rgb(0x8a5a30));
        p.setPen(pen(rgb(0x402010), 0.8));
        p.drawRoundedRect(QRectF(0.5, 4, 15, 10.5), 1.5, 1.5);
        screen(p, QRectF(1.5, 5, 10, 8.5), rgb(0x40a060));
        disc(p, {13.5, 7}, 0.9, rgb(0xe0e0e0), QColor());
        disc(p, {13.5, 10}, 0.9, rgb(0xe0e0e0), QColor());
        break;
    case 22:
        polygon(p, {{1.5, 6}, {4.5, 6}, {9, 2}, {9, 14}, {4.5, 10}, {1.5, 10}}, rgb(0x505050),
                rgb(0x101010), 0.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x2060d0), 1));
        p.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
        p.drawArc(QRectF(6, 2.5, 9, 11), -60 * 16, 120 * 16);
        break;
    case 23:
        disc(p, {8, 8}, 7, Qt::white, rgb(0x2040a0), 1.4);
        for (int h = 0; h < 12; h += 3) {
            const qreal a = h * M_PI / 6;
            line(p, QPointF(8 + 5.3 * qSin(a), 8 - 5.3 * qCos(a)),
                 QPointF(8 + 6 * qSin(a), 8 - 6 * qCos(a)), kInk, 0.8);
        }
        line(p, {8, 8}, {8, 3.5}, kInk, 1.2);
        line(p, {8, 8}, {11, 9.5}, kInk, 1.2);
        break;
    case 24:
        polygon(p, {{1.5, 2.5}, {14.5, 2.5}, {14.5, 15}, {1.5, 15}}, Qt::white, rgb(0x606060), 0.8);
        p.fillRect(QRectF(1.5, 2.5, 13, 3.5), rgb(0xd02020));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                p.fillRect(QRectF(3 + c * 2.8, 7.3 + r * 2.4, 1.8, 1.5),
                           (r == 1 && c == 2) ? rgb(0xd02020) : rgb(0x6080a0));
        line(p, {4.5, 1}, {4.5, 3.5}, rgb(0x404040), 1);
        line(p, {11.5, 1}, {11.5, 3.5}, rgb(0x404040), 1);
        break;
    case 25:
        for (int k = 0; k < 3; ++k) {
            p.save();
            p.translate(8, 14);
            p.rotate(-25 + k * 25);
            p.setBrush(Qt::white);
            p.setPen(pen(rgb(0x505050), 0.7));
            p.drawRoundedRect(QRectF(-3.5, -12.5, 7, 10), 1, 1);
            p.restore();
        }
        fill(p, heartPath({8, 7}, 2), rgb(0xd02020), QColor());
        break;
    case 26:
        line(p, {8, 3}, {8, 0.8}, rgb(0x606060), 0.8);
        disc(p, {8, 0.9}, 0.9, rgb(0xe02020), QColor());
        p.setBrush(rgb(0xa8b0b8));
        p.setPen(pen(rgb(0x404850), 0.8));
        p.drawRoundedRect(QRectF(2.5, 3, 11, 9), 1.5, 1.5);
        disc(p, {5.5, 6.5}, 1.4, rgb(0x30e0ff), rgb(0x104050), 0.5);
        disc(p, {10.5, 6.5}, 1.4, rgb(0x30e0ff), rgb(0x104050), 0.5);
        p.fillRect(QRectF(5, 9.5, 6, 1), rgb(0x303030));
        p.fillRect(QRectF(5.5, 12, 5, 3), rgb(0x808890));
        break;
    case 27:
        disc(p, {8, 8}, 7, rgb(0xffdc30), rgb(0xa08000), 0.8);
        disc(p, {5.5, 6}, 1, kInk, QColor());
        disc(p, {10.5, 6}, 1, kInk, QColor());
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(kInk, 1.1));
        p.drawArc(QRectF(4, 5, 8, 6.5), -20 * 16, -140 * 16);
        break;
    case 28:
        for (int k = 0; k < 8; ++k) {
            const qreal a = k * M_PI / 4;
            line(p, QPointF(8 + 4 * qCos(a), 8 + 4 * qSin(a)),
                 QPointF(8 + 7.3 * qCos(a), 8 + 7.3 * qSin(a)), kInk, 1.3);
        }
        disc(p, {8, 8}, 5, rgb(0x303030), rgb(0x000000), 0.6);
        disc(p, {6.5, 6.5}, 1.3, Qt::white, QColor());
        break;
    case 29:
        ball(p, rgb(0xb8bcc4));
        break;
    case 30:
        line(p, {8, 14}, {8, 15}, rgb(0x806020), 1.2);
        p.fillRect(QRectF(4.5, 14.5, 7, 1.5), rgb(0x806020));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0xb08030), 1.1));
        p.drawArc(QRectF(1, 0.5, 14, 14), -100 * 16, -160 * 16);
        globe(p, {8, 7.5}, 5.5);
        break;
    case 31:
        globe(p, {8, 7}, 6.5);
        handset(p, {9, 12.5}, 1.1, rgb(0x202020));
        break;
    case 32:
        globe(p, {8, 8}, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(QColor(255, 255, 255, 150), 0.6));
        p.drawEllipse(QPointF(8, 8), 3, 7);
        p.drawLine(QPointF(1, 8), QPointF(15, 8));
        p.drawLine(QPointF(8, 1), QPointF(8, 15));
        break;
    case 33:
        polygon(p, {{8, 1}, {15.5, 14.5}, {0.5, 14.5}}, rgb(0xffd000), rgb(0x604000), 0.9);
        exclamation(p, 8, 5.5, 12.5, kInk, 1.6);
        break;
    case 34:
        questionMark(p, {8, 2}, 1.2, rgb(0x1040c0), 2.4);
        break;
    case 35: {
        QPainterPath oct;
        for (int k = 0; k < 8; ++k) {
            const qreal a = M_PI / 8 + k * M_PI / 4;
            const QPointF pt(8 + 7.3 * qCos(a), 8 + 7.3 * qSin(a));
            k == 0 ? oct.moveTo(pt) : oct.lineTo(pt);
        }
        oct.closeSubpath();
        fill(p, oct, rgb(0xe01010), rgb(0x600000), 0.8);
        exclamation(p, 8, 3.5, 12.5, Qt::white, 1.8);
        break;
    }
    case 36:
        disc(p, {8, 8}, 7, rgb(0x2060d0), rgb(0x0a2060), 0.8);
        disc(p, {8, 4.3}, 1.2, Qt::white, QColor());
        line(p, {8, 7}, {8, 12.5}, Qt::white, 2);
        break;
    case 37:
        for (int k = 0; k < 2; ++k) {
            const qreal x = k ? 10.5 : 5.5;
            const QColor c = k ? rgb(0x3070c0) : rgb(0xc06030);
            QPainterPath body;
            body.addEllipse(QRectF(x - 4.5, 10, 9, 8));
            fill(p, body, c, c.darker(170), 0.7);
            disc(p, QPointF(x, 6.5 - k), 3, rgb(0xf0c8a0), c.darker(170), 0.7);
        }
        break;
    case 38:
        figure(p, {8, 13.8}, 180, 1.25, rgb(0x2040a0));
        break;
    case 39:
        figure(p, {4.5, 12}, -135, 1.0, rgb(0xc02020), true);
        for (int k = 0; k < 3; ++k)
            line(p, QPointF(1 + k * 2, 1), QPointF(1 + k * 2, 5), rgb(0x909090), 0.6);
        break;
    case 40:
        figure(p, {8, 2.5}, 0, 0.95, rgb(0x2040a0));
        figure(p, {3, 5}, 0, 0.8, rgb(0xc03030));
        figure(p, {13, 5}, 0, 0.8, rgb(0x208030));
        break;
    case 41:
        computer(p);
        disc(p, {8, 7}, 5.5, QColor(), rgb(0xe00000), 1.6);
        line(p, {4.2, 3.2}, {11.8, 10.8}, rgb(0xe00000), 1.6);
        break;
    case 42:
        yinYang(p, rgb(0xe01818), rgb(0xffd800));
        break;
    case 43:
        disc(p, {8, 8}, 7.3, rgb(0xe01010), rgb(0x800000), 0.6);
        disc(p, {8, 8}, 5.3, Qt::white, QColor());
        disc(p, {8, 8}, 3.5, rgb(0xe01010), QColor());
        disc(p, {8, 8}, 1.6, Qt::white, QColor());
        break;
    case 44:
        cd(p, rgb(0xd8dce8), rgb(0x90c0ff));
        break;
    case 45:
        cd(p, rgb(0xf0d070), rgb(0xffa040));
        line(p, {12, 12}, {12, 15}, kInk, 0.9);
        disc(p, {11.2, 15}, 1, kInk, QColor());
        break;
    case 46:
        polygon(p, {{1.5, 1.5}, {13, 1.5}, {14.5, 3}, {14.5, 14.5}, {1.5, 14.5}}, rgb(0x2040a0),
                rgb(0x0a1840), 0.8);
        p.fillRect(QRectF(4.5, 1.5, 7, 4.5), rgb(0xc8ccd4));
        p.fillRect(QRectF(9, 2.3, 1.6, 3), rgb(0x2040a0));
        p.fillRect(QRectF(3.5, 8.5, 9, 6), Qt::white);
        line(p, {4.5, 10.5}, {11.5, 10.5}, rgb(0x8090c0), 0.6);
        break;
    case 47:
        p.fillRect(QRectF(0.5, 5, 15, 2.5), rgb(0x9a6030));
        p.fillRect(QRectF(1.5, 7.5, 2, 7.5), rgb(0x7a4820));
        p.fillRect(QRectF(9, 7.5, 6, 7.5), rgb(0x7a4820));
        line(p, {9.5, 10.5}, {14.5, 10.5}, rgb(0x3a2010), 0.6);
        disc(p, {12, 9}, 0.6, rgb(0xf0d080), QColor());
        disc(p, {12, 12.5}, 0.6, rgb(0xf0d080), QColor());
        p.fillRect(QRectF(4, 2, 4, 3), rgb(0x404040));
        break;
    case 48:
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.fillRect(QRectF(1 + c * 5, 1 + r * 5, 4, 4),
                           (r + c) % 2 ? rgb(0x50a0e0) : rgb(0x2050a0));
        p.fillRect(QRectF(7, 3, 2, 10), Qt::white);
        p.fillRect(QRectF(5.5, 2.5, 5, 1.5), Qt::white);
        p.fillRect(QRectF(5.5, 12, 5, 1.5), Qt::white);
        break;
    case 49: {
        QPainterPath brain;
        brain.addEllipse(QRectF(1, 3, 8, 10));
        brain.addEllipse(QRectF(7, 3, 8, 10));
        brain.addEllipse(QRectF(3, 1.5, 10, 7));
        brain.setFillRule(Qt::WindingFill);
        fill(p, brain.simplified(), rgb(0xf0a0b0), rgb(0x903050), 0.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0xa04060), 0.7));
        p.drawLine(QPointF(8, 2.5), QPointF(8, 12.5));
        p.drawArc(QRectF(2.5, 5, 4, 4), 0, 180 * 16);
        p.drawArc(QRectF(9.5, 5, 4, 4), 0, 180 * 16);
        p.drawArc(QRectF(3, 8.5, 4, 3), 180 * 16, 180 * 16);
        p.drawArc(QRectF(9, 8.5, 4, 3), 180 * 16, 180 * 16);
        break;
    }
    case 50: {
        p.fillRect(QRectF(10, 3, 2.5, 12), rgb(0x909498));
        for (int y = 5; y < 15; y += 2)
            line(p, QPointF(10, y), QPointF(12.5, y + 1), rgb(0x505458), 0.5);
        p.fillRect(QRectF(8, 1, 6.5, 2.5), rgb(0x707478));
        QPainterPath hex;
        for (int k = 0; k < 6; ++k) {
            const qreal a = k * M_PI / 3;
            const QPointF pt(5 + 4.3 * qCos(a), 10 + 4.3 * qSin(a));
            k == 0 ? hex.moveTo(pt) : hex.lineTo(pt);
        }
        hex.closeSubpath();
        fill(p, hex, rgb(0xb8bcc0), rgb(0x404448), 0.8);
        disc(p, {5, 10}, 1.7, rgb(0x505458), QColor());
        break;
    }
    case 51:
        p.translate(8, 8);
        p.rotate(45);
        polygon(p, {{-2, 5}, {-4.5, 7.5}, {-1.5, 6.5}}, rgb(0xd02020), QColor());
        polygon(p, {{2, 5}, {4.5, 7.5}, {1.5, 6.5}}, rgb(0xd02020), QColor());
        polygon(p, {{-1.5, 6.5}, {0, 9.5}, {1.5, 6.5}}, rgb(0xffa000), QColor());
        {
            QPainterPath body;
            body.moveTo(0, -8);
            body.cubicTo(3.5, -4, 2.5, 3, 2, 6.5);
            body.lineTo(-2, 6.5);
            body.cubicTo(-2.5, 3, -3.5, -4, 0, -8);
            fill(p, body, rgb(0xf0f0f4), rgb(0x505060), 0.7);
        }
        disc(p, {0, -2}, 1.2, rgb(0x40a0e0), rgb(0x203050), 0.5);
        break;
    case 52: {
        QPainterPath pepper;
        pepper.moveTo(8, 4);
        pepper.cubicTo(1, 2, 0, 11, 4, 14.5);
        pepper.cubicTo(6, 15.5, 7, 14, 8, 15);
        pepper.cubicTo(9, 14, 10, 15.5, 12, 14.5);
        pepper.cubicTo(16, 11, 15, 2, 8, 4);
        fill(p, pepper, rgb(0xff8a10), rgb(0x904000), 0.8);
        line(p, {8, 5}, {8, 13}, rgb(0xd06000), 0.6);
        pepperStem(p, {8, 4});
        break;
    }
    case 53:
        disc(p, {8, 9.5}, 6, rgb(0xe82010), rgb(0x801008), 0.8);
        fill(p, starPath({8, 4.3}, 5, 3.5, 1.2), rgb(0x30a020), rgb(0x205010), 0.5);
        disc(p, {5.5, 8}, 1, QColor(255, 255, 255, 140), QColor());
        break;
    case 54: {
        QPainterPath chilli;
        chilli.moveTo(4, 3);
        chilli.cubicTo(7, 2, 8, 5, 9, 8);
        chilli.cubicTo(10, 11, 12, 13, 15, 15);
        chilli.cubicTo(10, 15, 6, 12, 5, 9);
        chilli.cubicTo(4, 7, 3, 5, 4, 3);
        fill(p, chilli, rgb(0xd81010), rgb(0x700000), 0.8);
        line(p, {4.5, 3}, {2.5, 0.8}, rgb(0x2e7d22), 1.5);
        break;
    }
    case 55:
        for (int k = -1; k <= 1; ++k) {
            QRectF r(8 + k * 3.5 - 3.5, 4.5, 7, 10.5);
            p.setBrush(rgb(0xf07810));
            p.setPen(pen(rgb(0x904000), 0.7));
            p.drawEllipse(r);
        }
        p.setBrush(rgb(0xff9020));
        p.drawEllipse(QRectF(5, 4.5, 6, 10.5));
        line(p, {8, 5}, {9, 1.5}, rgb(0x306010), 1.6);
        break;
    case 56:
        ball(p, rgb(0x00c8b8));
        break;
    case 57:
        flower(p, rgb(0x3060e0), rgb(0xffe040), 5, 3.2, 4);
        break;
    case 58:
        flower(p, rgb(0xc8a0e8), rgb(0xfff0a0), 8, 2.2, 4.8);
        break;
    case 59:
        fill(p, starPath({8, 8}, 12, 7.8, 2.8), rgb(0xff7010), rgb(0xa03000), 0.5);
        disc(p, {8, 8}, 2.6, rgb(0x602000), QColor());
        break;
    case 60:
        flower(p, rgb(0xffe020), rgb(0xc06000), 5, 3.2, 4);
        break;
    case 61:
        flower(p, rgb(0x7a20a8), rgb(0xffe040), 6, 2.8, 4.3);
        break;
    case 62:
        flower(p, rgb(0xfcfcfc), rgb(0xf0c000), 6, 2.8, 4.3);
        break;
    case 63:
        flower(p, rgb(0xe01818), rgb(0x202020), 5, 3.2, 4);
        break;
    case 64:
        flower(p, rgb(0x40c040), rgb(0xf8f080), 5, 3.2, 4);
        break;
    case 65:
        flower(p, rgb(0xff88c8), rgb(0xffffff), 5, 3.2, 4);
        break;
    case 66: {
        line(p, {8, 9}, {7, 15.5}, rgb(0x207020), 1.3);
        QPainterPath leaf;
        leaf.moveTo(7.5, 13);
        leaf.cubicTo(10, 10.5, 12, 11, 13, 12);
        leaf.cubicTo(11, 14, 9, 14, 7.5, 13);
        fill(p, leaf, rgb(0x30a030), QColor());
        disc(p, {8, 5.5}, 5, rgb(0xc81020), rgb(0x600010), 0.7);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x700018), 0.8));
        p.drawArc(QRectF(5, 2.5, 6, 6), 30 * 16, 270 * 16);
        p.drawArc(QRectF(6.5, 4, 3, 3), 200 * 16, 270 * 16);
        break;
    }
    case 67: {
        QPainterPath cog = starPath({8, 8}, 8, 7.5, 5.8);
        fill(p, cog, rgb(0xd02020), rgb(0x701010), 0.7);
        disc(p, {8, 8}, 2.2, Qt::white, rgb(0x701010), 0.7);
        break;
    }
    case 68:
        star(p, rgb(0x2060e0), rgb(0x0a2060));
        break;
    case 69:
        star(p, rgb(0xffd800), rgb(0xe01010));
        fill(p, starPath({8, 8.5}, 5, 3.6, 1.5), rgb(0xe01010), QColor());
        break;
    case 70:
        star(p, rgb(0xffd800), rgb(0x907000));
        break;
    case 71:
        star(p, rgb(0x30c030), rgb(0x106010));
        break;
    case 72:
        polygon(p, {{1, 1}, {15, 1}, {8, 8}}, rgb(0xe02020), rgb(0x303030), 0.5);
        polygon(p, {{15, 1}, {15, 15}, {8, 8}}, rgb(0x2060e0), rgb(0x303030), 0.5);
        polygon(p, {{15, 15}, {1, 15}, {8, 8}}, rgb(0x30b030), rgb(0x303030), 0.5);
        polygon(p, {{1, 15}, {1, 1}, {8, 8}}, rgb(0xffd800), rgb(0x303030), 0.5);
        break;
    case 73:
        p.translate(8, 8);
        p.rotate(-40);
        p.fillRect(QRectF(-1, -3, 2.2, 11), rgb(0xa06828));
        p.setBrush(rgb(0x8890a0));
        p.setPen(pen(rgb(0x303840), 0.7));
        p.drawRect(QRectF(-5.5, -6.5, 11, 4));
        break;
    case 74: {
        QPainterPath eye;
        eye.moveTo(0.5, 8);
        eye.cubicTo(4, 2, 12, 2, 15.5, 8);
        eye.cubicTo(12, 14, 4, 14, 0.5, 8);
        fill(p, eye, Qt::white, rgb(0x303030), 0.9);
        disc(p, {8, 8}, 3.3, rgb(0x2a80d0), rgb(0x103060), 0.5);
        disc(p, {8, 8}, 1.5, kInk, QColor());
        disc(p, {7, 7}, 0.6, Qt::white, QColor());
        break;
    }
    default:
        break;
    }
}

} // namespace quillet::art
