#include "launcher/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Artwork {
namespace {

QFont font(int pixelSize, int weight = QFont::Normal, bool italic = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    return f;
}

void field(QPainter& p, int x, int y, const QString& label, int width)
{
    p.setPen(QColor(30, 30, 30));
    p.setFont(font(11));
    p.drawText(QRect(x, y, 70, 18), Qt::AlignVCenter | Qt::AlignLeft, label);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(x + 72, y, width, 18);
}

void button(QPainter& p, const QRect& r, const QString& text)
{
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(222, 222, 222));
    p.drawRect(r);
    p.setPen(Qt::white);
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
    p.setPen(QColor(20, 20, 20));
    p.setFont(font(11));
    p.drawText(r, Qt::AlignCenter, text);
}

// Eight small squares round a rectangle, the way a layout editor marks the
// selected item.
void selectionHandles(QPainter& p, const QRect& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    const int xs[] = {r.left(), r.center().x(), r.right()};
    const int ys[] = {r.top(), r.center().y(), r.bottom()};
    for (int x : xs) {
        for (int y : ys) {
            if (x == r.center().x() && y == r.center().y())
                continue;
            p.drawRect(x - 2, y - 2, 5, 5);
        }
    }
}

// A form in design mode: title bar, dotted layout grid, fields, a check box,
// a radio group and two push buttons, one of them selected.
void formMockUp(QPainter& p, const QRect& frame)
{
    p.setPen(QColor(10, 10, 10, 120));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(frame.translated(5, 5));

    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(236, 233, 216));
    p.drawRect(frame);

    const QRect title(frame.left() + 1, frame.top() + 1, frame.width() - 1, 18);
    QLinearGradient bar(title.topLeft(), title.topRight());
    bar.setColorAt(0, QColor(10, 36, 106));
    bar.setColorAt(1, QColor(166, 202, 240));
    p.fillRect(title, bar);
    p.setPen(Qt::white);
    p.setFont(font(11, QFont::Bold));
    p.drawText(title.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("CUSTOMER_ORDERS"));

    // Layout grid.
    p.setPen(QColor(150, 150, 150));
    for (int y = title.bottom() + 8; y < frame.bottom() - 2; y += 8) {
        for (int x = frame.left() + 6; x < frame.right() - 2; x += 8)
            p.drawPoint(x, y);
    }

    const int x = frame.left() + 12;
    int y = title.bottom() + 12;
    field(p, x, y, QStringLiteral("Customer"), 150);
    y += 26;
    field(p, x, y, QStringLiteral("Order no."), 70);
    y += 26;
    field(p, x, y, QStringLiteral("Total"), 90);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRect(x + 80, y, 85, 18), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("1,250.00"));

    y += 30;
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(x, y + 3, 11, 11);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.drawLine(x + 2, y + 9, x + 5, y + 12);
    p.drawLine(x + 5, y + 12, x + 10, y + 5);
    p.setPen(QColor(30, 30, 30));
    p.setFont(font(11));
    p.drawText(QRect(x + 16, y, 80, 18), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Paid"));

    const int rx = x + 100;
    for (int i = 0; i < 2; ++i) {
        p.setPen(QColor(120, 120, 120));
        p.setBrush(Qt::white);
        p.drawEllipse(rx + i * 70, y + 3, 11, 11);
        if (i == 0) {
            p.setBrush(QColor(20, 20, 20));
            p.setPen(Qt::NoPen);
            p.drawEllipse(rx + 3, y + 6, 5, 5);
        }
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(rx + i * 70 + 15, y, 55, 18), Qt::AlignVCenter | Qt::AlignLeft,
            i == 0 ? QStringLiteral("Cash") : QStringLiteral("Credit"));
    }

    const QRect find(frame.left() + 24, frame.bottom() - 32, 70, 22);
    const QRect ok(frame.left() + 110, frame.bottom() - 32, 70, 22);
    button(p, find, QStringLiteral("Find"));
    button(p, ok, QStringLiteral("OK"));
    selectionHandles(p, ok.adjusted(-3, -3, 3, 3));
}

// The familiar arrow pointer, drawn large, pointing at the selected button.
void pointer(QPainter& p, QPoint tip)
{
    QPainterPath arrow;
    const QPointF pts[] = {{0, 0}, {0, 34}, {8, 26}, {14, 40}, {20, 37}, {14, 24}, {25, 24}};
    arrow.moveTo(pts[0]);
    for (const QPointF& pt : pts)
        arrow.lineTo(pt);
    arrow.closeSubpath();
    arrow.translate(tip);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

} // namespace

QImage titleScreen()
{
    QImage image(600, 450, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QLinearGradient sky(0, 0, 0, 450);
    sky.setColorAt(0, QColor(8, 28, 62));
    sky.setColorAt(0.55, QColor(18, 70, 104));
    sky.setColorAt(1, QColor(12, 44, 70));
    p.fillRect(image.rect(), sky);

    // A faint blueprint grid behind everything.
    p.setPen(QColor(255, 255, 255, 18));
    for (int x = 0; x < 600; x += 20)
        p.drawLine(x, 0, x, 450);
    for (int y = 0; y < 450; y += 20)
        p.drawLine(0, y, 600, y);

    p.setPen(QColor(140, 190, 235));
    p.setFont(font(13, QFont::Bold));
    p.drawText(QPoint(30, 34), QStringLiteral("L E S S O N W R I G H T"));

    p.setPen(Qt::white);
    p.setFont(font(46, QFont::Black));
    p.drawText(QPoint(26, 88), QStringLiteral("FORM DESIGN"));
    p.setPen(QColor(250, 205, 70));
    p.setFont(font(22, QFont::Normal, true));
    p.drawText(QPoint(30, 120), QStringLiteral("for beginners"));

    p.setPen(QColor(200, 220, 240));
    p.setFont(font(12));
    p.drawText(QRect(332, 150, 250, 50), Qt::AlignLeft | Qt::TextWordWrap,
        QStringLiteral("Twenty lessons from the empty form module to a complete order form, "
                       "shown step by step."));

    formMockUp(p, QRect(30, 150, 270, 200));
    pointer(p, QPoint(238, 330));

    // Caption for the lists the launcher places at 320,224.
    p.setPen(Qt::white);
    p.setFont(font(12, QFont::Bold));
    p.drawText(QPoint(322, 214), QStringLiteral("Choose a lesson"));
    p.setPen(QColor(250, 205, 70));
    p.drawText(QPoint(450, 214), QStringLiteral("\u25BC"));

    p.setPen(QColor(160, 190, 215));
    p.setFont(font(11));
    p.drawText(QPoint(30, 436), QStringLiteral("Korvane Publishing Inc."));
    p.drawText(QRect(320, 422, 273, 20), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("Recorded simulations with narration"));
    return image;
}

QImage programIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    p.setPen(QColor(20, 40, 80));
    p.setBrush(QColor(236, 233, 216));
    p.drawRoundedRect(QRectF(1.5, 3.5, 29, 25), 2, 2);
    p.fillRect(QRectF(2, 4, 28, 6), QColor(10, 36, 106));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 13, 14, 4));
    p.drawRect(QRectF(5, 20, 10, 4));

    QPainterPath play;
    play.moveTo(19, 15);
    play.lineTo(29, 21.5);
    play.lineTo(19, 28);
    play.closeSubpath();
    p.setPen(QPen(QColor(120, 70, 0), 1));
    p.setBrush(QColor(250, 190, 40));
    p.drawPath(play);
    return image;
}

} // namespace Artwork
