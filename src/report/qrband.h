#pragma once

// A band of a report page: as wide as the printable area, a height in millimetres, a
// background, an optional black line along its bottom edge, and its elements, drawn in
// the order they were added (later ones over earlier ones).

#include "report/qrelements.h"

#include <QColor>
#include <QList>
#include <QObject>

namespace mirandel {

class TQRBand : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Title,
        Detail,
        PageFooter
    };

    TQRBand(const QString& name, Kind kind, qreal heightMm, QObject* parent);

    Kind kind() const { return m_kind; }
    qreal height() const { return m_height; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour) { m_colour = colour; }
    bool bottomLine() const { return m_bottomLine; }
    void setBottomLine(bool line) { m_bottomLine = line; }

    // Creates an element owned by the band.
    template <typename E, typename... Args> E* add(const QString& name, Args&&... args)
    {
        auto* element = new E(name, std::forward<Args>(args)..., this);
        m_elements.append(element);
        return element;
    }
    const QList<TQRElement*>& elements() const { return m_elements; }
    // The band's rich-text box, if it has one.
    TQRRichText* richText() const;

    // Draws the background, the elements and the bottom line; `heightMm` is the height the
    // band takes on this page (a stretched body band is taller than its design height).
    void paint(const PaintContext& context, QPointF topLeft, qreal widthMm, qreal heightMm) const;

private:
    Kind m_kind;
    qreal m_height;
    QColor m_colour = Qt::white;
    bool m_bottomLine = false;
    QList<TQRElement*> m_elements;
};

} // namespace mirandel
