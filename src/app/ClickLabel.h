#pragma once

#include <QLabel>

// A label that reports presses and clicks: the main window's icons and link labels.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // Link labels: black while their part is open, blue once it is done.
    void setDone(bool done);
    bool isDone() const { return m_done; }
    // The blinking of the guide: opaque (filled background) or transparent.
    void setOpaque(bool opaque);
    bool isOpaque() const { return autoFillBackground(); }

signals:
    void pressed(const QPoint &localPos);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_done = false;
};
