#include "widgets/trackbar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace mirandel {

TTrackBar::TTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

void TTrackBar::setSelection(int start, int end)
{
    if (start == m_selStart && end == m_selEnd)
        return;
    m_selStart = start;
    m_selEnd = end;
    update();
}

void TTrackBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);

    // Groove and ticks first, then the band, then the handle over it.
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);

    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    auto centreOf = [&](int value) {
        const int held = std::clamp(value, minimum(), maximum());
        return groove.x() + handle.width() / 2 +
               QStyle::sliderPositionFromValue(minimum(), maximum(), held, span, option.upsideDown);
    };
    // A band that reaches an end of the range runs to the end of the groove.
    const int low = std::min(m_selStart, m_selEnd);
    const int high = std::max(m_selStart, m_selEnd);
    const int lowEnd = option.upsideDown ? groove.right() + 1 : groove.left();
    const int highEnd = option.upsideDown ? groove.left() : groove.right() + 1;
    const int lowX = low <= minimum() ? lowEnd : centreOf(low);
    const int highX = high >= maximum() ? highEnd : centreOf(high);
    const int from = std::min(lowX, highX);
    const int to = std::max(lowX, highX);
    if (to > from) {
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF band(from, groove.center().y() - 2.0, to - from, 4.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(bandColour());
        painter.drawRoundedRect(band, 2.0, 2.0);
    }

    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

} // namespace mirandel
