#pragma once

#include <QLabel>

class QTimer;

// The statistics dialogs' flashing warning: red with yellow text, yellow with black text
// from the first tick, hidden again at the twelfth tick of its 300 ms timer.
class FlashPanel : public QLabel
{
    Q_OBJECT
public:
    explicit FlashPanel(QWidget *parent = nullptr);

    static constexpr int TickMilliseconds = 300;
    static constexpr int LastTick = 12;

    void ShowFlashWarning(const QString &message);
    // One tick of the timer.
    void Timer1Timer();

    QTimer *timer() const { return m_timer; }
    int ticks() const { return m_ticks; }

private:
    void setColours(const QColor &background, const QColor &text);

    QTimer *m_timer;
    int m_ticks = 0;
};
