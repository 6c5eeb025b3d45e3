#include "player/BevelPanel.h"

#include <QPaintEvent>
#include <QPainter>

#include <vector>

BevelPanel::BevelPanel(const QColor& color, int borderWidth, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_borderWidth(borderWidth)
{
    setAutoFillBackground(false);
}

void BevelPanel::setFillWidget(QWidget* fill)
{
    m_fill = fill;
    if (m_fill != nullptr)
        m_fill->setGeometry(rect().adjusted(inset(), inset(), -inset(), -inset()));
}

void BevelPanel::resizeEvent(QResizeEvent*)
{
    if (m_fill != nullptr)
        m_fill->setGeometry(rect().adjusted(inset(), inset(), -inset(), -inset()));
}

void BevelPanel::paintEvent(QPaintEvent* event)
{
    const QColor light(Qt::white);
    const QColor shadow(Qt::darkGray);
    // The panel shows only as a ring around its fill widget. Every piece is
    // filled with the painter clipped to one rectangle: clipped to the ring
    // as a whole, each fill went through the painter's slow per-row path
    // and the ring cost as much as a frame.
    struct Piece {
        QRect rect;
        QColor color;
    };
    std::vector<Piece> pieces;
    const QRect inner = m_fill != nullptr ? m_fill->geometry() : QRect();
    for (const QRect& r : event->region() - QRegion(inner))
        pieces.push_back({r, m_color});
    // One-pixel bevel around r: light on the top and left when raised.
    const auto bevel = [&pieces](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        pieces.push_back({QRect(r.left(), r.top(), r.width(), 1), topLeft});
        pieces.push_back({QRect(r.left(), r.top(), 1, r.height()), topLeft});
        pieces.push_back({QRect(r.left(), r.bottom(), r.width(), 1), bottomRight});
        pieces.push_back({QRect(r.right(), r.top(), 1, r.height()), bottomRight});
    };
    bevel(rect(), shadow, light);
    const int in = 1 + m_borderWidth;
    bevel(rect().adjusted(in, in, -in, -in), light, shadow);

    QPainter p(this);
    for (const Piece& piece : pieces) {
        p.setClipRect(piece.rect);
        p.fillRect(piece.rect, piece.color);
    }
}
