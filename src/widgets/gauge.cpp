#include "widgets/gauge.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace mirandel {

TGauge::TGauge(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TGauge::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setProgress(m_progress);
}

void TGauge::setProgress(int value)
{
    const int held = std::clamp(value, m_minimum, m_maximum);
    if (held == m_progress)
        return;
    m_progress = held;
    update();
}

int TGauge::percent() const
{
    if (m_maximum == m_minimum)
        return 0;
    return static_cast<int>((100LL * (m_progress - m_minimum)) / (m_maximum - m_minimum));
}

int TGauge::filledHeight(int height) const
{
    return static_cast<int>((static_cast<long long>(percent()) * height) / 100);
}

void TGauge::setForeColor(const QColor& colour)
{
    m_fore = colour;
    update();
}

void TGauge::setBackColor(const QColor& colour)
{
    m_back = colour;
    update();
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(width() / 2.0, 4.0);

    QPainterPath outline;
    outline.addRoundedRect(frame, radius, radius);
    painter.fillPath(outline, m_back);

    const int filled = filledHeight(height());
    if (filled > 0) {
        painter.save();
        painter.setClipPath(outline);
        const QRectF bar(0, height() - filled, width(), filled);
        QLinearGradient shade(bar.topLeft(), bar.topRight());
        shade.setColorAt(0.0, m_fore.darker(115));
        shade.setColorAt(0.45, m_fore.lighter(125));
        shade.setColorAt(1.0, m_fore.darker(125));
        painter.fillRect(bar, shade);
        painter.restore();
    }
    painter.setPen(QPen(palette().color(QPalette::Mid), 1.0));
    painter.drawPath(outline);
}

} // namespace mirandel
