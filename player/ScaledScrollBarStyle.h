#pragma once

#include <QProxyStyle>

// The program's style, with scroll bars as many times as wide as the scale
// asks: given to the narration box's scroll bar, so that it grows with the
// box rather than standing as a sliver beside text four times its size.
class ScaledScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ScaledScrollBarStyle(QObject* parent = nullptr);

    void setScale(int scale) { m_scale = scale; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int m_scale = 1;
};
