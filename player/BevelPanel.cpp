#include "player/BevelPanel.h"

#include <QPaintEvent>
#include <QPainter>

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
    QPainter p(this);
    // Only what the fill widget leaves uncovered, and one-pixel lines as
    // rectangles: the painter's line drawing clipped to the ring around the
    // fill widget cost as much as drawing a whole frame.
    const QRect inner = m_fill != nullptr ? m_fill->geometry() : QRect();
    for (const QRect& r : event->region() - QRegion(inner))
        p.fillRect(r, m_color);
    const QColor light(Qt::white);
    const QColor shadow(Qt::darkGray);
    // One-pixel bevel around r: light on the top and left when raised.
    const auto bevel = [&p](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    bevel(rect(), shadow, light);
    const int in = 1 + m_borderWidth;
    bevel(rect().adjusted(in, in, -in, -in), light, shadow);
}
