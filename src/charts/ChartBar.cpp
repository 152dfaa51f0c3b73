#include "charts/ChartBar.h"

#include <QMouseEvent>
#include <QPainter>

ChartBar::ChartBar(int tag, const QString &caption, QWidget *parent) : QWidget(parent), m_tag(tag), m_caption(caption)
{ }

void ChartBar::setFrameColour(const QColor &colour)
{
    m_frame = colour;
    update();
}

void ChartBar::setSolidFill(bool solid)
{
    m_solid = solid;
    update();
}

void ChartBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    // The fill is the desktop colour of the window system; solid bars take the frame colour.
    painter.fillRect(r, m_solid ? m_frame : palette().color(QPalette::Window));
    painter.setPen(m_frame);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    // The scale's name runs upwards from the bar's foot, centred across the bar.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(m_solid ? palette().color(QPalette::Window) : palette().color(QPalette::WindowText));
    painter.translate(0, r.height());
    painter.rotate(-90);
    painter.drawText(QRect(2, 0, r.height() - 4, r.width()), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

void ChartBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(m_tag);
    QWidget::mousePressEvent(event);
}
