// Pictures 75 to 149 of the node image list.

#include "ui/node_image_art.h"

#include <QtMath>

namespace quillet::art {

namespace {

const QColor kInk = rgb(0x202020);
const QColor kTarotFrame = rgb(0x6a2a9a);
const QColor kGold = rgb(0xe0b020);

void spade(QPainter& p, QPointF c, qreal s, const QColor& col) {
    fill(p,
         QTransform()
             .translate(c.x(), c.y())
             .rotate(180)
             .translate(-c.x(), -c.y())
             .map(heartPath(c, s)),
         col, QColor());
    polygon(p,
            {{c.x(), c.y() + 0.2 * s},
             {c.x() - 0.9 * s, c.y() + 1.9 * s},
             {c.x() + 0.9 * s, c.y() + 1.9 * s}},
            col, QColor());
}

void club(QPainter& p, QPointF c, qreal s, const QColor& col) {
    disc(p, QPointF(c.x(), c.y() - 0.9 * s), 0.75 * s, col, QColor());
    disc(p, QPointF(c.x() - 0.9 * s, c.y() + 0.3 * s), 0.75 * s, col, QColor());
    disc(p, QPointF(c.x() + 0.9 * s, c.y() + 0.3 * s), 0.75 * s, col, QColor());
    polygon(
        p, {{c.x(), c.y()}, {c.x() - 0.8 * s, c.y() + 1.9 * s}, {c.x() + 0.8 * s, c.y() + 1.9 * s}},
        col, QColor());
}

void diamond(QPainter& p, QPointF c, qreal s, const QColor& col) {
    polygon(p,
            {{c.x(), c.y() - 1.6 * s},
             {c.x() + 1.1 * s, c.y()},
             {c.x(), c.y() + 1.6 * s},
             {c.x() - 1.1 * s, c.y()}},
            col, QColor());
}

void crown(QPainter& p, qreal y, const QColor& c, const QColor& jewel) {
    polygon(
        p,
        {{3.5, y + 4}, {3.5, y}, {5.5, y + 2}, {8, y - 1}, {10.5, y + 2}, {12.5, y}, {12.5, y + 4}},
        c, c.darker(170), 0.6);
    disc(p, QPointF(8, y + 2.6), 0.9, jewel, QColor());
}

void sun(QPainter& p, QPointF c, qreal r, qreal rays) {
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * M_PI / 4;
        line(p, QPointF(c.x() + (r + 0.8) * qCos(a), c.y() + (r + 0.8) * qSin(a)),
             QPointF(c.x() + (r + rays) * qCos(a), c.y() + (r + rays) * qSin(a)), rgb(0xff9800),
             1.1);
    }
    disc(p, c, r, rgb(0xffd020), rgb(0xd07000), 0.6);
}

void moon(QPainter& p, QPointF c, qreal r, const QColor& col, const QColor& background) {
    disc(p, c, r, col, QColor());
    disc(p, QPointF(c.x() + r * 0.55, c.y() - r * 0.2), r * 0.85, background, QColor());
}

void cup(QPainter& p, qreal x, qreal y, const QColor& c) {
    polygon(p, {{x - 2, y}, {x + 2, y}, {x + 1.2, y + 3}, {x - 1.2, y + 3}}, c, c.darker(170), 0.5);
    line(p, QPointF(x, y + 3), QPointF(x, y + 4.5), c.darker(130), 0.8);
}

void butterflyFor(QPainter& p, unsigned wing, unsigned spot) {
    butterfly(p, rgb(wing), rgb(spot));
}

void die(QPainter& p, const QRectF& r, int pips) {
    p.setBrush(Qt::white);
    p.setPen(pen(rgb(0x404040), 0.7));
    p.drawRoundedRect(r, 1.2, 1.2);
    const qreal l = r.left() + r.width() * 0.28, m = r.center().x(),
                rr = r.right() - r.width() * 0.28;
    const qreal t = r.top() + r.height() * 0.28, c = r.center().y(),
                b = r.bottom() - r.height() * 0.28;
    auto pip = [&](qreal x, qreal y) { disc(p, QPointF(x, y), 0.8, kInk, QColor()); };
    if (pips % 2)
        pip(m, c);
    if (pips >= 2) {
        pip(l, t);
        pip(rr, b);
    }
    if (pips >= 4) {
        pip(rr, t);
        pip(l, b);
    }
}

void tarot(QPainter& p, int i) {
    card(p, kTarotFrame);
    const QColor paper = rgb(0xfff6dc);
    switch (i) {
    case 96: // Lovers
        fill(p, heartPath({6, 7.5}, 2.6), rgb(0xe02050), QColor());
        fill(p, heartPath({10, 9}, 2.6), rgb(0xff70a0), QColor());
        break;
    case 97: // Chariot
        p.fillRect(QRectF(4, 5, 8, 4.5), rgb(0x3060c0));
        line(p, {3.5, 5}, {12.5, 5}, rgb(0x203070), 1);
        disc(p, {5.5, 11}, 2, paper, rgb(0x804010), 1);
        disc(p, {10.5, 11}, 2, paper, rgb(0x804010), 1);
        line(p, {5.5, 9}, {5.5, 13}, rgb(0x804010), 0.5);
        line(p, {10.5, 9}, {10.5, 13}, rgb(0x804010), 0.5);
        break;
    case 98: // Death
        skull(p, {8, 7}, 0.85);
        line(p, {4, 13.5}, {12, 13.5}, kInk, 1);
        break;
    case 99: // Devil
        disc(p, {8, 8.5}, 4, rgb(0xd01010), rgb(0x600000), 0.6);
        polygon(p, {{4.5, 6}, {3.5, 1.8}, {6.5, 5}}, rgb(0x600000), QColor());
        polygon(p, {{11.5, 6}, {12.5, 1.8}, {9.5, 5}}, rgb(0x600000), QColor());
        polygon(p, {{6, 8}, {7.2, 7.5}, {6.8, 8.8}}, rgb(0xffe000), QColor());
        polygon(p, {{10, 8}, {8.8, 7.5}, {9.2, 8.8}}, rgb(0xffe000), QColor());
        line(p, {6.3, 10.8}, {9.7, 10.8}, rgb(0x300000), 0.8);
        break;
    case 100: // Emperor
        crown(p, 4, kGold, rgb(0xd01010));
        p.fillRect(QRectF(5, 9.5, 6, 4), rgb(0xc02020));
        line(p, {8, 9}, {8, 13.5}, kGold, 0.8);
        break;
    case 101: // Empress
        crown(p, 2.5, kGold, rgb(0x30a0ff));
        disc(p, {8, 9}, 2, QColor(), rgb(0x30a040), 1.2);
        line(p, {8, 11}, {8, 14}, rgb(0x30a040), 1.2);
        line(p, {6.5, 12.5}, {9.5, 12.5}, rgb(0x30a040), 1.2);
        break;
    case 102: // Hanged man
        line(p, {4, 2.5}, {12, 2.5}, rgb(0x805020), 1.2);
        line(p, {8, 2.5}, {8, 4}, rgb(0x805020), 0.7);
        figure(p, {8, 12.3}, 180, 0.8, rgb(0x2040a0));
        break;
    case 103: // Hermit
        line(p, {6, 3}, {5, 14}, rgb(0x805020), 1);
        line(p, {9.5, 5}, {9.5, 6.5}, kInk, 0.6);
        polygon(p, {{8, 6.5}, {11, 6.5}, {11.5, 11}, {7.5, 11}}, rgb(0xffd040), rgb(0x604000), 0.6);
        disc(p, {9.5, 9}, 1, rgb(0xff6000), QColor());
        break;
    case 104: // Judgement: the trumpet
        polygon(p, {{3.5, 11}, {9, 7}, {12.5, 3}, {12.5, 9.5}, {9.5, 8.5}, {4, 12}}, kGold,
                rgb(0x806000), 0.6);
        for (int k = 0; k < 3; ++k)
            line(p, QPointF(11 + k, 11), QPointF(12 + k * 0.5, 13.5), rgb(0x80a0ff), 0.6);
        break;
    case 105: // Justice: scales
        line(p, {8, 3}, {8, 13}, kInk, 0.9);
        line(p, {3.5, 5}, {12.5, 5}, kInk, 0.9);
        line(p, {5.5, 13}, {10.5, 13}, kInk, 1);
        p.setBrush(kGold);
        p.setPen(pen(rgb(0x806000), 0.5));
        p.drawChord(QRectF(2, 6.5, 4, 4), 180 * 16, 180 * 16);
        p.drawChord(QRectF(10, 6.5, 4, 4), 180 * 16, 180 * 16);
        line(p, {3.5, 5}, {2.3, 8.5}, kInk, 0.4);
        line(p, {12.5, 5}, {13.7, 8.5}, kInk, 0.4);
        break;
    case 106: // Magician: wand with a star
        line(p, {4.5, 13}, {10, 5}, kInk, 1.4);
        fill(p, starPath({10.5, 4.5}, 5, 3, 1.2), rgb(0xffc000), rgb(0x806000), 0.4);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x2060d0), 0.9));
        p.drawEllipse(QRectF(4, 9.5, 3, 2));
        p.drawEllipse(QRectF(7, 9.5, 3, 2));
        break;
    case 107: // Moon
        p.fillRect(QRectF(3, 1.5, 10, 13), rgb(0x202a60));
        moon(p, {7.5, 8}, 4.5, rgb(0xfff4a0), rgb(0x202a60));
        break;
    case 108: // Pope: triple cross
        line(p, {8, 2}, {8, 14}, kGold.darker(130), 1.3);
        line(p, {6, 4}, {10, 4}, kGold.darker(130), 1.1);
        line(p, {5, 6.5}, {11, 6.5}, kGold.darker(130), 1.1);
        line(p, {4, 9}, {12, 9}, kGold.darker(130), 1.1);
        break;
    case 109: // Priestess: book under a crescent
        moon(p, {8, 4.5}, 2.6, rgb(0x80a0e0), paper);
        p.fillRect(QRectF(4.5, 8, 7, 5.5), rgb(0x2050a0));
        line(p, {8, 8}, {8, 13.5}, Qt::white, 0.6);
        break;
    case 110: // Star
        p.fillRect(QRectF(3, 1.5, 10, 13), rgb(0x102050));
        fill(p, starPath({8, 8}, 8, 5.5, 1.8), rgb(0xfff080), QColor());
        break;
    case 111: // Strength: lion's head
        fill(p, starPath({8, 8}, 10, 5.5, 4), rgb(0xc06010), QColor());
        disc(p, {8, 8}, 3.3, rgb(0xf0b040), QColor());
        disc(p, {6.8, 7.3}, 0.55, kInk, QColor());
        disc(p, {9.2, 7.3}, 0.55, kInk, QColor());
        polygon(p, {{7.3, 8.8}, {8.7, 8.8}, {8, 9.8}}, kInk, QColor());
        break;
    case 112:
        sun(p, {8, 8}, 3.2, 2.6);
        break;
    case 113: // Temperance: two cups and the poured stream
        cup(p, 5, 4, rgb(0x3070d0));
        cup(p, 11, 9, rgb(0xd0a020));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x40c0ff), 0.9));
        p.drawArc(QRectF(5.5, 3, 6, 8), 0, 120 * 16);
        break;
    case 114: // Tower struck by lightning
        p.fillRect(QRectF(5.5, 5, 5, 9.5), rgb(0x8a7a6a));
        for (int k = 0; k < 3; ++k)
            p.fillRect(QRectF(5.5 + k * 2, 3.5, 1, 1.5), rgb(0x8a7a6a));
        p.fillRect(QRectF(7.3, 8, 1.4, 2), kInk);
        polygon(p, {{12.5, 1.5}, {9.5, 5}, {11, 5}, {9, 8}, {13, 4}, {11.5, 4}}, rgb(0xffe000),
                rgb(0xa08000), 0.4);
        break;
    case 115: // Universe: wreath around the world
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x30a030), 1.6));
        p.drawEllipse(QRectF(3.5, 3, 9, 10));
        disc(p, {8, 8}, 2.6, rgb(0x2f7fe0), QColor());
        disc(p, {7.3, 7.4}, 1, rgb(0x30b040), QColor());
        break;
    default:
        break;
    }
}

} // namespace

