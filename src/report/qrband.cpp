#include "report/qrband.h"

#include <QPainter>

namespace mirandel {

TQRBand::TQRBand(const QString& name, Kind kind, qreal heightMm, QObject* parent)
    : QObject(parent), m_kind(kind), m_height(heightMm)
{
    setObjectName(name);
}

TQRRichText* TQRBand::richText() const
{
    for (TQRElement* element : m_elements)
        if (auto* rich = qobject_cast<TQRRichText*>(element))
            return rich;
    return nullptr;
}

void TQRBand::paint(const PaintContext& context, QPointF topLeft, qreal widthMm,
                    qreal heightMm) const
{
    QPainter& painter = context.painter;
    const QRectF area = context.toDevice({0, 0, widthMm, heightMm}, topLeft);
    painter.fillRect(area, m_colour);
    painter.save();
    painter.setClipRect(area);
    for (const TQRElement* element : m_elements)
        element->paint(context, topLeft);
    painter.restore();
    if (m_bottomLine) {
        painter.save();
        painter.setPen(QPen(Qt::black, context.lineWidth()));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.restore();
    }
}

} // namespace mirandel
