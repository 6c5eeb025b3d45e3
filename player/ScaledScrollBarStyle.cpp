#include "player/ScaledScrollBarStyle.h"

ScaledScrollBarStyle::ScaledScrollBarStyle(QObject* parent)
{
    setParent(parent);
}

int ScaledScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_ScrollBarExtent ? value * m_scale : value;
}
