#pragma once

#include <QFrame>
#include <QVector>

// One questionnaire's row of preview bars in the open dialog: a captioned panel on which
// each scale's T-score stands as a small bar in its band colour, with the scale's name as
// the bar's hint.
class PreviewPanel : public QFrame
{
    Q_OBJECT
public:
    PreviewPanel(int kind, const QString &caption, QWidget *parent = nullptr);

    int kind() const { return m_kind; }
    int barCount() const;
    // The values last drawn (empty before the first file).
    const QVector<int> &values() const { return m_values; }
    void showValues(const QVector<int> &values);

    // Bar `bar` (0-based) as drawn: its rectangle (empty when there is none), colour and hint.
    QRect barGeometry(int bar) const;
    QColor barColour(int bar) const;
    QString barHint(int bar) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int m_kind;
    QString m_caption;
    QVector<int> m_values;
    QVector<QString> m_hints;
};