void paintSecondHalf(QPainter& p, int i) {
    if (i >= 96 && i <= 115) {
        tarot(p, i);
        return;
    }
    if (i >= 125 && i <= 134) {
        p.setBrush(rgb(0x1f3f8f));
        p.setPen(pen(rgb(0x0a1840), 0.8));
        p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 2.5, 2.5);
        digit(p, i - 125, QRectF(4.5, 2.5, 7, 11), Qt::white, 2.1);
        return;
    }
    switch (i) {
    case 75:
        butterflyFor(p, 0xe01818, 0xffe060);
        break;
    case 76: {
        disc(p, {5, 4.5}, 3, QColor(200, 230, 255, 200), rgb(0x7090b0), 0.6);
        disc(p, {10.5, 4.5}, 3, QColor(200, 230, 255, 200), rgb(0x7090b0), 0.6);
        QPainterPath body;
        body.addEllipse(QRectF(2, 6.5, 12, 7.5));
        fill(p, body, rgb(0xffd000), kInk, 0.7);
        p.save();
        p.setClipPath(body);
        p.fillRect(QRectF(6, 6, 1.8, 9), kInk);
        p.fillRect(QRectF(9.5, 6, 1.8, 9), kInk);
        p.restore();
        disc(p, {3.5, 9.5}, 0.7, kInk, QColor());
        polygon(p, {{14, 10}, {15.8, 10.3}, {14, 11}}, kInk, QColor());
        break;
    }
    case 77:
        butterflyFor(p, 0xff8ac8, 0xffffff);
        break;
    case 78:
        butterflyFor(p, 0xffe020, 0x202020);
        break;
    case 79:
        fill(p, heartPath({8, 8.8}, 5.2), rgb(0xe01030), rgb(0x700010), 0.8);
        break;
    case 80: {
        const QColor skin = rgb(0xf4c090), edge = rgb(0x905020);
        p.setBrush(skin);
        p.setPen(pen(edge, 0.6));
        for (int k = 0; k < 4; ++k)
            p.drawRoundedRect(QRectF(3.8 + k * 2.3, 1.5 + (k == 0 || k == 3 ? 1.5 : 0), 2.1, 8), 1,
                              1);
        p.drawRoundedRect(QRectF(3.8, 7, 9.2, 8), 2.5, 2.5);
        p.save();
        p.translate(3.5, 10);
        p.rotate(-40);
        p.drawRoundedRect(QRectF(-1, -5, 2.2, 6), 1, 1);
        p.restore();
        break;
    }
    case 81:
        ball(p, rgb(0x303048));
        disc(p, {6.5, 5.5}, 1, kInk, QColor());
        disc(p, {9.5, 5.5}, 1, kInk, QColor());
        disc(p, {8, 8.5}, 1.1, kInk, QColor());
        break;
    case 82:
        p.fillRect(QRectF(5.3, 2, 1.2, 10), kInk);
        p.fillRect(QRectF(12.3, 1, 1.2, 10), kInk);
        polygon(p, {{5.3, 2}, {13.5, 1}, {13.5, 3.5}, {5.3, 4.5}}, kInk, QColor());
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2, 10.5, 4.5, 3.5));
        p.drawEllipse(QRectF(9, 9.5, 4.5, 3.5));
        break;
    case 83: {
        QPainterPath flame;
        flame.moveTo(8, 0.5);
        flame.cubicTo(11, 5, 15, 8, 13, 12);
        flame.cubicTo(11.5, 15.5, 4.5, 15.5, 3, 12);
        flame.cubicTo(1.5, 8, 6, 6, 8, 0.5);
        fill(p, flame, rgb(0xff6000), rgb(0xa02000), 0.6);
        QPainterPath core;
        core.moveTo(8, 6);
        core.cubicTo(10, 9, 11.5, 11, 10, 13);
        core.cubicTo(9, 14.5, 7, 14.5, 6, 13);
        core.cubicTo(5, 11, 7, 9, 8, 6);
        fill(p, core, rgb(0xffe040), QColor());
        break;
    }
    case 84:
        skull(p, {8, 7.5}, 1.2);
        break;
    case 85:
        polygon(p,
                {{7, 1},
                 {9, 1},
                 {9.3, 6},
                 {15, 9.5},
                 {15, 11},
                 {9.3, 9},
                 {9, 13},
                 {11, 14.5},
                 {11, 15.5},
                 {8, 14.8},
                 {5, 15.5},
                 {5, 14.5},
                 {7, 13},
                 {6.7, 9},
                 {1, 11},
                 {1, 9.5},
                 {6.7, 6}},
                rgb(0xa8b8d0), rgb(0x304060), 0.7);
        break;
    case 86: {
        const QColor paw = rgb(0x704020);
        p.setBrush(paw);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(4, 8, 8, 6.5));
        p.drawEllipse(QRectF(1.5, 5, 3, 3.5));
        p.drawEllipse(QRectF(4.8, 2, 3, 3.8));
        p.drawEllipse(QRectF(8.4, 2, 3, 3.8));
        p.drawEllipse(QRectF(11.5, 5, 3, 3.5));
        break;
    }
    case 87:
        disc(p, {8, 6}, 5, rgb(0xfff060), rgb(0xa09000), 0.7);
        p.fillRect(QRectF(5.5, 10, 5, 4), rgb(0xa0a4a8));
        line(p, {5.5, 11.5}, {10.5, 11.5}, rgb(0x505458), 0.5);
        line(p, {5.5, 13}, {10.5, 13}, rgb(0x505458), 0.5);
        line(p, {7, 14.5}, {9, 14.5}, rgb(0x404040), 1);
        line(p, {7, 8}, {8, 5.5}, rgb(0xc08000), 0.5);
        line(p, {9, 8}, {8, 5.5}, rgb(0xc08000), 0.5);
        break;
    case 88:
        playingCard(p);
        spade(p, {8, 7.5}, 3.2, kInk);
        break;
    case 89:
        playingCard(p);
        diamond(p, {8, 8}, 3.2, rgb(0xe01010));
        break;
    case 90:
        playingCard(p);
        club(p, {8, 7.5}, 2.8, kInk);
        break;
    case 91:
        playingCard(p);
        fill(p, heartPath({8, 8}, 3.6), rgb(0xe01010), QColor());
        break;
    case 92:
        disc(p, {8, 8}, 7, rgb(0xf0c030), rgb(0x906000), 0.8);
        disc(p, {8, 8}, 5, QColor(), rgb(0xb08010), 0.8);
        line(p, {8, 5}, {8, 11}, rgb(0xa07000), 1.2);
        break;
    case 93:
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x2060c0), 1.5));
        p.drawEllipse(QRectF(10, 6.5, 4.5, 5));
        p.setBrush(rgb(0x2060c0));
        p.setPen(pen(rgb(0x0a2050), 0.7));
        p.drawRoundedRect(QRectF(2.5, 5, 9, 10), 1.2, 1.2);
        p.fillRect(QRectF(3, 5.3, 8, 1.3), rgb(0x6a3a10));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0xa0a0a0), 0.7));
        p.drawArc(QRectF(4, 0.5, 2, 4), 90 * 16, 180 * 16);
        p.drawArc(QRectF(7, 0.5, 2, 4), -90 * 16, 180 * 16);
        break;
    case 94:
        polygon(p, {{4.5, 1.5}, {11.5, 1.5}, {14, 8}, {2, 8}}, rgb(0xf8d870), rgb(0x806020), 0.7);
        line(p, {8, 8}, {8, 13.5}, rgb(0x604020), 1.3);
        p.setBrush(rgb(0x604020));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(4, 12.5, 8, 3));
        break;
    case 95:
        p.fillRect(QRectF(4, 12.5, 8, 3), rgb(0x805020));
        p.setBrush(QColor(190, 160, 255, 230));
        p.setPen(pen(rgb(0x5030a0), 0.7));
        p.drawEllipse(QPointF(8, 7), 6, 6);
        disc(p, {6, 5}, 1.6, QColor(255, 255, 255, 200), QColor());
        disc(p, {9.5, 8.5}, 1.2, QColor(255, 220, 255, 180), QColor());
        break;
    case 116: {
        p.translate(2.5, 5.5);
        p.rotate(30);
        disc(p, {0, 0}, 2.8, QColor(), rgb(0x906000), 2.4);
        disc(p, {0, 0}, 2.8, QColor(), kGold, 1.5);
        line(p, {2.8, 0}, {12.5, 0}, rgb(0x906000), 2.4);
        line(p, {2.8, 0}, {12.5, 0}, kGold, 1.4);
        line(p, {9.5, 0}, {9.5, 3}, kGold, 1.5);
        line(p, {12, 0}, {12, 2.5}, kGold, 1.5);
        break;
    }
    case 117: {
        const QColor c = rgb(0x208040);
        disc(p, {10, 2.5}, 1.8, c, QColor());
        p.setPen(pen(c, 1.4));
        p.drawLine(QPointF(9.5, 4.5), QPointF(7.5, 9));
        p.drawLine(QPointF(7.5, 9), QPointF(10.5, 11.5));
        p.drawLine(QPointF(10.5, 11.5), QPointF(10, 15));
        p.drawLine(QPointF(7.5, 9), QPointF(4, 11));
        p.drawLine(QPointF(4, 11), QPointF(2, 10));
        p.drawLine(QPointF(9, 5.5), QPointF(12.5, 7.5));
        p.drawLine(QPointF(9, 5.5), QPointF(5.5, 6.5));
        line(p, {1, 4}, {4, 4}, rgb(0x909090), 0.6);
        line(p, {0.5, 6}, {3, 6}, rgb(0x909090), 0.6);
        break;
    }
    case 118:
        butterflyFor(p, 0x8a30c0, 0xffe060);
        break;
    case 119:
        butterflyFor(p, 0x2060e0, 0x90e0ff);
        break;
    case 120:
        butterflyFor(p, 0xf8f8f8, 0x303030);
        break;
    case 121:
        ball(p, rgb(0x58b0ff));
        break;
    case 122:
        ball(p, rgb(0x1a40d0));
        break;
    case 123:
        ball(p, rgb(0xff8c10));
        break;
    case 124:
        ball(p, rgb(0x28b028));
        break;
    case 135: {
        const QColor fur = rgb(0x707070);
        polygon(p, {{2, 7}, {2.5, 0.8}, {7, 4.5}}, fur, kInk, 0.6);
        polygon(p, {{14, 7}, {13.5, 0.8}, {9, 4.5}}, fur, kInk, 0.6);
        disc(p, {8, 9}, 6, fur, kInk, 0.6);
        polygon(p, {{4.5, 8.5}, {7, 7.5}, {6.5, 9.5}}, rgb(0x80e040), QColor());
        polygon(p, {{11.5, 8.5}, {9, 7.5}, {9.5, 9.5}}, rgb(0x80e040), QColor());
        polygon(p, {{7.2, 11}, {8.8, 11}, {8, 12}}, rgb(0xff90a0), QColor());
        for (int s = -1; s <= 1; s += 2) {
            line(p, QPointF(8 + s * 2, 12), QPointF(8 + s * 7, 11), Qt::white, 0.4);
            line(p, QPointF(8 + s * 2, 12.5), QPointF(8 + s * 7, 13.5), Qt::white, 0.4);
        }
        break;
    }
    case 136:
        p.fillRect(QRectF(0.5, 1.5, 15, 13), rgb(0xc09020));
        p.fillRect(QRectF(2.5, 3.5, 11, 9), rgb(0x90d0ff));
        polygon(p, {{2.5, 12.5}, {6.5, 6.5}, {9, 10}, {10.5, 8.5}, {13.5, 12.5}}, rgb(0x30a040),
                QColor());
        disc(p, {11, 5.5}, 1.2, rgb(0xffe040), QColor());
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x705010), 0.7));
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        break;
    case 137:
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x106010), 3.6));
        p.drawPolyline(QPolygonF({{2, 8.5}, {6, 12.5}, {14, 3}}));
        p.setPen(pen(rgb(0x30c030), 2.2));
        p.drawPolyline(QPolygonF({{2, 8.5}, {6, 12.5}, {14, 3}}));
        break;
    case 138:
        line(p, {3, 3}, {13, 13}, rgb(0x700000), 3.8);
        line(p, {13, 3}, {3, 13}, rgb(0x700000), 3.8);
        line(p, {3, 3}, {13, 13}, rgb(0xe01818), 2.4);
        line(p, {13, 3}, {3, 13}, rgb(0xe01818), 2.4);
        break;
    case 139: {
        QPainterPath upper;
        upper.moveTo(0.5, 8);
        upper.cubicTo(3, 3.5, 6, 3.5, 8, 5.5);
        upper.cubicTo(10, 3.5, 13, 3.5, 15.5, 8);
        upper.lineTo(0.5, 8);
        fill(p, upper, rgb(0xd81030), rgb(0x600010), 0.6);
        QPainterPath lower;
        lower.moveTo(0.5, 8);
        lower.cubicTo(4, 13.5, 12, 13.5, 15.5, 8);
        lower.lineTo(0.5, 8);
        fill(p, lower, rgb(0xf02848), rgb(0x600010), 0.6);
        line(p, {1.5, 8}, {14.5, 8}, rgb(0x500010), 0.7);
        break;
    }
    case 140:
        polygon(p, {{9.5, 0.5}, {3, 9}, {7.5, 9}, {5, 15.5}, {13, 6}, {8.5, 6}, {11.5, 0.5}},
                rgb(0xffe020), rgb(0x907000), 0.7);
        break;
    case 141:
        p.fillRect(QRectF(0, 0, 16, 9), rgb(0x90d8ff));
        sun(p, {12.5, 3.5}, 1.8, 1.5);
        p.fillRect(QRectF(0, 8, 16, 3.5), rgb(0x2070d0));
        p.fillRect(QRectF(0, 11.5, 16, 4.5), rgb(0xf0d890));
        line(p, {4, 15}, {5, 5}, rgb(0x806040), 0.8);
        p.setBrush(rgb(0xe02020));
        p.setPen(Qt::NoPen);
        p.drawPie(QRectF(0.5, 2.5, 9, 6), 0, 180 * 16);
        break;
    case 142:
        for (int k = 0; k < 6; ++k) {
            const qreal a = k * M_PI / 3;
            const QPointF tip(8 + 7 * qCos(a), 8 + 7 * qSin(a));
            line(p, {8, 8}, tip, rgb(0x3090e0), 1.2);
            const QPointF mid(8 + 4.3 * qCos(a), 8 + 4.3 * qSin(a));
            line(p, mid, mid + QPointF(2 * qCos(a + 0.9), 2 * qSin(a + 0.9)), rgb(0x3090e0), 0.8);
            line(p, mid, mid + QPointF(2 * qCos(a - 0.9), 2 * qSin(a - 0.9)), rgb(0x3090e0), 0.8);
        }
        break;
    case 143:
        die(p, QRectF(0.5, 5.5, 9, 9), 5);
        die(p, QRectF(7, 1, 8, 8), 3);
        break;
    case 144:
        polygon(p, {{1.5, 2}, {14.5, 2}, {8, 8.5}}, QColor(170, 220, 255, 220), rgb(0x406080), 0.7);
        polygon(p, {{3.5, 4}, {12.5, 4}, {8, 8.5}}, rgb(0xff60a0), QColor());
        line(p, {8, 8.5}, {8, 14}, rgb(0x406080), 1);
        line(p, {5, 14.5}, {11, 14.5}, rgb(0x406080), 1.1);
        line(p, {10, 0.5}, {8.5, 5}, rgb(0x806040), 0.6);
        disc(p, {10.5, 3.5}, 1.4, rgb(0x50a020), rgb(0x204010), 0.4);
        break;
    case 145:
        yinYang(p, kInk, Qt::white);
        break;
    case 146:
        disc(p, {8, 5.5}, 4.2, QColor(), rgb(0xe0407a), 2);
        line(p, {8, 9.7}, {8, 15.5}, rgb(0xe0407a), 2);
        line(p, {5, 12.7}, {11, 12.7}, rgb(0xe0407a), 2);
        break;
    case 147:
        disc(p, {6.5, 10}, 4.2, QColor(), rgb(0x2060d0), 2);
        line(p, {9.5, 7}, {14.5, 2}, rgb(0x2060d0), 2);
        polygon(p, {{15.5, 0.8}, {15.5, 6}, {10.3, 0.8}}, rgb(0x2060d0), QColor());
        break;
    case 148:
        p.fillRect(QRectF(5.5, 6, 5, 9), rgb(0xf8f4e8));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(rgb(0x909080), 0.6));
        p.drawRect(QRectF(5.5, 6, 5, 9));
        line(p, {8, 6}, {8, 4.7}, kInk, 0.6);
        {
            QPainterPath flame;
            flame.moveTo(8, 0.5);
            flame.cubicTo(10, 3, 10, 5, 8, 5);
            flame.cubicTo(6, 5, 6, 3, 8, 0.5);
            fill(p, flame, rgb(0xffa010), rgb(0xd04000), 0.4);
        }
        break;
    case 149:
        p.setBrush(rgb(0xf0e0c0));
        p.setPen(pen(rgb(0x805020), 1.2));
        p.drawRect(QRectF(1, 1, 14, 14));
        figure(p, {8, 3.6}, 0, 0.85, rgb(0x2040a0), true);
        break;
    default:
        break;
    }
}

} // namespace quillet::art
