#pragma once

#include <QColor>
#include <QWidget>

// One scale's bar over the chart image: a framed rectangle with the scale's name written
// upwards; pressing it reports the scale number (the bar's tag).
class ChartBar : public QWidget
{
    Q_OBJECT
public:
    ChartBar(int tag, const QString &caption, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    QString caption() const { return m_caption; }
    QColor frameColour() const { return m_frame; }
    void setFrameColour(const QColor &colour);
    // Black-and-white mode of the self-report chart fills the bar solid.
    void setSolidFill(bool solid);
    bool solidFill() const { return m_solid; }

signals:
    void pressed(int tag);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_tag;
    QString m_caption;
    QColor m_frame = Qt::black;
    bool m_solid = false;
};
