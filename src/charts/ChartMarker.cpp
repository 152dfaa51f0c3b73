#include "charts/ChartMarker.h"

#include <QPainter>

ChartMarker::ChartMarker(const QColor &squareColour, QWidget *parent) : QWidget(parent), m_squareColour(squareColour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QColor ChartMarker::fillColour() const { return m_square ? m_squareColour : QColor(255, 255, 0); }

void ChartMarker::blink()
{
    m_square = !m_square;
    update();
}

void ChartMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(fillColour());
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (m_square) {
        painter.drawRect(r);
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(r);
    }
}
