#include "widgets/gauge.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace mirandel {

namespace {

// What assistive technology learns of a gauge: a progress bar with its value and range,
// as a screen reader reads them.
class GaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit GaugeAccessible(TGauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(gauge()->progress());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant&) override {} // shown, not set, by the user
    QVariant maximumValue() const override { return gauge()->maximum(); }
    QVariant minimumValue() const override { return gauge()->minimum(); }
    QVariant minimumStepSize() const override { return 0; }

private:
    TGauge* gauge() const { return static_cast<TGauge*>(widget()); }
};

QAccessibleInterface* gaugeInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String(TGauge::staticMetaObject.className()))
        return nullptr;
    auto* gauge = qobject_cast<TGauge*>(object);
    return gauge ? new GaugeAccessible(gauge) : nullptr;
}

} // namespace

TGauge::TGauge(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(gaugeInterface), true);
    Q_UNUSED(accessible);
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
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent change(this, held);
        QAccessible::updateAccessibility(&change);
    }
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
