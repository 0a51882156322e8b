#pragma once

// Drawing helpers shared by the pictures of the node image list. Coordinates are pixels of
// the 16 x 16 square.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace quillet::art {

QColor rgb(unsigned value);
QPen pen(const QColor& c, qreal width = 1.0);
void fill(QPainter& p, const QPainterPath& path, const QColor& body, const QColor& edge,
          qreal width = 1.0);
void polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& body,
             const QColor& edge, qreal width = 1.0);
void line(QPainter& p, QPointF a, QPointF b, const QColor& c, qreal width = 1.0);
void disc(QPainter& p, QPointF centre, qreal r, const QColor& body, const QColor& edge,
          qreal width = 1.0);

void sheet(QPainter& p, const QColor& paper);
void book(QPainter& p, const QColor& cover);
void postIt(QPainter& p, const QColor& paper);
void ball(QPainter& p, const QColor& colour, QPointF centre = {8, 8}, qreal r = 6.5);
void flower(QPainter& p, const QColor& petal, const QColor& centre, int petals, qreal petalR,
            qreal distance);
void butterfly(QPainter& p, const QColor& wing, const QColor& spot);
QPainterPath starPath(QPointF centre, int points, qreal outer, qreal inner);
void star(QPainter& p, const QColor& body, const QColor& edge, QPointF centre = {8, 8.5},
          qreal outer = 7.5, qreal inner = 3.2);
QPainterPath heartPath(QPointF centre, qreal size);
void questionMark(QPainter& p, QPointF top, qreal scale, const QColor& c, qreal width);
void exclamation(QPainter& p, qreal x, qreal top, qreal bottom, const QColor& c, qreal width);
void globe(QPainter& p, QPointF centre, qreal r);
void screen(QPainter& p, const QRectF& body, const QColor& glass);
// A stick figure: head at `head`, body direction in degrees (0: upright).
void figure(QPainter& p, QPointF head, qreal angle, qreal size, const QColor& c,
            bool armsUp = false);
void digit(QPainter& p, int d, const QRectF& box, const QColor& c, qreal width);
// A tarot card: cream face with a coloured frame; the symbol is drawn on top.
void card(QPainter& p, const QColor& frame);
void playingCard(QPainter& p);
void yinYang(QPainter& p, const QColor& a, const QColor& b);
void skull(QPainter& p, QPointF centre, qreal s);

void paintFirstHalf(QPainter& p, int index);
void paintSecondHalf(QPainter& p, int index);

} // namespace quillet::art
