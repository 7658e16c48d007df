#pragma once

// The printable elements of a report band: labels, filled shapes, pictures, the current
// date field and the rich-text box. Each is a QObject named after its role (tests and
// callers find it by objectName) whose place is given in millimetres from the top-left
// corner of its band.

#include "listings/styledtext.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QObject>
#include <QRectF>

class QPainter;
class QPaintDevice;

namespace mirandel {

// What an element needs to draw itself on one page.
struct PaintContext
{
    QPainter& painter;
    qreal dotsPerMm;
    QDate date;
    int page = 1;      // the page being drawn, from 1
    int pageCount = 1; // the pages of the report
    // The device rectangle of an element placed at `mm` in a band whose top-left corner
    // is at `bandTopLeft` (device units).
    QRectF toDevice(const QRectF& mm, QPointF bandTopLeft) const
    {
        return {bandTopLeft.x() + mm.x() * dotsPerMm, bandTopLeft.y() + mm.y() * dotsPerMm,
                mm.width() * dotsPerMm, mm.height() * dotsPerMm};
    }
    qreal lineWidth() const { return 0.25 * dotsPerMm; }
};

class TQRElement : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QRectF geometry READ geometry CONSTANT)

public:
    TQRElement(const QString& name, const QRectF& geometryMm, QObject* parent);
    QRectF geometry() const { return m_geometry; }
    virtual void paint(const PaintContext& context, QPointF bandTopLeft) const = 0;

private:
    QRectF m_geometry;
};

// A text in Arial. An auto-sized label is as wide as its text (its width is ignored).
class TQRLabel : public TQRElement
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString caption READ text WRITE setText)

public:
    struct Style
    {
        int pointSize = 10;
        bool bold = false;
        bool italic = false;
        QColor colour = Qt::black;
        bool transparent = true;
        QColor background = Qt::white;
        bool centred = false;
        bool wordWrap = false;
        bool autoSize = false;
        bool rightFrame = false;
    };

    TQRLabel(const QString& name, const QRectF& geometryMm, const QString& text, const Style& style,
             QObject* parent);

    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    const Style& style() const { return m_style; }
    QFont font() const;
    // The font `text` is drawn in on `device` inside `frame` (device units). A word-wrapped
    // text that needs more lines than its frame holds is drawn smaller, half a point at a
    // time down to 6 points, rather than losing its last words.
    QFont fittedFont(QPaintDevice* device, const QString& text, const QRectF& frame) const;

    void paint(const PaintContext& context, QPointF bandTopLeft) const override;

protected:
    virtual QString shownText(const PaintContext&) const { return m_text; }

private:
    QString m_text;
    Style m_style;
};

// A system data field: the current date in the system's short date format, as of the day
// the page is laid out, or the page number and the page count ("2 / 5").
class TQRSysData : public TQRLabel
{
    Q_OBJECT

public:
    enum class Data
    {
        Date,
        PageNumber
    };
    TQRSysData(const QString& name, const QRectF& geometryMm, const Style& style, QObject* parent)
        : TQRSysData(name, geometryMm, style, Data::Date, parent)
    {
    }
    TQRSysData(const QString& name, const QRectF& geometryMm, const Style& style, Data data,
               QObject* parent);
    Data data() const { return m_data; }
    static QString dateText(QDate date);
    static QString pageText(int page, int pageCount);

protected:
    QString shownText(const PaintContext& context) const override;

private:
    Data m_data;
};

// A filled rectangle or ellipse with a black outline.
class TQRShape : public TQRElement
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor fill READ color WRITE setColor)

public:
    enum class Kind
    {
        Rectangle,
        Ellipse
    };
    TQRShape(const QString& name, const QRectF& geometryMm, Kind kind, const QColor& fill,
             QObject* parent);

    QColor color() const { return m_fill; }
    void setColor(const QColor& fill) { m_fill = fill; }
    Kind kind() const { return m_kind; }

    void paint(const PaintContext& context, QPointF bandTopLeft) const override;

private:
    Kind m_kind;
    QColor m_fill;
};

// A picture stretched to its frame (an SVG resource, drawn as vectors).
class TQRImage : public TQRElement
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture CONSTANT)

public:
    TQRImage(const QString& name, const QRectF& geometryMm, const QString& picture,
             QObject* parent);
    QString picture() const { return m_picture; }

    void paint(const PaintContext& context, QPointF bandTopLeft) const override;

private:
    QString m_picture;
};

// The rich-text box of a body band: holds a listing read from its file, stretches to its
// whole content and continues on the following pages. Drawn by the report, page by page.
class TQRRichText : public TQRElement
{
    Q_OBJECT

public:
    TQRRichText(const QString& name, const QRectF& geometryMm, QObject* parent);

    const StyledText& content() const { return m_content; }
    void setContent(StyledText content) { m_content = std::move(content); }
    // Removes all content.
    void clear() { m_content.clear(); }
    bool isEmpty() const { return m_content.isEmpty(); }

    void paint(const PaintContext& context, QPointF bandTopLeft) const override;

private:
    StyledText m_content;
};

} // namespace mirandel
