#pragma once

// A report page laid out by bands, designed for A4 portrait paper with 10 mm margins: a
// title band printed once at the top of the first page, detail bands that print while the
// report's data callback says there is more (a body band's rich-text box stretches to its
// whole content and continues at the top of the following pages), a page footer band at
// the bottom of every page, the last included, and frame lines along the top, left and
// right of the printable area. Positions are in millimetres; drawing is on any paged
// device.
//
// Other paper: the 190 mm bands keep their size and stand centred between margins of at
// least 10 mm (more where the printer cannot print so near the edge), the footer at the
// bottom of that area, so a shorter sheet only breaks sooner, always between two lines.
// Paper too narrow (or too short) for them has the whole page drawn smaller to fit.

#include "report/qrband.h"

#include <QDate>
#include <QObject>
#include <QRectF>

#include <functional>
#include <memory>
#include <vector>

#include "report/richbody.h"

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;
class QPrinter;

namespace mirandel {

class TQuickRep : public QObject
{
    Q_OBJECT

public:
    static constexpr qreal paperWidth = 210.0;
    static constexpr qreal paperHeight = 297.0;
    static constexpr qreal margin = 10.0;
    static constexpr qreal printableWidth = paperWidth - 2 * margin;
    // Dots per inch of the preview, the printer and PDF files alike, so that the pages
    // break at the same lines everywhere.
    static constexpr int resolution = 1200;

    TQuickRep(const QString& name, QObject* parent);
    ~TQuickRep() override;

    TQRBand* addBand(const QString& name, TQRBand::Kind kind, qreal heightMm);
    const QList<TQRBand*>& bands() const { return m_bands; }

    // Asked before each print of the detail bands: the engine sets the flag to true before
    // the first print and to false after each, and prints again while it comes back true.
    std::function<void(QObject* sender, bool& moreData)> needData;

    // Where each band falls, page by page.
    struct Placement
    {
        const TQRBand* band;
        qreal top;              // device units from the top of the paper
        qreal height;           // device units
        bool continued = false; // a body band carried over from the page before
        int body = -1;          // index of the band's laid-out text, or -1
        richbody::Slice slice{0, 0, 0, 0};
        qreal textTop = 0;
    };
    struct Layout
    {
        qreal dotsPerMm = 1;
        // Device units per layout unit: 1, or less on paper too small for the design.
        qreal scale = 1;
        // The printable area the bands fill, in layout units from the paper's corner.
        QRectF area;
        std::vector<std::vector<Placement>> pages;
        std::vector<std::unique_ptr<richbody::Body>> bodies;
    };

    // Lays the report out for `device`: its resolution decides line heights, its paper
    // (A4 for a device without pages, such as a picture) where the pages break.
    Layout layOut(QPaintDevice& device) const;
    // Prints every page on `device` (a printer, a PDF or the preview) with today's `date`;
    // false when the device cannot be painted on.
    bool print(QPagedPaintDevice& device, QDate date) const;
    // Draws one laid-out page (0 is the first).
    void paintPage(QPainter& painter, const Layout& layout, int page, QDate date) const;

    // A4 portrait, the whole sheet addressable, for printers and PDF files.
    static void setUpPrinter(QPrinter& printer);

private:
    QList<TQRBand*> m_bands;
};

} // namespace mirandel
