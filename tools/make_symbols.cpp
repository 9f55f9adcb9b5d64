// Draws the symbol pictures that the editors show in their grids: 79 locomotive-function
// pictograms (Konf/Fkt_Symbole/S1.bmp .. S79.bmp) and 26 accessory pictograms
// (Konf/Mag_Symbole/S1.bmp .. S26.bmp), 39 x 39 pixels, 24-bit BMP.
//
// Everything is drawn with vector strokes and our own stroke digits, never with a system
// font, so every machine produces the same files.
//
//   kx2_make_symbols <out-dir>            writes <out-dir>/Fkt_Symbole and <out-dir>/Mag_Symbole
//   kx2_make_symbols --list               prints the number -> meaning tables (Markdown)
//   kx2_make_symbols --sheet <file.png>   renders a contact sheet of both sets for checking

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace {

constexpr int Size = 39; // grid cells of the editors and symbol choosers are 39 px

const QColor Ink(25, 25, 25);
const QColor Paper(255, 255, 255);
const QColor Glow(255, 204, 0);      // a lit lamp
const QColor Brass(214, 160, 40);
const QColor Red(200, 20, 20);
const QColor Green(20, 150, 50);
const QColor Blue(20, 85, 190);
const QColor Orange(240, 120, 20);
const QColor Dim(95, 95, 95);        // an unlit lamp in a dark signal head
const QColor Smoke(120, 120, 120);
const QColor Pale(218, 218, 218);    // glass, light surfaces
const QColor Badge(232, 238, 246);

using P = QPainter;
using Pt = QPointF;

struct Symbol
{
    QString meaning; // German, as the docs list it
    std::function<void(P&)> draw;
};

// ---------------------------------------------------------------- drawing helpers

void pen(P& p, qreal w, const QColor& c = Ink)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void fill(P& p, const QColor& c, qreal outline = 1.5, const QColor& o = Ink)
{
    if (outline > 0)
        p.setPen(QPen(o, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(c);
}

void line(P& p, qreal x1, qreal y1, qreal x2, qreal y2) { p.drawLine(Pt(x1, y1), Pt(x2, y2)); }

void poly(P& p, std::initializer_list<Pt> pts, bool closed = false)
{
    QPolygonF g(pts);
    if (closed)
        p.drawPolygon(g);
    else
        p.drawPolyline(g);
}

void circle(P& p, qreal cx, qreal cy, qreal r) { p.drawEllipse(Pt(cx, cy), r, r); }

// Arc of a circle, angles in degrees counter-clockwise from 3 o'clock as QPainter counts them.
void arc(P& p, qreal cx, qreal cy, qreal r, qreal startDeg, qreal spanDeg)
{
    p.drawArc(QRectF(cx - r, cy - r, 2 * r, 2 * r), int(startDeg * 16), int(spanDeg * 16));
}

void arrowHead(P& p, Pt tip, Pt from, qreal len = 4.5, qreal halfAngleDeg = 32)
{
    const qreal a = std::atan2(from.y() - tip.y(), from.x() - tip.x());
    const qreal h = halfAngleDeg * M_PI / 180;
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip + Pt(len * std::cos(a + h), len * std::sin(a + h)));
    path.lineTo(tip + Pt(len * std::cos(a - h), len * std::sin(a - h)));
    path.closeSubpath();
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(QPen(p.pen().color(), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void arrow(P& p, Pt from, Pt to, qreal head = 4.5)
{
    // Stop the shaft short of the tip so the round cap does not poke through the head.
    const qreal dx = to.x() - from.x(), dy = to.y() - from.y();
    const qreal len = std::hypot(dx, dy);
    const Pt end = to - Pt(dx / len * head * 0.7, dy / len * head * 0.7);
    p.drawLine(from, end);
    arrowHead(p, to, from, head);
}

// Our own stroke digits and capitals on a 4 x 6 grid: no font, same pixels everywhere.
const std::map<QChar, std::vector<std::vector<Pt>>>& strokeGlyphs()
{
    static const std::map<QChar, std::vector<std::vector<Pt>>> g = {
        {'0', {{{0.6, 0}, {3.4, 0}, {4, 0.6}, {4, 5.4}, {3.4, 6}, {0.6, 6}, {0, 5.4}, {0, 0.6}, {0.6, 0}}}},
        {'1', {{{0.8, 1.2}, {2.2, 0}, {2.2, 6}}}},
        {'2', {{{0, 1}, {0.8, 0}, {3.2, 0}, {4, 1}, {4, 2.2}, {0, 6}, {4, 6}}}},
        {'3', {{{0, 0}, {4, 0}, {1.8, 2.6}, {3, 2.6}, {4, 3.6}, {4, 5.2}, {3.2, 6}, {0, 6}}}},
        {'4', {{{3, 6}, {3, 0}, {0, 4.2}, {4, 4.2}}}},
        {'5', {{{4, 0}, {0.4, 0}, {0, 2.8}, {3, 2.6}, {4, 3.6}, {4, 5.2}, {3.2, 6}, {0, 6}}}},
        {'6', {{{3.6, 0}, {1.4, 0}, {0, 1.6}, {0, 5.2}, {0.8, 6}, {3.2, 6}, {4, 5.2}, {4, 3.6}, {3.2, 2.8}, {0, 2.8}}}},
        {'7', {{{0, 0}, {4, 0}, {1.4, 6}}}},
        {'8', {{{0.8, 0}, {3.2, 0}, {3.8, 0.6}, {3.8, 2.2}, {3.2, 2.8}, {0.8, 2.8}, {0.2, 2.2}, {0.2, 0.6}, {0.8, 0}},
               {{0.8, 2.8}, {0, 3.6}, {0, 5.2}, {0.8, 6}, {3.2, 6}, {4, 5.2}, {4, 3.6}, {3.2, 2.8}}}},
        {'9', {{{4, 3.2}, {0.8, 3.2}, {0, 2.4}, {0, 0.8}, {0.8, 0}, {3.2, 0}, {4, 0.8}, {4, 4.4}, {2.6, 6}, {0.4, 6}}}},
        {'F', {{{4, 0}, {0, 0}, {0, 6}}, {{0, 2.8}, {3, 2.8}}}},
        {'M', {{{0, 6}, {0, 0}, {2, 3.4}, {4, 0}, {4, 6}}}},
    };
    return g;
}

constexpr qreal GlyphGap = 1.7; // grid units between two glyphs

qreal strokeTextWidth(const QString& s) { return s.size() * 4 + (s.size() - 1) * GlyphGap; }

// Text centred on (cx, cy); unit = pixels per grid step.
void strokeText(P& p, const QString& s, qreal cx, qreal cy, qreal unit, qreal width, const QColor& c = Ink)
{
    pen(p, width, c);
    qreal x = cx - strokeTextWidth(s) * unit / 2;
    const qreal y = cy - 3 * unit;
    for (QChar ch : s) {
        const auto it = strokeGlyphs().find(ch);
        if (it != strokeGlyphs().end())
            for (const auto& stroke : it->second) {
                QPolygonF g;
                for (const Pt& q : stroke)
                    g << Pt(x + q.x() * unit, y + q.y() * unit);
                p.drawPolyline(g);
            }
        x += (4 + GlyphGap) * unit;
    }
}

// A loudspeaker, its cone opening to the right; (x, cy) is the left edge of the magnet.
void speaker(P& p, qreal x, qreal cy, qreal s = 1.0)
{
    fill(p, Ink, 1.5);
    p.drawRect(QRectF(x, cy - 4.5 * s, 5 * s, 9 * s));
    poly(p, {Pt(x + 5 * s, cy - 4.5 * s), Pt(x + 12 * s, cy - 11 * s), Pt(x + 12 * s, cy + 11 * s), Pt(x + 5 * s, cy + 4.5 * s)}, true);
}

void soundWaves(P& p, qreal cx, qreal cy, std::initializer_list<qreal> radii, qreal span = 90, qreal w = 2)
{
    pen(p, w);
    for (qreal r : radii)
        arc(p, cx, cy, r, -span / 2, span);
}

// Wheel seen from the side.
void wheel(P& p, qreal cx, qreal cy, qreal r, qreal w = 2)
{
    fill(p, Paper, w);
    circle(p, cx, cy, r);
    fill(p, Ink, 0);
    circle(p, cx, cy, std::max<qreal>(1.2, r * 0.22));
}

// Side view of an electric locomotive within the rectangle; windows filled with winColor,
// the cab windows at both ends with cabColor.
void locoSide(P& p, QRectF r, const QColor& cabColor = Pale, const QColor& winColor = Pale)
{
    const qreal x0 = r.left(), x1 = r.right(), y0 = r.top(), y1 = r.bottom();
    const qreal h = y1 - y0;
    const qreal bodyBottom = y0 + h * 0.72;
    // body with sloped cab fronts
    fill(p, Paper, 1.8);
    poly(p, {Pt(x0, bodyBottom), Pt(x0 + 2, y0 + 1.5), Pt(x0 + 3.5, y0), Pt(x1 - 3.5, y0), Pt(x1 - 2, y0 + 1.5), Pt(x1, bodyBottom)}, true);
    // windows
    const qreal wy = y0 + h * 0.16, wh = h * 0.24;
    fill(p, cabColor, 1.2);
    p.drawRect(QRectF(x0 + 2.4, wy, 4, wh));
    p.drawRect(QRectF(x1 - 6.4, wy, 4, wh));
    fill(p, winColor, 1.2);
    const qreal inner0 = x0 + 9, inner1 = x1 - 9;
    const int n = (inner1 - inner0) > 14 ? 3 : 2;
    const qreal ww = ((inner1 - inner0) - (n - 1) * 2) / n;
    for (int i = 0; i < n; ++i)
        p.drawRect(QRectF(inner0 + i * (ww + 2), wy, ww, wh));
    // bogies
    const qreal wr = h * 0.13;
    const qreal wcy = y1 - wr;
    for (qreal cx : {x0 + 5.5, x0 + 5.5 + 2.4 * wr, x1 - 5.5 - 2.4 * wr, x1 - 5.5})
        wheel(p, cx, wcy, wr, 1.3);
}

// A cloud made of overlapping puffs, outlined once.
void cloud(P& p, std::initializer_list<std::pair<Pt, qreal>> puffs, const QColor& c, qreal w = 1.5)
{
    QPainterPath u;
    for (const auto& pf : puffs) {
        QPainterPath e;
        e.addEllipse(pf.first, pf.second, pf.second);
        u = u.united(e);
    }
    fill(p, c, w);
    p.drawPath(u.simplified());
}

void zigzag(P& p, std::initializer_list<Pt> pts, qreal w = 1.6, const QColor& c = Ink)
{
    pen(p, w, c);
    poly(p, pts);
}

// Track drawn like a signal box diagram: one thick line.
void track(P& p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& c = Ink)
{
    p.setPen(QPen(c, 3.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    line(p, x1, y1, x2, y2);
}

// Light signal: mast, foot and a dark head with the given lamps (centre y, colour).
void lightSignal(P& p, QRectF head, std::initializer_list<std::pair<Pt, QColor>> lamps, qreal lampR = 3.0)
{
    const qreal mx = head.center().x();
    pen(p, 2.4);
    line(p, mx, head.bottom(), mx, 32);
    pen(p, 2.2);
    line(p, mx - 6, 33, mx + 6, 33);
    fill(p, Ink, 1.2);
    p.drawRoundedRect(head, 3, 3);
    for (const auto& l : lamps) {
        fill(p, l.second, 0.8, Paper);
        circle(p, l.first.x(), l.first.y(), lampR);
    }
}

// ---------------------------------------------------------------- locomotive functions

// Front view of a locomotive with three head lamps (the A-shaped head light).
void frontView(P& p, const QColor& top, const QColor& left, const QColor& right, const QColor& windows = Pale)
{
    QPainterPath body;
    body.moveTo(7, 34);
    body.lineTo(7, 11);
    body.quadTo(7, 4, 14, 4);
    body.lineTo(25, 4);
    body.quadTo(32, 4, 32, 11);
    body.lineTo(32, 34);
    body.closeSubpath();
    fill(p, Paper, 2);
    p.drawPath(body);
    fill(p, windows, 1.4);
    p.drawRect(QRectF(10, 11.5, 8.5, 7));
    p.drawRect(QRectF(20.5, 11.5, 8.5, 7));
    pen(p, 1.6);
    line(p, 6, 34, 33, 34);
    fill(p, top, 1.3);
    circle(p, 19.5, 7.8, 2.2);
    fill(p, left, 1.3);
    circle(p, 12, 27, 3);
    fill(p, right, 1.3);
    circle(p, 27, 27, 3);
}

// Head lamp "D" with its flat side to the left, the rays drawn by the caller.
void headlampD(P& p)
{
    QPainterPath d;
    d.moveTo(20, 9);
    d.cubicTo(36, 9, 36, 30, 20, 30);
    d.closeSubpath();
    fill(p, Glow, 2);
    p.drawPath(d);
}

void bulb(P& p, qreal cx, qreal cy, qreal r, const QColor& glass)
{
    QPainterPath g;
    g.moveTo(cx - r * 0.45, cy + r * 1.05);
    g.cubicTo(cx - r * 0.5, cy + r * 0.55, cx - r, cy + r * 0.35, cx - r, cy - r * 0.1);
    g.arcTo(QRectF(cx - r, cy - r * 1.1, 2 * r, 2 * r), 180, -180);
    g.cubicTo(cx + r, cy + r * 0.35, cx + r * 0.5, cy + r * 0.55, cx + r * 0.45, cy + r * 1.05);
    g.closeSubpath();
    fill(p, glass, 1.8);
    p.drawPath(g);
    // screw base
    fill(p, Pale, 1.5);
    p.drawRect(QRectF(cx - r * 0.5, cy + r * 1.05, r, r * 0.75));
    pen(p, 1.3);
    line(p, cx - r * 0.5, cy + r * 1.42, cx + r * 0.5, cy + r * 1.42);
    fill(p, Ink, 0);
    p.drawRect(QRectF(cx - r * 0.25, cy + r * 1.8, r * 0.5, r * 0.35));
}

void rays(P& p, qreal cx, qreal cy, qreal r0, qreal r1, std::initializer_list<qreal> degs, qreal w = 1.8)
{
    pen(p, w);
    for (qreal d : degs) {
        const qreal a = d * M_PI / 180;
        line(p, cx + r0 * std::cos(a), cy - r0 * std::sin(a), cx + r1 * std::cos(a), cy - r1 * std::sin(a));
    }
}

void coachSide(P& p, QRectF r, const QColor& winColor)
{
    const qreal x0 = r.left(), x1 = r.right(), y0 = r.top(), y1 = r.bottom();
    const qreal h = y1 - y0;
    const qreal bodyBottom = y0 + h * 0.74;
    QPainterPath body;
    body.moveTo(x0, bodyBottom);
    body.lineTo(x0, y0 + 3);
    body.quadTo(x0, y0, x0 + 4, y0);
    body.lineTo(x1 - 4, y0);
    body.quadTo(x1, y0, x1, y0 + 3);
    body.lineTo(x1, bodyBottom);
    body.closeSubpath();
    fill(p, Paper, 1.8);
    p.drawPath(body);
    fill(p, winColor, 1.2);
    const int n = 5;
    const qreal inner0 = x0 + 2.5, inner1 = x1 - 2.5;
    const qreal ww = ((inner1 - inner0) - (n - 1) * 1.6) / n;
    for (int i = 0; i < n; ++i)
        p.drawRect(QRectF(inner0 + i * (ww + 1.6), y0 + h * 0.18, ww, h * 0.3));
    const qreal wr = h * 0.12;
    for (qreal cx : {x0 + 4.5, x0 + 4.5 + 2.5 * wr, x1 - 4.5 - 2.5 * wr, x1 - 4.5})
        wheel(p, cx, y1 - wr, wr, 1.2);
}

// Shunting locomotive: cab at the right, long hood at the left.
void shunterSide(P& p, qreal x0, qreal y0, qreal s)
{
    fill(p, Paper, 1.8);
    p.drawRect(QRectF(x0, y0 + 6 * s, 16 * s, 8 * s));        // hood
    p.drawRect(QRectF(x0 + 16 * s, y0, 10 * s, 14 * s));      // cab
    fill(p, Pale, 1.2);
    p.drawRect(QRectF(x0 + 18.5 * s, y0 + 2.5 * s, 5 * s, 4.5 * s));
    pen(p, 1.6);
    line(p, x0 + 4 * s, y0 + 6 * s, x0 + 4 * s, y0 + 3.5 * s); // exhaust
    line(p, x0 - 1 * s, y0 + 14 * s, x0 + 27 * s, y0 + 14 * s);
    wheel(p, x0 + 6 * s, y0 + 17 * s, 3 * s, 1.4);
    wheel(p, x0 + 20 * s, y0 + 17 * s, 3 * s, 1.4);
}

void pantograph(P& p, qreal cx, qreal roofY, qreal top, qreal halfW, qreal w = 1.6)
{
    const qreal midY = (roofY + top) / 2;
    pen(p, w);
    line(p, cx - halfW, top, cx + halfW, top);                  // pan head
    poly(p, {Pt(cx - halfW * 0.55, top), Pt(cx - halfW * 0.9, midY), Pt(cx - halfW * 0.4, roofY)});
    poly(p, {Pt(cx + halfW * 0.55, top), Pt(cx + halfW * 0.9, midY), Pt(cx + halfW * 0.4, roofY)});
    pen(p, w * 0.8);
    line(p, cx - halfW * 0.9, midY, cx + halfW * 0.9, midY);
}

std::vector<Symbol> functionSymbols()
{
    std::vector<Symbol> s;

    s.push_back({"Spitzenlicht", [](P& p) { frontView(p, Glow, Glow, Glow); }});

    s.push_back({"Licht (allgemein)", [](P& p) {
        bulb(p, 19.5, 16, 8.5, Glow);
        rays(p, 19.5, 15, 11, 15, {90, 30, 150, -10, 190});
    }});

    s.push_back({"Schlusslicht", [](P& p) {
        // rear of a coach: gangway door in the middle, two red lamps low down
        fill(p, Paper, 2);
        p.drawRoundedRect(QRectF(7, 5, 25, 29), 4, 4);
        fill(p, Pale, 1.4);
        p.drawRect(QRectF(15.5, 10, 8, 18));
        pen(p, 1.4);
        line(p, 15.5, 17, 23.5, 17);
        fill(p, Red, 1.3);
        circle(p, 11.5, 28.5, 2.8);
        circle(p, 27.5, 28.5, 2.8);
        pen(p, 1.6);
        line(p, 6, 34, 33, 34);
    }});

    s.push_back({"Fernlicht", [](P& p) {
        headlampD(p);
        pen(p, 2.2);
        for (qreal y : {11.0, 15.5, 20.0, 24.5, 29.0})
            line(p, 4, y, 15, y);
    }});

    s.push_back({"Abblendlicht", [](P& p) {
        headlampD(p);
        pen(p, 2.2);
        for (qreal y : {10.0, 15.0, 20.0, 25.0})
            line(p, 4, y + 5, 15, y);
    }});

    s.push_back({"Führerstandsbeleuchtung", [](P& p) {
        // the front of the locomotive with its cab windows lit and the head lamps dark
        frontView(p, Paper, Paper, Paper, Glow);
    }});

    s.push_back({"Innenbeleuchtung", [](P& p) { coachSide(p, QRectF(3, 9, 33, 22), Glow); }});

    s.push_back({"Dimmer", [](P& p) {
        fill(p, Paper, 2);
        circle(p, 19.5, 19.5, 8);
        QPainterPath half;
        half.moveTo(19.5, 11.5);
        half.arcTo(QRectF(11.5, 11.5, 16, 16), 90, 180);
        half.closeSubpath();
        fill(p, Glow, 0);
        p.drawPath(half);
        pen(p, 2);
        circle(p, 19.5, 19.5, 8);
        rays(p, 19.5, 19.5, 11, 15.5, {90, 135, 180, 225, 270}, 2);
        rays(p, 19.5, 19.5, 11, 13, {45, 0, 315}, 2);
    }});

    s.push_back({"Rundumleuchte", [](P& p) {
        QPainterPath dome;
        dome.moveTo(12, 27);
        dome.lineTo(12, 19);
        dome.arcTo(QRectF(12, 11.5, 15, 15), 180, -180);
        dome.lineTo(27, 27);
        dome.closeSubpath();
        fill(p, Orange, 1.8);
        p.drawPath(dome);
        fill(p, Ink, 0);
        p.drawRect(QRectF(9, 27, 21, 5));
        rays(p, 19.5, 19, 11, 16, {0, 25, 155, 180, 90}, 2);
    }});

    s.push_back({"Warnblinklicht", [](P& p) {
        fill(p, Paper, 3, Red);
        poly(p, {Pt(19.5, 4), Pt(36, 33), Pt(3, 33)}, true);
        pen(p, 2.4, Red);
        poly(p, {Pt(19.5, 15), Pt(27, 28.5), Pt(12, 28.5)}, true);
    }});

    s.push_back({"Feuerbüchse", [](P& p) {
        QPainterPath flame;
        flame.moveTo(19.5, 4);
        flame.cubicTo(22, 11, 30, 14, 29, 22);
        flame.cubicTo(28.5, 27, 24, 29, 19.5, 29);
        flame.cubicTo(15, 29, 10.5, 27, 10, 22);
        flame.cubicTo(9.5, 17, 14, 14, 15, 9);
        flame.cubicTo(17, 12, 17, 14, 18, 15);
        flame.cubicTo(18.5, 11, 18.5, 8, 19.5, 4);
        flame.closeSubpath();
        fill(p, Orange, 1.7);
        p.drawPath(flame);
        QPainterPath core;
        core.moveTo(19.5, 15);
        core.cubicTo(22, 19, 24.5, 21, 24, 24);
        core.cubicTo(23.5, 27, 15.5, 27, 15, 24);
        core.cubicTo(14.5, 21, 18, 19, 19.5, 15);
        fill(p, Glow, 0);
        p.drawPath(core);
        // grate
        pen(p, 2.2);
        line(p, 5, 33, 34, 33);
        for (qreal x : {9.0, 15.0, 21.0, 27.0})
            line(p, x, 31, x + 3, 35);
    }});

    s.push_back({"Signalhorn", [](P& p) {
        fill(p, Pale, 1.8);
        QPainterPath horn;
        horn.moveTo(9, 17.5);
        horn.cubicTo(16, 17, 20, 12, 24, 8);
        horn.lineTo(24, 31);
        horn.cubicTo(20, 27, 16, 22, 9, 21.5);
        horn.closeSubpath();
        p.drawPath(horn);
        fill(p, Ink, 0);
        p.drawRect(QRectF(3, 16.5, 6.5, 6));
        fill(p, Paper, 1.8);
        p.drawEllipse(QRectF(21.5, 8, 5, 23));
        soundWaves(p, 24, 19.5, {9, 13}, 70, 2);
    }});

    s.push_back({"Pfeife (Dampfpfeife)", [](P& p) {
        // steam whistle: bell on a valve, pull lever, steam from the mouth
        cloud(p, {{Pt(8, 19), 3.6}, {Pt(4.5, 15), 3}, {Pt(6.5, 10.5), 2.6}}, Paper, 1.4);
        cloud(p, {{Pt(31, 19), 3.6}, {Pt(34.5, 15), 3}, {Pt(32.5, 10.5), 2.6}}, Paper, 1.4);
        fill(p, Brass, 1.8);
        QPainterPath bell;
        bell.moveTo(13.5, 19);
        bell.lineTo(13.5, 8);
        bell.quadTo(13.5, 3, 19.5, 3);
        bell.quadTo(25.5, 3, 25.5, 8);
        bell.lineTo(25.5, 19);
        bell.closeSubpath();
        p.drawPath(bell);
        pen(p, 1.2);
        line(p, 13.5, 8, 25.5, 8);
        fill(p, Brass, 1.8);
        p.drawRect(QRectF(14.5, 22, 10, 5));
        fill(p, Ink, 0);
        p.drawRect(QRectF(17.5, 19, 4, 3));
        pen(p, 2.6);
        line(p, 19.5, 27, 19.5, 36);
        pen(p, 2.2);
        line(p, 24.5, 25, 35, 31);
        fill(p, Ink, 0);
        circle(p, 35, 31, 1.8);
    }});

    s.push_back({"Glocke", [](P& p) {
        QPainterPath bell;
        bell.moveTo(8, 27);
        bell.cubicTo(11, 24, 11, 19, 11.5, 15);
        bell.cubicTo(12, 9, 15, 7, 19.5, 7);
        bell.cubicTo(24, 7, 27, 9, 27.5, 15);
        bell.cubicTo(28, 19, 28, 24, 31, 27);
        bell.closeSubpath();
        fill(p, Brass, 1.8);
        p.drawPath(bell);
        fill(p, Ink, 0);
        p.drawRect(QRectF(17.5, 3.5, 4, 3.5));
        pen(p, 2);
        line(p, 7, 27.5, 32, 27.5);
        fill(p, Ink, 0);
        circle(p, 19.5, 31.2, 2.8);
        pen(p, 1.7);
        arc(p, 19.5, 19, 15.5, 140, 40);
        arc(p, 19.5, 19, 15.5, 0, 40);
    }});

    s.push_back({"Geräusch ein/aus", [](P& p) {
        speaker(p, 5, 19.5);
        soundWaves(p, 17, 19.5, {7, 12, 17});
    }});

    s.push_back({"Stummschaltung", [](P& p) {
        speaker(p, 4, 19.5);
        pen(p, 3, Red);
        line(p, 22, 13, 34, 26);
        line(p, 34, 13, 22, 26);
    }});

    s.push_back({"Lautstärke +", [](P& p) {
        speaker(p, 4, 19.5);
        pen(p, 3);
        line(p, 23, 19.5, 35, 19.5);
        line(p, 29, 13.5, 29, 25.5);
    }});

    s.push_back({"Lautstärke -", [](P& p) {
        speaker(p, 4, 19.5);
        pen(p, 3);
        line(p, 23, 19.5, 35, 19.5);
    }});

    s.push_back({"Fahrgeräusch", [](P& p) {
        locoSide(p, QRectF(2, 20, 35, 15));
        pen(p, 2);
        for (qreal r : {5.0, 10.0, 15.0})
            arc(p, 19.5, 18.5, r, 55, 70);
    }});

    s.push_back({"Motor ein/aus", [](P& p) {
        pen(p, 3.2);
        arc(p, 19.5, 20.5, 12, 120, 300);
        line(p, 19.5, 5, 19.5, 19);
    }});

    s.push_back({"Bahnhofsansage", [](P& p) {
        fill(p, Pale, 1.8);
        p.drawRoundedRect(QRectF(14.5, 3.5, 10, 17), 5, 5);
        pen(p, 1.2);
        for (qreal y : {8.0, 11.0, 14.0})
            line(p, 16.5, y, 22.5, y);
        pen(p, 2);
        arc(p, 19.5, 15, 8.5, 180, 180);
        line(p, 19.5, 23.5, 19.5, 31);
        line(p, 13, 33, 26, 33);
        soundWaves(p, 19.5, 12, {13.5}, 60, 1.8);
        pen(p, 1.8);
        arc(p, 19.5, 12, 13.5, 150, 60);
    }});

    s.push_back({"Schaffnerpfiff", [](P& p) {
        // pea whistle seen from the side, blown from the left
        QPainterPath body;
        body.addEllipse(QRectF(15, 14, 19, 19));
        QPainterPath mouth;
        mouth.addRoundedRect(QRectF(3, 14, 20, 8), 2, 2);
        QPainterPath w = body.united(mouth).simplified();
        fill(p, Ink, 1.2);
        p.drawPath(w);
        fill(p, Paper, 0);
        p.drawRect(QRectF(17.5, 14.5, 4, 3));
        circle(p, 24.5, 23.5, 3.3);
        pen(p, 1.8);
        arc(p, 19.5, 13, 6, 50, 80);
        arc(p, 19.5, 13, 10.5, 55, 70);
    }});

    s.push_back({"Abfahrauftrag (Befehlsstab)", [](P& p) {
        fill(p, Green, 1.6);
        circle(p, 19.5, 14, 10.5);
        fill(p, Paper, 0);
        circle(p, 19.5, 14, 6.5);
        pen(p, 1.2);
        circle(p, 19.5, 14, 6.5);
        fill(p, Ink, 0);
        p.drawRoundedRect(QRectF(17.7, 24, 3.6, 12), 1.5, 1.5);
    }});

    s.push_back({"Kompressor", [](P& p) {
        fill(p, Paper, 2.2);
        circle(p, 19.5, 18, 13.5);
        pen(p, 1.6);
        for (int i = 0; i <= 6; ++i) {
            const qreal a = (210 - i * 40) * M_PI / 180;
            line(p, 19.5 + 9.5 * std::cos(a), 18 - 9.5 * std::sin(a), 19.5 + 12 * std::cos(a), 18 - 12 * std::sin(a));
        }
        pen(p, 2.2, Red);
        line(p, 19.5, 18, 27, 11);
        fill(p, Ink, 0);
        circle(p, 19.5, 18, 2.2);
        fill(p, Ink, 0);
        p.drawRect(QRectF(17, 31.5, 5, 4.5));
    }});

    s.push_back({"Bremse", [](P& p) {
        pen(p, 2);
        line(p, 3, 34, 36, 34);
        wheel(p, 15, 22, 10.5, 2.2);
        // brake block pressed against the tread, rod to the cylinder
        QPainterPath block;
        block.arcMoveTo(QRectF(2.5, 9.5, 25, 25), 40);
        block.arcTo(QRectF(2.5, 9.5, 25, 25), 40, -80);
        block.arcTo(QRectF(-1, 6, 32, 32), -40, 80);
        block.closeSubpath();
        fill(p, Ink, 1);
        p.drawPath(block);
        pen(p, 2.2);
        line(p, 30, 22, 36, 22);
        fill(p, Pale, 1.6);
        p.drawRect(QRectF(31, 5, 5, 10));
        line(p, 33.5, 15, 33.5, 22);
    }});

    s.push_back({"Bremsenquietschen", [](P& p) {
        pen(p, 2);
        line(p, 3, 34, 36, 34);
        wheel(p, 13, 23, 10, 2.2);
        QPainterPath block;
        block.arcMoveTo(QRectF(1, 11, 24, 24), 40);
        block.arcTo(QRectF(1, 11, 24, 24), 40, -80);
        block.arcTo(QRectF(-2.5, 7.5, 31, 31), -40, 80);
        block.closeSubpath();
        fill(p, Ink, 1);
        p.drawPath(block);
        zigzag(p, {Pt(27, 8), Pt(30, 5), Pt(31, 10), Pt(35, 6)}, 1.8, Red);
        zigzag(p, {Pt(29, 15), Pt(32, 12), Pt(33, 17), Pt(37, 13)}, 1.8, Red);
        zigzag(p, {Pt(14, 6), Pt(17, 3), Pt(18, 8), Pt(22, 4)}, 1.8, Red);
    }});

    s.push_back({"Kurvenquietschen", [](P& p) {
        // a curve of track seen from above, squealing on the outside
        pen(p, 1.4);
        for (int i = 0; i <= 6; ++i) {
            const qreal a = (180 + i * 15) * M_PI / 180;
            line(p, 34 + 18 * std::cos(a), 36 + 18 * std::sin(a), 34 + 30 * std::cos(a), 36 + 30 * std::sin(a));
        }
        pen(p, 2.2);
        arc(p, 34, 36, 20.5, 90, 90);
        arc(p, 34, 36, 27.5, 90, 90);
        zigzag(p, {Pt(3, 12), Pt(6, 8), Pt(8, 13), Pt(11, 7)}, 1.8, Red);
        zigzag(p, {Pt(12, 4), Pt(16, 2), Pt(16, 6), Pt(21, 3)}, 1.8, Red);
    }});

    s.push_back({"Schienenstoß", [](P& p) {
        // two rail ends with a joint bar; the wheel knocks on the gap
        wheel(p, 19.5, 13, 8.5, 2);
        fill(p, Ink, 0);
        p.drawRect(QRectF(2, 22, 16.8, 5));
        p.drawRect(QRectF(20.2, 22, 16.8, 5));
        fill(p, Pale, 1.4);
        p.drawRect(QRectF(9.5, 27.5, 20, 5));
        fill(p, Ink, 0);
        circle(p, 13.5, 30, 1.2);
        circle(p, 25.5, 30, 1.2);
        pen(p, 1.6, Red);
        line(p, 19.5, 27.5, 19.5, 37);
        line(p, 16, 34, 13, 37);
        line(p, 23, 34, 26, 37);
    }});

    s.push_back({"Entkuppeln", [](P& p) {
        // the coupling chain opened, the two ends drawn apart
        pen(p, 3);
        p.drawRoundedRect(QRectF(2, 13, 14, 8), 4, 4);
        p.drawRoundedRect(QRectF(23, 13, 14, 8), 4, 4);
        pen(p, 1.8, Red);
        line(p, 19.5, 8, 19.5, 12);
        line(p, 19.5, 22, 19.5, 26);
        line(p, 17, 9.5, 15.5, 7);
        line(p, 22, 9.5, 23.5, 7);
        pen(p, 2.2);
        arrow(p, Pt(15, 31), Pt(3, 31), 4.5);
        arrow(p, Pt(24, 31), Pt(36, 31), 4.5);
    }});

    s.push_back({"Kupplung", [](P& p) {
        // the coupling chain closed: two links hooked into each other
        pen(p, 3.2);
        p.drawRoundedRect(QRectF(3, 14, 19, 11), 5.5, 5.5);
        p.save();
        p.setClipRect(QRectF(17, 0, 22, 39));
        p.setPen(QPen(Paper, 6.2));
        p.drawRoundedRect(QRectF(17, 14, 19, 11), 5.5, 5.5);
        p.restore();
        pen(p, 3.2);
        p.drawRoundedRect(QRectF(17, 14, 19, 11), 5.5, 5.5);
        // the first link passes over the second at its right end
        p.save();
        p.setClipRect(QRectF(19, 18, 6, 10));
        p.setPen(QPen(Paper, 6.2));
        p.drawRoundedRect(QRectF(3, 14, 19, 11), 5.5, 5.5);
        pen(p, 3.2);
        p.drawRoundedRect(QRectF(3, 14, 19, 11), 5.5, 5.5);
        p.restore();
    }});

    s.push_back({"Rangiergang", [](P& p) {
        shunterSide(p, 6, 4, 1.0);
        pen(p, 2.2);
        arrow(p, Pt(19.5, 31.5), Pt(4, 31.5), 5);
        arrow(p, Pt(19.5, 31.5), Pt(35, 31.5), 5);
    }});

    s.push_back({"Anfahr-/Bremsverzögerung aus", [](P& p) {
        pen(p, 2.2);
        poly(p, {Pt(9, 28), Pt(17, 28), Pt(25, 12), Pt(32, 12)});
        pen(p, 3, Red);
        circle(p, 19.5, 19.5, 15.5);
        line(p, 8.5, 8.5, 30.5, 30.5);
    }});

    s.push_back({"Langsamfahrt", [](P& p) {
        pen(p, 2.4);
        arc(p, 19.5, 26, 15.5, 0, 180);
        line(p, 4, 26, 35, 26);
        pen(p, 1.6);
        for (int i = 0; i <= 6; ++i) {
            const qreal a = (180 - i * 30) * M_PI / 180;
            line(p, 19.5 + 11 * std::cos(a), 26 - 11 * std::sin(a), 19.5 + 13.5 * std::cos(a), 26 - 13.5 * std::sin(a));
        }
        pen(p, 2.4, Red);
        line(p, 19.5, 26, 10, 20);
        fill(p, Ink, 0);
        circle(p, 19.5, 26, 2.4);
        // snail-slow: a small tortoise shell would not read at this size, so the needle says it
        pen(p, 2);
        line(p, 8, 32, 31, 32);
    }});

    s.push_back({"Rauchgenerator", [](P& p) {
        cloud(p, {{Pt(17, 16), 4.2}, {Pt(21.5, 12.5), 4.5}, {Pt(27, 8), 4.8}, {Pt(32.5, 6), 3.5}}, Smoke, 1.4);
        fill(p, Ink, 0);
        poly(p, {Pt(14, 21), Pt(25, 21), Pt(23, 24), Pt(23, 33), Pt(16, 33), Pt(16, 24)}, true);
        pen(p, 2);
        line(p, 5, 34, 34, 34);
    }});

    s.push_back({"Dampf ablassen", [](P& p) {
        fill(p, Pale, 1.6);
        p.drawRect(QRectF(2, 22, 11, 6));
        pen(p, 2);
        line(p, 7.5, 22, 7.5, 16);
        line(p, 4, 16, 11, 16);
        cloud(p, {{Pt(17, 25), 4}, {Pt(23, 20), 5.5}, {Pt(30, 24), 5}, {Pt(28, 14), 4.5}, {Pt(33, 10), 3}}, Paper, 1.6);
    }});

    s.push_back({"Kohleschaufeln", [](P& p) {
        // a coal heap and a shovel thrusting into it
        fill(p, Ink, 0);
        poly(p, {Pt(18, 35), Pt(23, 29), Pt(26, 30), Pt(29, 26), Pt(33, 28), Pt(37, 35)}, true);
        pen(p, 2.6);
        line(p, 7, 8, 21, 22);
        line(p, 4, 11, 10, 5);
        fill(p, Pale, 1.7);
        QPolygonF blade({Pt(18.5, 19.5), Pt(24, 14), Pt(32, 22), Pt(29, 29), Pt(26, 27)});
        p.drawPolygon(blade);
        fill(p, Ink, 0);
        circle(p, 27, 23, 1.7);
        circle(p, 24, 20.5, 1.5);
    }});

    s.push_back({"Wasser fassen", [](P& p) {
        fill(p, Pale, 1.8);
        p.drawRect(QRectF(6, 8, 5, 27));
        p.drawRect(QRectF(11, 8, 19, 4.5));
        p.drawRect(QRectF(26, 12.5, 4, 5));
        pen(p, 2);
        line(p, 3, 35, 14, 35);
        QPainterPath drop;
        drop.moveTo(28, 20);
        drop.cubicTo(29.5, 24, 32, 26, 32, 28.5);
        drop.arcTo(QRectF(24, 24.5, 8, 8), 0, -180);
        drop.cubicTo(24, 26, 26.5, 24, 28, 20);
        fill(p, Blue, 1.4);
        p.drawPath(drop);
    }});

    s.push_back({"Sanden", [](P& p) {
        pen(p, 2);
        line(p, 2, 35, 37, 35);
        wheel(p, 26, 25, 9.5, 2.2);
        fill(p, Pale, 1.6);
        p.drawRect(QRectF(3, 4, 11, 8));
        pen(p, 2.2);
        poly(p, {Pt(8.5, 12), Pt(8.5, 20), Pt(13, 27)});
        fill(p, Brass, 0);
        for (const Pt& d : {Pt(14.5, 30), Pt(16.5, 32.5), Pt(13.5, 33.5), Pt(15.5, 28)})
            circle(p, d.x(), d.y(), 1.3);
    }});

    s.push_back({"Lüfter", [](P& p) {
        pen(p, 2);
        circle(p, 19.5, 19.5, 16);
        fill(p, Ink, 0);
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(19.5, 19.5);
            p.rotate(30 + i * 120);
            QPainterPath blade;
            blade.moveTo(0, 0);
            blade.cubicTo(4, -3, 13, -5, 12.5, 1);
            blade.cubicTo(12, 5, 5, 4, 0, 0);
            p.drawPath(blade);
            p.restore();
        }
        fill(p, Paper, 1.5);
        circle(p, 19.5, 19.5, 3);
    }});

    s.push_back({"Stromabnehmer", [](P& p) {
        pen(p, 1.6);
        line(p, 2, 5, 37, 5);
        fill(p, Pale, 1.6);
        p.drawRect(QRectF(3, 31, 33, 5));
        pen(p, 2.2);
        line(p, 8, 8, 31, 8);
        poly(p, {Pt(14, 8), Pt(8, 19.5), Pt(15, 31)});
        poly(p, {Pt(25, 8), Pt(31, 19.5), Pt(24, 31)});
        pen(p, 1.6);
        line(p, 8, 19.5, 31, 19.5);
        fill(p, Ink, 0);
        p.drawRect(QRectF(12.5, 29, 4, 2));
        p.drawRect(QRectF(22.5, 29, 4, 2));
    }});

    s.push_back({"Stromabnehmer vorn", [](P& p) {
        pen(p, 1.4);
        line(p, 2, 5, 37, 5);
        locoSide(p, QRectF(2, 19, 35, 16));
        pantograph(p, 10, 19, 6.5, 5.5);
        pen(p, 1.6);
        line(p, 24, 17, 34, 17);
        line(p, 26, 17, 32, 15.5);
    }});

    s.push_back({"Stromabnehmer hinten", [](P& p) {
        pen(p, 1.4);
        line(p, 2, 5, 37, 5);
        locoSide(p, QRectF(2, 19, 35, 16));
        pantograph(p, 29, 19, 6.5, 5.5);
        pen(p, 1.6);
        line(p, 5, 17, 15, 17);
        line(p, 7, 15.5, 13, 17);
    }});

    s.push_back({"Hauptschalter", [](P& p) {
        pen(p, 2.4);
        line(p, 2, 27, 8, 27);
        line(p, 31, 27, 37, 27);
        line(p, 10, 26, 28, 14);
        fill(p, Paper, 2);
        circle(p, 9.5, 27, 2.5);
        circle(p, 29.5, 27, 2.5);
        // lightning bolt: this switch carries the line current
        fill(p, Glow, 1.3);
        poly(p, {Pt(9, 3), Pt(15, 3), Pt(12.5, 8), Pt(16, 8), Pt(8, 17), Pt(10.5, 10.5), Pt(7, 10.5)}, true);
    }});

    s.push_back({"Türen", [](P& p) {
        fill(p, Paper, 2);
        p.drawRect(QRectF(5, 3, 29, 33));
        pen(p, 1.6);
        line(p, 19.5, 3, 19.5, 36);
        fill(p, Pale, 1.3);
        p.drawRect(QRectF(8.5, 7, 7.5, 10));
        p.drawRect(QRectF(23, 7, 7.5, 10));
        pen(p, 2);
        arrow(p, Pt(17, 26), Pt(7.5, 26), 4);
        arrow(p, Pt(22, 26), Pt(31.5, 26), 4);
    }});

    s.push_back({"Scheibenwischer", [](P& p) {
        fill(p, Pale, 2);
        QPainterPath glass;
        glass.moveTo(3, 9);
        glass.quadTo(19.5, 3, 36, 9);
        glass.lineTo(32, 32);
        glass.lineTo(7, 32);
        glass.closeSubpath();
        p.drawPath(glass);
        pen(p, 1.4);
        arc(p, 19.5, 30, 17, 30, 120);
        pen(p, 2.6);
        line(p, 19.5, 30, 8.5, 13);
        fill(p, Ink, 0);
        circle(p, 19.5, 30, 2.4);
    }});

    s.push_back({"Heizung", [](P& p) {
        fill(p, Paper, 1.6);
        for (int i = 0; i < 5; ++i)
            p.drawRoundedRect(QRectF(6 + i * 5.6, 20, 4.4, 14), 2, 2);
        pen(p, 2);
        line(p, 5, 23, 34, 23);
        line(p, 5, 31, 34, 31);
        pen(p, 1.8, Red);
        for (qreal x : {11.0, 19.5, 28.0}) {
            QPainterPath w;
            w.moveTo(x, 16);
            w.cubicTo(x - 3, 13, x + 3, 10, x, 7);
            w.cubicTo(x - 3, 5, x + 1, 3, x, 2);
            p.drawPath(w);
        }
    }});

    s.push_back({"Klimaanlage", [](P& p) {
        pen(p, 2.2, Blue);
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(19.5, 19.5);
            p.rotate(i * 60);
            line(p, 0, -15, 0, 15);
            for (int sgn : {-1, 1}) {
                line(p, 0, sgn * 10, -4, sgn * 14);
                line(p, 0, sgn * 10, 4, sgn * 14);
            }
            p.restore();
        }
    }});

    s.push_back({"Zugfunk", [](P& p) {
        pen(p, 2.2);
        line(p, 15, 13, 15, 3);
        fill(p, Pale, 1.8);
        p.drawRoundedRect(QRectF(11, 12, 15, 24), 2.5, 2.5);
        fill(p, Paper, 1.2);
        p.drawRect(QRectF(14, 15, 9, 5));
        pen(p, 1.3);
        for (qreal y : {24.0, 27.0, 30.0})
            line(p, 14, y, 23, y);
        soundWaves(p, 15, 4, {6, 10}, 70, 1.7);
    }});

    s.push_back({"Kran heben/senken", [](P& p) {
        fill(p, Ink, 0);
        p.drawRect(QRectF(6, 2, 16, 3));
        pen(p, 1.8);
        line(p, 14, 5, 14, 14);
        fill(p, Pale, 1.5);
        p.drawRect(QRectF(11, 14, 6, 5));
        pen(p, 2.6);
        QPainterPath hook;
        hook.moveTo(14, 19);
        hook.lineTo(14, 27);
        hook.arcTo(QRectF(8, 23, 8, 9), 0, -200);
        p.drawPath(hook);
        pen(p, 2.2);
        arrow(p, Pt(30, 19.5), Pt(30, 5), 5);
        arrow(p, Pt(30, 19.5), Pt(30, 34), 5);
    }});

    s.push_back({"Kran drehen", [](P& p) {
        // crane: tower, jib to the right with hook, and a turning arrow round the foot
        pen(p, 2.4);
        line(p, 12, 8, 12, 29);
        line(p, 8, 8, 35, 8);
        line(p, 12, 14, 20, 8);
        line(p, 12, 3, 12, 8);
        line(p, 12, 3, 33, 8);
        pen(p, 1.4);
        line(p, 30, 8, 30, 15);
        pen(p, 1.8);
        arc(p, 28.5, 17, 1.6, 180, 180);
        fill(p, Ink, 0);
        p.drawRect(QRectF(5, 4.5, 4, 5));
        pen(p, 2);
        p.drawArc(QRectF(2, 24, 20, 10), 200 * 16, 300 * 16);
        const qreal a = (200 + 300) * M_PI / 180;
        const Pt tip(12 + 10 * std::cos(a), 29 - 5 * std::sin(a));
        arrowHead(p, tip + Pt(1.5, 0.4), tip + Pt(-3, -1.6), 4.5);
    }});

    for (int n = 0; n <= 28; ++n) {
        s.push_back({QString("Funktion F%1").arg(n), [n](P& p) {
            fill(p, Badge, 2);
            p.drawRoundedRect(QRectF(2.5, 7.5, 34, 24), 4, 4);
            const QString t = QString("F%1").arg(n);
            const qreal unit = n < 10 ? 2.3 : 1.85;
            strokeText(p, t, 19.5, 19.5, unit, n < 10 ? 2.4 : 2.1);
        }});
    }
    return s;
}

// ---------------------------------------------------------------- accessories and feedback
//
// The accessory and feedback grids have rows of 29 px, the chooser rows of 27 px, so every
// accessory picture keeps its drawing between rows 6 and 32 (see render) and reads even when
// a cell cuts top and bottom.

std::vector<Symbol> accessorySymbols()
{
    std::vector<Symbol> s;

    s.push_back({"Weiche links", [](P& p) {
        track(p, 3, 26, 36, 26);
        track(p, 11, 26, 34, 10);
    }});

    s.push_back({"Weiche rechts", [](P& p) {
        track(p, 3, 13, 36, 13);
        track(p, 11, 13, 34, 29);
    }});

    s.push_back({"Magnetartikel allgemein (rot/grün)", [](P& p) {
        fill(p, Red, 1.8);
        p.drawRoundedRect(QRectF(4, 11, 14, 17), 2.5, 2.5);
        fill(p, Green, 1.8);
        p.drawRoundedRect(QRectF(21, 11, 14, 17), 2.5, 2.5);
    }});

    s.push_back({"Dreiwegweiche", [](P& p) {
        track(p, 3, 19.5, 36, 19.5);
        track(p, 10, 19.5, 34, 7);
        track(p, 10, 19.5, 34, 32);
    }});

    s.push_back({"Doppelte Kreuzungsweiche", [](P& p) {
        track(p, 3, 9, 36, 30);
        track(p, 3, 30, 36, 9);
        // the two slip roads, bridging the arms above and below the crossing
        pen(p, 3.0);
        QPainterPath up;
        up.moveTo(6, 10.9);
        up.quadTo(19.5, 14, 33, 10.9);
        p.drawPath(up);
        QPainterPath down;
        down.moveTo(6, 28.1);
        down.quadTo(19.5, 25, 33, 28.1);
        p.drawPath(down);
    }});

    s.push_back({"Kreuzung", [](P& p) {
        track(p, 3, 9, 36, 30);
        track(p, 3, 30, 36, 9);
    }});

    s.push_back({"Y-Weiche", [](P& p) {
        track(p, 3, 19.5, 14, 19.5);
        pen(p, 3.2);
        QPainterPath a;
        a.moveTo(13, 19.5);
        a.quadTo(22, 19.5, 36, 9);
        p.drawPath(a);
        QPainterPath b;
        b.moveTo(13, 19.5);
        b.quadTo(22, 19.5, 36, 30);
        p.drawPath(b);
    }});

    s.push_back({"Lichthauptsignal (rot/grün)", [](P& p) {
        lightSignal(p, QRectF(13.5, 4.5, 12, 19), {{Pt(19.5, 9.7), Red}, {Pt(19.5, 18.3), Green}});
    }});

    s.push_back({"Lichthauptsignal Halt (rot)", [](P& p) {
        lightSignal(p, QRectF(13.5, 4.5, 12, 19), {{Pt(19.5, 9.7), Red}, {Pt(19.5, 18.3), Dim}});
        pen(p, 1.6, Red);
        for (qreal y : {6.5, 9.7, 13.0})
            line(p, 28, y, 33, y + (y - 9.7) * 0.5);
    }});

    s.push_back({"Lichthauptsignal Fahrt (grün)", [](P& p) {
        lightSignal(p, QRectF(13.5, 4.5, 12, 19), {{Pt(19.5, 9.7), Dim}, {Pt(19.5, 18.3), Green}});
        pen(p, 1.6, Green);
        for (qreal y : {15.0, 18.3, 21.5})
            line(p, 28, y, 33, y + (y - 18.3) * 0.5);
    }});

    s.push_back({"Lichtvorsignal", [](P& p) {
        // distant signal: lamps on the rising diagonal, a yellow one and a green one
        const qreal mx = 19.5;
        pen(p, 2.4);
        line(p, mx, 21, mx, 32);
        pen(p, 2.2);
        line(p, mx - 6, 33, mx + 6, 33);
        fill(p, Ink, 1.2);
        p.drawRoundedRect(QRectF(10.5, 5, 18, 16), 3, 3);
        fill(p, Glow, 0.8, Paper);
        circle(p, 15, 16, 2.7);
        fill(p, Green, 0.8, Paper);
        circle(p, 24, 10, 2.7);
    }});

    s.push_back({"Formhauptsignal", [](P& p) {
        pen(p, 2.2);
        line(p, 10, 5, 10, 33);
        line(p, 5, 33, 15, 33);
        fill(p, Paper, 1.4);
        p.drawRect(QRectF(10, 8, 20, 4));
        fill(p, Red, 0);
        p.drawRect(QRectF(15, 8.6, 6, 2.8));
        fill(p, Paper, 1.4);
        circle(p, 31, 10, 4);
        fill(p, Red, 0);
        circle(p, 31, 10, 2.4);
        fill(p, Ink, 0);
        p.drawRect(QRectF(6.5, 17, 3.5, 5)); // lamp case
    }});

    s.push_back({"Formvorsignal", [](P& p) {
        pen(p, 2.2);
        line(p, 19.5, 20, 19.5, 33);
        line(p, 14, 33, 25, 33);
        fill(p, Paper, 1.3);
        circle(p, 19.5, 12.5, 8.5);
        fill(p, Ink, 0);
        circle(p, 19.5, 12.5, 7.2);
        fill(p, Glow, 0);
        circle(p, 19.5, 12.5, 5.2);
    }});

    s.push_back({"Rangiersignal / Gleissperrsignal", [](P& p) {
        fill(p, Ink, 1.2);
        p.drawRoundedRect(QRectF(11, 10, 17, 20), 2.5, 2.5);
        fill(p, Paper, 0);
        circle(p, 15.5, 25.5, 2.6);
        circle(p, 23.5, 14.5, 2.6);
        fill(p, Dim, 0);
        circle(p, 23.5, 25.5, 2.6);
        pen(p, 2.2);
        line(p, 19.5, 30, 19.5, 33);
        line(p, 7, 33.5, 32, 33.5);
    }});

    s.push_back({"Lichtsignal dreibegriffig", [](P& p) {
        lightSignal(p, QRectF(13.5, 4, 12, 24), {{Pt(19.5, 8.6), Green}, {Pt(19.5, 16), Red}, {Pt(19.5, 23.4), Glow}}, 2.6);
    }});

    s.push_back({"Entkupplungsgleis", [](P& p) {
        // track from above, the uncoupling magnet between the rails
        pen(p, 1.6);
        for (qreal x = 4; x <= 36; x += 4.5)
            line(p, x, 8.5, x, 30.5);
        pen(p, 2.4);
        line(p, 2, 12, 37, 12);
        line(p, 2, 27, 37, 27);
        fill(p, Orange, 1.6);
        p.drawRect(QRectF(12, 15, 15, 9));
        pen(p, 1.6);
        arrow(p, Pt(14, 19.5), Pt(25, 19.5), 3.5);
    }});

    s.push_back({"Bahnübergang", [](P& p) {
        pen(p, 2.2);
        line(p, 19.5, 20, 19.5, 34);
        for (int sgn : {-1, 1}) {
            p.save();
            p.translate(19.5, 15.5);
            p.rotate(sgn * 38);
            fill(p, Paper, 1.3);
            p.drawRect(QRectF(-15, -3, 30, 6));
            fill(p, Red, 0);
            p.drawRect(QRectF(-12, -1.6, 7, 3.2));
            p.drawRect(QRectF(5, -1.6, 7, 3.2));
            p.restore();
        }
    }});

    s.push_back({"Schranke", [](P& p) {
        fill(p, Ink, 0);
        p.drawRect(QRectF(6, 13, 5, 20));
        fill(p, Paper, 1.3);
        p.drawRect(QRectF(11, 14, 25, 5));
        fill(p, Red, 0);
        for (qreal x : {14.0, 22.0, 30.0})
            p.drawRect(QRectF(x, 14.7, 4, 3.6));
        pen(p, 2);
        line(p, 3, 33.5, 36, 33.5);
        fill(p, Red, 1);
        circle(p, 8.5, 9, 2.5);
    }});

    s.push_back({"Drehscheibe", [](P& p) {
        pen(p, 2.4);
        line(p, 1, 19.5, 7, 19.5);
        line(p, 32, 19.5, 38, 19.5);
        line(p, 30.5, 9, 35.5, 5.5);
        fill(p, Pale, 2);
        circle(p, 19.5, 19.5, 13);
        p.save();
        p.translate(19.5, 19.5);
        p.rotate(-20);
        fill(p, Paper, 1.6);
        p.drawRect(QRectF(-13, -4, 26, 8));
        pen(p, 1.5);
        line(p, -12, -1.8, 12, -1.8);
        line(p, -12, 1.8, 12, 1.8);
        p.restore();
        fill(p, Ink, 0);
        circle(p, 19.5, 19.5, 1.6);
    }});

    s.push_back({"Schiebebühne", [](P& p) {
        fill(p, Pale, 1.8);
        p.drawRect(QRectF(9, 5, 21, 29));
        pen(p, 2.2);
        for (qreal y : {9.0, 19.5, 30.0}) {
            line(p, 1, y, 9, y);
            line(p, 30, y, 38, y);
        }
        fill(p, Paper, 1.6);
        p.drawRect(QRectF(10, 15.5, 19, 8));
        pen(p, 1.6);
        line(p, 10.5, 19.5, 28.5, 19.5);
        pen(p, 1.8);
        arrow(p, Pt(19.5, 14), Pt(19.5, 6.5), 3.5);
        arrow(p, Pt(19.5, 25), Pt(19.5, 32.5), 3.5);
    }});

    s.push_back({"Relais", [](P& p) {
        // coil and change-over contact, linked
        fill(p, Paper, 2);
        p.drawRect(QRectF(4, 12, 11, 15));
        pen(p, 1.5);
        line(p, 4, 27, 15, 12);
        pen(p, 2);
        line(p, 9.5, 5, 9.5, 12);
        line(p, 9.5, 27, 9.5, 34);
        // contact
        line(p, 29, 34, 29, 27);
        line(p, 29, 27, 24, 13);
        line(p, 23, 5, 23, 13);
        line(p, 34, 5, 34, 13);
        line(p, 34, 13, 31, 13);
        pen(p, 1.5);
        p.setPen(QPen(Ink, 1.5, Qt::DashLine));
        line(p, 15, 19.5, 26.5, 19.5);
    }});

    s.push_back({"Beleuchtung / Lampe", [](P& p) {
        pen(p, 2.4);
        line(p, 12, 34, 12, 10);
        QPainterPath a;
        a.moveTo(12, 10);
        a.quadTo(12, 6, 17, 6);
        a.lineTo(24, 6);
        p.drawPath(a);
        line(p, 7, 34, 17, 34);
        fill(p, Ink, 1.2);
        poly(p, {Pt(20, 6), Pt(29, 6), Pt(31, 11), Pt(18, 11)}, true);
        fill(p, Glow, 1);
        p.drawEllipse(QRectF(19.5, 10, 10, 3.5));
        rays(p, 24.5, 13, 3, 8.5, {-90, -60, -120, -30}, 1.7);
    }});

    s.push_back({"Fahrstrom / Trennstelle", [](P& p) {
        track(p, 2, 28, 10, 28);
        track(p, 13, 28, 26, 28);
        track(p, 29, 28, 37, 28);
        pen(p, 1.8);
        line(p, 11.5, 24, 11.5, 32);
        line(p, 27.5, 24, 27.5, 32);
        fill(p, Glow, 1.4);
        poly(p, {Pt(18, 5), Pt(25, 5), Pt(21.5, 12), Pt(25.5, 12), Pt(15, 24), Pt(18.5, 15), Pt(14, 15)}, true);
    }});

    s.push_back({"Besetztmelder (Gleis besetzt)", [](P& p) {
        track(p, 2, 30, 37, 30);
        p.setPen(QPen(Red, 3.6, Qt::SolidLine, Qt::FlatCap));
        line(p, 9, 30, 30, 30);
        pen(p, 1.4);
        line(p, 8, 26, 8, 34);
        line(p, 31, 26, 31, 34);
        fill(p, Pale, 1.6);
        p.drawRect(QRectF(10, 12, 19, 11));
        wheel(p, 14, 25.5, 2.5, 1.3);
        wheel(p, 25, 25.5, 2.5, 1.3);
        pen(p, 1.4);
        line(p, 10, 17.5, 29, 17.5);
    }});

    s.push_back({"Gleiskontakt", [](P& p) {
        // rail and a contact closed by the passing wheel
        wheel(p, 19.5, 14.5, 8, 2);
        fill(p, Ink, 0);
        p.drawRect(QRectF(2, 23, 35, 4));
        pen(p, 2);
        line(p, 14, 27, 14, 33);
        line(p, 25, 27, 25, 33);
        line(p, 14, 33, 17, 33);
        line(p, 25, 33, 22, 33);
        fill(p, Paper, 1.5);
        circle(p, 18.5, 33, 1.6);
        circle(p, 20.5, 33, 1.6);
        zigzag(p, {Pt(31, 9), Pt(34, 13), Pt(31, 14), Pt(34, 18)}, 1.6, Red);
        zigzag(p, {Pt(8, 9), Pt(5, 13), Pt(8, 14), Pt(5, 18)}, 1.6, Red);
    }});

    s.push_back({"Motor / Antrieb", [](P& p) {
        fill(p, Paper, 2.2);
        circle(p, 19.5, 19.5, 12);
        strokeText(p, "M", 19.5, 19.5, 2.2, 2.2);
        pen(p, 2.2);
        line(p, 1, 19.5, 7.5, 19.5);
        line(p, 31.5, 19.5, 38, 19.5);
    }});

    return s;
}

// ---------------------------------------------------------------- output

QImage paint(const Symbol& sym, const QTransform& t)
{
    QImage img(Size, Size, QImage::Format_RGB32);
    img.fill(Paper);
    P p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setTransform(t);
    sym.draw(p);
    p.end();
    return img;
}

// First and last pixel row that is not plain paper.
std::pair<int, int> drawnRows(const QImage& img)
{
    int first = Size, last = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != Paper.rgb()) {
                first = std::min(first, y);
                last = std::max(last, y);
                break;
            }
    return {first, last};
}

// Rows the low accessory rows still show of a centred picture: 27 of 39.
constexpr int BandTop = 6, BandBottom = 32;

QImage render(const Symbol& sym, bool keepInBand)
{
    QImage img = paint(sym, QTransform());
    if (keepInBand) {
        // A drawing taller than the band is shrunk about its own middle, evenly in both
        // directions, until it fits; most pictures already do and stay untouched.
        auto [first, last] = drawnRows(img);
        const qreal middle = (first + last + 1) / 2.0;
        qreal scale = qreal(BandBottom - BandTop) / std::max(1, last - first + 1);
        while ((first < BandTop || last > BandBottom) && scale > 0.5) {
            QTransform t;
            t.translate(Size / 2.0, (BandTop + BandBottom + 1) / 2.0);
            t.scale(scale, scale);
            t.translate(-Size / 2.0, -middle);
            img = paint(sym, t);
            std::tie(first, last) = drawnRows(img);
            scale -= 0.02;
        }
    }
    return img.convertToFormat(QImage::Format_RGB888);
}

bool writeSet(const std::vector<Symbol>& set, const QString& dir, bool keepInBand)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "kx2_make_symbols: cannot create %s\n", qPrintable(dir));
        return false;
    }
    for (size_t i = 0; i < set.size(); ++i) {
        const QString file = dir + QString("/S%1.bmp").arg(i + 1);
        if (!render(set[i], keepInBand).save(file, "BMP")) {
            std::fprintf(stderr, "kx2_make_symbols: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

void printList(const std::vector<Symbol>& fkt, const std::vector<Symbol>& mag)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << "# Symbolbilder\n\n"
        << "Die Bilder erzeugt `tools/make_symbols.cpp` beim Bauen (39 x 39 Pixel, 24-Bit-BMP) in\n"
        << "`konf/Fkt_Symbole` und `konf/Mag_Symbole` neben dem Programm. Diese Liste gibt\n"
        << "`kx2_make_symbols --list` aus.\n\n"
        << "## Lok-Funktionssymbole (Fkt_Symbole, S1.bmp bis S" << fkt.size() << ".bmp)\n\n"
        << "Symbol 0 heißt: kein Bild, die Zelle zeigt \"Fkt. nicht anz.\".\n\n"
        << "| Nr. | Bedeutung |\n|---:|---|\n";
    for (size_t i = 0; i < fkt.size(); ++i)
        out << "| " << i + 1 << " | " << fkt[i].meaning << " |\n";
    out << "\n## Magnetartikel- und Rückmeldersymbole (Mag_Symbole, S1.bmp bis S" << mag.size() << ".bmp)\n\n"
        << "Ein gelöschter Datensatz bekommt Symbol 3. Die Zeichnung bleibt zwischen den Bildzeilen 6\n"
        << "und 32, denn die Tabellenzeilen der Magnetartikel und Rückmelder sind nur 29 Pixel hoch,\n"
        << "die der Symbolauswahl 27 Pixel.\n\n"
        << "| Nr. | Bedeutung |\n|---:|---|\n";
    for (size_t i = 0; i < mag.size(); ++i)
        out << "| " << i + 1 << " | " << mag[i].meaning << " |\n";
}

// Contact sheet: every picture at its real size and three times enlarged, numbered.
bool writeSheet(const std::vector<Symbol>& fkt, const std::vector<Symbol>& mag, const QString& file)
{
    const int zoom = 3, cols = 10;
    const int cellW = Size + 6 + Size * zoom + 14, cellH = Size * zoom + 22;
    const int fktRows = int((fkt.size() + cols - 1) / cols), magRows = int((mag.size() + cols - 1) / cols);
    QImage sheet(cols * cellW + 10, (fktRows + magRows) * cellH + 40, QImage::Format_RGB32);
    sheet.fill(QColor(190, 190, 190));
    P p(&sheet);
    p.setRenderHint(QPainter::Antialiasing, true);
    int y0 = 6;
    for (const auto* set : {&fkt, &mag}) {
        for (size_t i = 0; i < set->size(); ++i) {
            const int cx = 6 + int(i % cols) * cellW, cy = y0 + int(i / cols) * cellH;
            const QImage img = render((*set)[i], set == &mag);
            strokeText(p, QString::number(i + 1), cx + 14, cy + 8, 1.4, 1.5);
            p.drawImage(QPoint(cx, cy + 18), img);
            p.drawImage(QRect(cx + Size + 6, cy + 16, Size * zoom, Size * zoom), img);
        }
        y0 += int((set->size() + cols - 1) / cols) * cellH + 24;
    }
    p.end();
    return sheet.save(file, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<Symbol> fkt = functionSymbols();
    const std::vector<Symbol> mag = accessorySymbols();
    if (fkt.size() != 79 || mag.size() != 26) {
        std::fprintf(stderr, "kx2_make_symbols: %zu function and %zu accessory pictures, expected 79 and 26\n",
                     fkt.size(), mag.size());
        return 2;
    }
    if (argc == 2 && QString(argv[1]) == "--list") {
        printList(fkt, mag);
        return 0;
    }
    if (argc == 3 && QString(argv[1]) == "--sheet")
        return writeSheet(fkt, mag, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: kx2_make_symbols <out-dir> | --list | --sheet <file.png>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!writeSet(fkt, out + "/Fkt_Symbole", false) || !writeSet(mag, out + "/Mag_Symbole", true))
        return 1;
    return 0;
}
