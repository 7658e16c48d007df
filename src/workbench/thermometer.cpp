#include "workbench/thermometer.h"

#include "platform/windowkit.h"
#include "widgets/gauge.h"
#include "widgets/shape.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace mirandel {

namespace {

// The gauge column runs this far into the bulb, so bar and bulb join without a seam.
constexpr int bulbOverlap = 2;
constexpr int topMargin = 7;

} // namespace

TThermometer::TThermometer(QWidget* parent, const QColor& liquid, const QString& gaugeName,
                           const QString& valueName, const QString& unitName)
    : QWidget(parent)
{
    m_gauge = new TGauge(this);
    m_gauge->setObjectName(gaugeName);
    m_gauge->setForeColor(liquid);
    m_gauge->setBackColor(Qt::white);

    m_bulb = new TShape(this);
    m_bulb->setBrushColor(liquid);
    m_bulb->setPenColor(liquid.darker(140));

    for (QLabel** label : {&m_value, &m_unit}) {
        *label = new QLabel(this);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
        windowkit::setTextColour(*label, Qt::white);
    }
    m_value->setObjectName(valueName);
    m_unit->setObjectName(unitName);
    m_value->setFont(windowkit::arial(9, true));
    m_unit->setFont(windowkit::arial(8, true));
    placeParts();
}

void TThermometer::setRange(int minimum, int maximum)
{
    m_gauge->setRange(minimum, maximum);
    update();
}

void TThermometer::setTicks(int step, int majorStep)
{
    m_step = std::max(0, step);
    m_majorStep = std::max(0, majorStep);
    update();
}

int TThermometer::bulbDiameter() const
{
    return std::min(width(), height() / 2);
}

QRectF TThermometer::plate() const
{
    const qreal plateWidth = std::round(width() * 0.66);
    return {(width() - plateWidth) / 2.0, 0.5, plateWidth, height() - bulbDiameter() / 2.0};
}

void TThermometer::placeParts()
{
    const int diameter = bulbDiameter();
    const QRectF plateRect = plate();
    const int column = std::max(6, static_cast<int>(plateRect.width() * 0.3) & ~1);
    const int bulbTop = height() - diameter;
    m_gauge->setGeometry((width() - column) / 2, topMargin, column,
                         std::max(0, bulbTop + bulbOverlap - topMargin));
    m_bulb->setGeometry((width() - diameter) / 2, bulbTop, diameter, diameter);
    m_bulb->setRadius(diameter / 2.0);
    const int left = (width() - diameter) / 2;
    m_value->setGeometry(left - 4, bulbTop + diameter * 18 / 100, diameter + 8,
                         diameter * 36 / 100);
    m_unit->setGeometry(left - 4, bulbTop + diameter * 52 / 100, diameter + 8, diameter * 30 / 100);
    m_value->raise();
    m_unit->raise();
}

void TThermometer::resizeEvent(QResizeEvent*)
{
    placeParts();
}

void TThermometer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plateRect = plate();
    const qreal radius = std::min<qreal>(plateRect.width() / 2.0, 10.0);
    painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1.0));
    painter.setBrush(plateColour());
    painter.drawRoundedRect(plateRect.adjusted(0.5, 0, -0.5, 0), radius, radius);

    const int low = m_gauge->minimum();
    const int high = m_gauge->maximum();
    if (m_step <= 0 || high <= low)
        return;
    // Ticks sit where the bar's top stands for their value.
    const QRect column = m_gauge->geometry();
    const qreal bottom = column.y() + column.height();
    const qreal span = column.height();
    const qreal gap = 2.0;
    const qreal room = column.x() - plateRect.x() - gap - 2.0;
    const QColor minor(0x6B, 0x72, 0x80);
    const QColor major(0x1F, 0x3A, 0x5F);
    int first = (low / m_step) * m_step;
    if (first < low)
        first += m_step;
    for (int value = first; value <= high; value += m_step) {
        const bool isMajor = m_majorStep > 0 && value % m_majorStep == 0;
        const qreal y = std::round(bottom - span * (value - low) / (high - low)) + 0.5;
        if (y > height() - bulbDiameter())
            continue; // hidden behind the bulb
        const qreal length = isMajor ? room : room * 0.55;
        painter.setPen(QPen(isMajor ? major : minor, isMajor ? 1.4 : 1.0));
        painter.drawLine(QPointF(column.x() - gap - length, y), QPointF(column.x() - gap, y));
        const qreal right = column.x() + column.width() + gap;
        painter.drawLine(QPointF(right, y), QPointF(right + length, y));
    }
}

} // namespace mirandel
