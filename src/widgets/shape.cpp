#include "widgets/shape.h"

#include <QPainter>

namespace mirandel {

TShape::TShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::setBrushColor(const QColor& colour)
{
    m_brush = colour;
    update();
}

void TShape::setPenColor(const QColor& colour)
{
    m_pen = colour;
    update();
}

void TShape::setRadius(qreal radius)
{
    m_radius = radius;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_pen, 1.0));
    painter.setBrush(m_brush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius);
}

} // namespace mirandel
