#pragma once

#include <QColor>
#include <QWidget>

// The blinking marker set on the bar last clicked: each blink turns a square into a
// yellow circle and a circle back into a square of the chart's own colour.
class ChartMarker : public QWidget
{
    Q_OBJECT
public:
    ChartMarker(const QColor &squareColour, QWidget *parent = nullptr);

    bool isSquare() const { return m_square; }
    QColor fillColour() const;
    // One timer tick.
    void blink();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_squareColour;
    bool m_square = true;
};
