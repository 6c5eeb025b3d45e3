#include "player/ArrowPictures.h"

#include <QPainter>
#include <QPolygon>
#include <QTransform>

namespace ArrowPictures {

using NarrationPass::Arrow;

QSize size(Arrow arrow)
{
    switch (arrow) {
    case Arrow::Left:
        return {56, 44};
    case Arrow::Right:
        return {58, 46};
    case Arrow::Down:
        return {46, 56};
    case Arrow::Up:
        return {48, 56};
    case Arrow::NorthWest:
    case Arrow::SouthWest:
    case Arrow::SouthEast:
    case Arrow::NorthEast:
        return {48, 48};
    }
    return {};
}

namespace {

// The arrows' one style: a red shape with a one-pixel black outline on a
// white ground, drawn without smoothing so the ground stays one colour.
QImage arrowOnGround(int w, int h, const QPolygon& shape)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 0, 0));
    p.drawPolygon(shape);
    return img;
}

// A right-pointing arrow filling w x h with a one-pixel margin: a shaft of a
// third of the height and a head of the full height.
QImage rightArrow(int w, int h)
{
    const int mid = h / 2;
    const int shaft = h / 6;
    const int headStart = w - 1 - (h * 3) / 5;
    const QPolygon shape({
        {1, mid - shaft},
        {headStart, mid - shaft},
        {headStart, 1},
        {w - 2, mid},
        {headStart, h - 2},
        {headStart, mid + shaft},
        {1, mid + shaft},
    });
    return arrowOnGround(w, h, shape);
}

// An arrow pointing to the bottom-right corner of an n x n square, in the
// straight arrows' style: a shaft along the diagonal and a head whose tip is
// one pixel inside the corner, so the corner pixels stay ground.
QImage southEastArrow(int n)
{
    const int tip = n - 2;
    const int head = (n * 5) / 12;        // the head's legs
    const int base = tip - head / 2;       // the head's base meets the shaft here
    const int shaft = n / 12;              // half the shaft's width, per axis
    const QPolygon shape({
        {1 + 2 * shaft, 1},
        {base + shaft, base - shaft},
        {tip, tip - head},
        {tip, tip},
        {tip - head, tip},
        {base - shaft, base + shaft},
        {1, 1 + 2 * shaft},
    });
    return arrowOnGround(n, n, shape);
}

} // namespace

QImage picture(Arrow arrow)
{
    const QSize s = size(arrow);
    switch (arrow) {
    case Arrow::Right:
        return rightArrow(s.width(), s.height());
    case Arrow::Left:
        return rightArrow(s.width(), s.height()).mirrored(true, false);
    case Arrow::Down:
        return rightArrow(s.height(), s.width()).transformed(QTransform().rotate(90));
    case Arrow::Up:
        return rightArrow(s.height(), s.width()).transformed(QTransform().rotate(-90));
    case Arrow::SouthEast:
        return southEastArrow(s.width());
    case Arrow::SouthWest:
        return southEastArrow(s.width()).mirrored(true, false);
    case Arrow::NorthEast:
        return southEastArrow(s.width()).mirrored(false, true);
    case Arrow::NorthWest:
        return southEastArrow(s.width()).mirrored(true, true);
    }
    return {};
}

QImage pointerPicture()
{
    QImage img(12, 20, QImage::Format_RGB32);
    img.fill(QColor(0, 255, 0));
    const QPolygon shape({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {9, 17}, {6, 11}, {11, 11}});
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(shape);
    return img;
}

} // namespace ArrowPictures
