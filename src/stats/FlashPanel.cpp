#include "stats/FlashPanel.h"

#include <QTimer>

FlashPanel::FlashPanel(QWidget *parent) : QLabel(parent), m_timer(new QTimer(this))
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setColours(Qt::red, Qt::yellow);
    m_timer->setInterval(TickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &FlashPanel::Timer1Timer);
    hide();
}

void FlashPanel::setColours(const QColor &background, const QColor &text)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    setPalette(colours);
}

void FlashPanel::ShowFlashWarning(const QString &message)
{
    setText(message);
    setColours(Qt::red, Qt::yellow);
    m_ticks = 0;
    show();
    raise();
    m_timer->start();
}

void FlashPanel::Timer1Timer()
{
    ++m_ticks;
    if (m_ticks == 1)
        setColours(Qt::yellow, Qt::black);
    if (m_ticks >= LastTick) {
        hide();
        setColours(Qt::red, Qt::yellow);
        m_timer->stop();
    }
}
