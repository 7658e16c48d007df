#include "report/qrelements.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace mirandel {

TQRElement::TQRElement(const QString& name, const QRectF& geometryMm, QObject* parent)
    : QObject(parent), m_geometry(geometryMm)
{
    setObjectName(name);
}

TQRLabel::TQRLabel(const QString& name, const QRectF& geometryMm, const QString& text,
                   const Style& style, QObject* parent)
    : TQRElement(name, geometryMm, parent), m_text(text), m_style(style)
{
}

QFont TQRLabel::font() const
{
    QFont font(u"Arial"_s);
    font.setPointSize(m_style.pointSize);
    font.setBold(m_style.bold);
    font.setItalic(m_style.italic);
    return font;
}

QFont TQRLabel::fittedFont(QPaintDevice* device, const QString& text, const QRectF& frame) const
{
    QFont font(this->font(), device);
    if (!m_style.wordWrap || m_style.autoSize)
        return font;
    constexpr qreal smallest = 6.0;
    for (qreal size = m_style.pointSize; size >= smallest; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font, device);
        const qreal lines = std::max(1.0, std::floor(frame.height() / metrics.lineSpacing()));
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, frame.width(), 1e9),
                                                   Qt::AlignLeft | Qt::TextWordWrap, text);
        if (needed.height() <= lines * metrics.lineSpacing() && needed.width() <= frame.width())
            break;
    }
    return font;
}

void TQRLabel::paint(const PaintContext& context, QPointF bandTopLeft) const
{
    QPainter& painter = context.painter;
    QString text = shownText(context);
    QRectF rect = context.toDevice(geometry(), bandTopLeft);
    const QFont font = fittedFont(painter.device(), text, rect);
    const QFontMetricsF metrics(font, painter.device());
    if (m_style.autoSize) {
        rect.setWidth(metrics.horizontalAdvance(text));
        rect.setHeight(metrics.height());
    }
    painter.save();
    if (!m_style.transparent)
        painter.fillRect(rect, m_style.background);
    painter.setFont(font);
    painter.setPen(m_style.colour);
    int flags = m_style.centred ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= Qt::AlignTop | (m_style.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    QRectF shown = rect;
    if (!m_style.autoSize) {
        if (m_style.wordWrap) {
            // Only whole lines: a wrapped text too long for its frame loses its last lines
            // rather than showing half of one.
            const qreal lines = std::max(1.0, std::floor(rect.height() / metrics.lineSpacing()));
            shown.setHeight(lines * metrics.lineSpacing());
        } else {
            // A single line too long for its frame ends in an ellipsis, not in half a letter.
            text = metrics.elidedText(text, Qt::ElideRight, rect.width());
        }
        painter.setClipRect(shown, Qt::IntersectClip);
    }
    painter.drawText(rect, flags, text);
    if (m_style.rightFrame) {
        painter.setClipping(false);
        painter.setPen(QPen(Qt::black, context.lineWidth()));
        painter.drawLine(rect.topRight(), rect.bottomRight());
    }
    painter.restore();
}

TQRSysData::TQRSysData(const QString& name, const QRectF& geometryMm, const Style& style, Data data,
                       QObject* parent)
    : TQRLabel(name, geometryMm, QString(), style, parent), m_data(data)
{
}

QString TQRSysData::dateText(QDate date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString TQRSysData::pageText(int page, int pageCount)
{
    return QString::number(page) + u" / "_s + QString::number(pageCount);
}

QString TQRSysData::shownText(const PaintContext& context) const
{
    if (m_data == Data::PageNumber)
        return pageText(context.page, context.pageCount);
    return dateText(context.date);
}

TQRShape::TQRShape(const QString& name, const QRectF& geometryMm, Kind kind, const QColor& fill,
                   QObject* parent)
    : TQRElement(name, geometryMm, parent), m_kind(kind), m_fill(fill)
{
}

void TQRShape::paint(const PaintContext& context, QPointF bandTopLeft) const
{
    QPainter& painter = context.painter;
    const qreal pen = context.lineWidth();
    // The outline lies inside the frame, as a drawn shape's border does.
    const QRectF rect =
        context.toDevice(geometry(), bandTopLeft).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, pen));
    painter.setBrush(m_fill);
    if (m_kind == Kind::Ellipse)
        painter.drawEllipse(rect);
    else
        painter.drawRect(rect);
    painter.restore();
}

TQRImage::TQRImage(const QString& name, const QRectF& geometryMm, const QString& picture,
                   QObject* parent)
    : TQRElement(name, geometryMm, parent), m_picture(picture)
{
}

void TQRImage::paint(const PaintContext& context, QPointF bandTopLeft) const
{
    QSvgRenderer renderer(m_picture);
    if (!renderer.isValid())
        return;
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&context.painter, context.toDevice(geometry(), bandTopLeft));
}

TQRRichText::TQRRichText(const QString& name, const QRectF& geometryMm, QObject* parent)
    : TQRElement(name, geometryMm, parent)
{
}

void TQRRichText::paint(const PaintContext&, QPointF) const
{
    // The report draws the text itself, page by page, on the white of the band.
}

} // namespace mirandel
