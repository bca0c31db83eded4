#include "Glyphs.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <utility>

namespace {

// Drawing happens on a 32-unit square whatever the pixel size.
constexpr qreal Unit = 32.0;

QColor shade(const QColor& c, int factor) {
    return c.darker(factor);
}

// A glossy fill running from a light top to the base colour.
QBrush gloss(const QColor& base, qreal top, qreal bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(125));
    return g;
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& base) {
    const QRectF r = path.boundingRect();
    p.setPen(QPen(shade(base, 170), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gloss(base, r.top(), r.bottom()));
    p.drawPath(path);
}

void drawStart(QPainter& p) {
    QPainterPath tri;
    tri.moveTo(9, 5);
    tri.lineTo(27, 16);
    tri.lineTo(9, 27);
    tri.closeSubpath();
    fillOutlined(p, tri, QColor(0x2f, 0xa8, 0x3c));
}

void drawHelp(QPainter& p) {
    QRadialGradient g(13, 10, 18);
    g.setColorAt(0, QColor(0x6f, 0xb4, 0xf5));
    g.setColorAt(1, QColor(0x1c, 0x5d, 0xb8));
    p.setPen(QPen(QColor(0x10, 0x3a, 0x78), 1.4));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26.5), Qt::AlignCenter, QStringLiteral("?"));
}

// An arc of an arrow around the centre with a head at its end; angles in degrees,
// counter-clockwise from three o'clock as QPainterPath counts them.
void drawArcArrow(QPainter& p, qreal radius, qreal startDeg, qreal spanDeg, const QColor& c) {
    const QPointF centre(16, 16);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, spanDeg);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(c, 150), 6.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(c, 4.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);

    // Arrow head: a triangle at the arc's end pointing along the direction of travel.
    const qreal end = qDegreesToRadians(startDeg + spanDeg);
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const qreal dir = spanDeg > 0 ? 1.0 : -1.0;
    const QPointF along(-std::sin(end) * dir, -std::cos(end) * dir); // tangent on screen
    const QPointF across(std::cos(end), -std::sin(end));             // outward normal
    QPainterPath head;
    head.moveTo(tip + along * 6.5);
    head.lineTo(tip + across * 6.0);
    head.lineTo(tip - across * 6.0);
    head.closeSubpath();
    p.setPen(QPen(shade(c, 150), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPath(head);
}

void drawModeSwitch(QPainter& p) {
    drawArcArrow(p, 10.5, 160, -120, QColor(0xf0, 0x8c, 0x1a));
    drawArcArrow(p, 10.5, 340, -120, QColor(0x2a, 0x7f, 0xd8));
}

void drawStop(QPainter& p) {
    QPainterPath square;
    square.addRoundedRect(QRectF(6, 6, 20, 20), 3, 3);
    fillOutlined(p, square, QColor(0xd8, 0x2a, 0x22));
}

void drawRestart(QPainter& p) {
    drawArcArrow(p, 10.5, 120, -290, QColor(0x2f, 0xa8, 0x3c));
}

void drawCloseHelp(QPainter& p) {
    const QColor red(0xd0, 0x25, 0x1f);
    for (const auto& [width, colour] : {std::pair{8.0, shade(red, 160)}, std::pair{5.4, red}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
    }
}

void drawProgramIcon(QPainter& p) {
    QPainterPath plate;
    plate.addRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    p.setPen(QPen(QColor(0x24, 0x4a, 0x2a), 1.2));
    p.setBrush(gloss(QColor(0x00, 0x9f, 0x80), 1.5, 30.5));
    p.drawPath(plate);
    const qreal origin = 4.5, gap = 1.6, cell = (Unit - 2 * origin - 2 * gap) / 3;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const bool lit = row == 1 && col == 2;
            const QRectF r(origin + col * (cell + gap), origin + row * (cell + gap), cell, cell);
            p.setPen(Qt::NoPen);
            p.setBrush(lit ? QColor(0xff, 0xc8, 0x2e) : QColor(0xf4, 0xf8, 0xf2));
            p.drawRoundedRect(r, 1.5, 1.5);
        }
}

using Painter = void (*)(QPainter&);
constexpr Painter painters[Glyphs::Count] = {drawStart, drawHelp,    drawModeSwitch,
                                             drawStop,  drawRestart, drawCloseHelp};

QPixmap render(Painter paint, int pixels) {
    QPixmap pix(pixels, pixels);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(pixels / Unit, pixels / Unit);
    paint(p);
    return pix;
}

} // namespace

QPixmap Glyphs::ImageList1(int index) {
    if (index < 0 || index >= Count)
        return {};
    return render(painters[index], Size);
}

QIcon Glyphs::Icon(int index) {
    QIcon icon;
    if (index < 0 || index >= Count)
        return icon;
    icon.addPixmap(render(painters[index], Size));
    icon.addPixmap(render(painters[index], 2 * Size));
    return icon;
}

QIcon Glyphs::ProgramIcon() {
    QIcon icon;
    for (int pixels : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(render(drawProgramIcon, pixels));
    return icon;
}

QPixmap Glyphs::ProgramIconPixmap(int pixels) {
    return render(drawProgramIcon, pixels);
}

void Glyphs::SetProgramIcon() {
    QApplication::setWindowIcon(ProgramIcon());
}
