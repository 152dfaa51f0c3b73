#include "app/ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 210));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void ClickLabel::setDone(bool done)
{
    m_done = done;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, done ? QColor(Qt::blue) : QColor(Qt::black));
    setPalette(pal);
}

void ClickLabel::setOpaque(bool opaque)
{
    setAutoFillBackground(opaque);
    update();
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

// Link labels underline under the pointer, as links do.
void ClickLabel::enterEvent(QEnterEvent *event)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QLabel::enterEvent(event);
}

void ClickLabel::leaveEvent(QEvent *event)
{
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    QLabel::leaveEvent(event);
}
