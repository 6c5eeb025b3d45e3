#include "player/BevelPanel.h"

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

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    const QColor light(Qt::white);
    const QColor shadow(Qt::darkGray);
    // One-pixel bevel around r: light on the top and left when raised.
    const auto bevel = [&p](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(rect(), shadow, light);
    const int in = 1 + m_borderWidth;
    bevel(rect().adjusted(in, in, -in, -in), light, shadow);
}
