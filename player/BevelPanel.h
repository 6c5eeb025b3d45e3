#pragma once

#include <QColor>
#include <QWidget>

// A coloured panel with a lowered outer bevel, a border and a raised inner
// bevel. Its fill widget is kept on the area inside the bevels.
class BevelPanel : public QWidget {
    Q_OBJECT
public:
    BevelPanel(const QColor& color, int borderWidth, QWidget* parent = nullptr);

    void setFillWidget(QWidget* fill);
    const QColor& color() const { return m_color; }

    // Distance from the panel's edge to its inner area.
    int inset() const { return 1 + m_borderWidth + 1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor m_color;
    int m_borderWidth = 0;
    QWidget* m_fill = nullptr;
};
