#include "app/PreviewPanel.h"

#include "case/Questionnaire.h"
#include "charts/ProfilePreview.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int PanelHeight = 132;
constexpr int CaptionTop = ProfilePreview::BaseLine + 4;
// The band limits drawn faintly behind the bars, so a bar's band can be read off.
constexpr int BandLines[] = {30, 40, 60, 70};

} // namespace

PreviewPanel::PreviewPanel(int kind, const QString &caption, QWidget *parent)
    : QFrame(parent), m_kind(kind), m_caption(caption)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    m_hints.reserve(barCount());
    for (int bar = 0; bar < barCount(); ++bar)
        m_hints.append(ProfilePreview::barHint(kind, bar));
    setFixedSize(sizeHint());
}

int PreviewPanel::barCount() const { return kindInfo(m_kind).scaleCount; }

QSize PreviewPanel::sizeHint() const
{
    return QSize(
        2 * ProfilePreview::FirstBarLeft + (barCount() - 1) * ProfilePreview::BarPitch + ProfilePreview::BarWidth,
        PanelHeight);
}

void PreviewPanel::showValues(const QVector<int> &values)
{
    m_values = values;
    update();
}

QRect PreviewPanel::barGeometry(int bar) const
{
    if (bar < 0 || bar >= m_values.size())
        return QRect();
    return ProfilePreview::barRect(bar, m_values[bar]);
}

QColor PreviewPanel::barColour(int bar) const
{
    if (bar < 0 || bar >= m_values.size())
        return QColor();
    return ProfilePreview::barColour(m_values[bar]);
}

QString PreviewPanel::barHint(int bar) const { return m_hints.value(bar); }

void PreviewPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(220, 220, 220));
    for (int t : BandLines)
        p.drawLine(2, ProfilePreview::BaseLine - t, width() - 3, ProfilePreview::BaseLine - t);
    p.setPen(Qt::darkGray);
    p.drawLine(2, ProfilePreview::BaseLine, width() - 3, ProfilePreview::BaseLine);
    for (int bar = 0; bar < m_values.size(); ++bar) {
        const QRect rect = barGeometry(bar);
        if (!rect.isEmpty())
            p.fillRect(rect, barColour(bar));
    }
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRect(0, CaptionTop, width(), height() - CaptionTop), Qt::AlignHCenter | Qt::AlignTop, m_caption);
}

bool PreviewPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        // The hint belongs to the bar's column, so even a low bar is easy to point at.
        const int x = help->pos().x() - ProfilePreview::FirstBarLeft;
        const int bar = x >= 0 ? x / ProfilePreview::BarPitch : -1;
        if (bar >= 0 && bar < barCount() && x % ProfilePreview::BarPitch < ProfilePreview::BarWidth
            && help->pos().y() <= ProfilePreview::BaseLine)
            QToolTip::showText(help->globalPos(), m_hints[bar], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QFrame::event(event);
}
