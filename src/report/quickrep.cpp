#include "report/quickrep.h"

#include "platform/windowkit.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace mirandel {

TQuickRep::TQuickRep(const QString& name, QObject* parent) : QObject(parent)
{
    setObjectName(name);
    windowkit::installFontSubstitutes();
}

TQuickRep::~TQuickRep() = default;

TQRBand* TQuickRep::addBand(const QString& name, TQRBand::Kind kind, qreal heightMm)
{
    auto* band = new TQRBand(name, kind, heightMm, this);
    m_bands.append(band);
    return band;
}

namespace {

const TQRBand* firstOfKind(const QList<TQRBand*>& bands, TQRBand::Kind kind)
{
    for (const TQRBand* band : bands)
        if (band->kind() == kind)
            return band;
    return nullptr;
}

// Gives the report's detail bands to `print` as often as the data callback asks.
class Builder
{
public:
    Builder(TQuickRep::Layout& layout, qreal top, qreal footerTop)
        : m_layout(layout), m_top(top), m_footerTop(footerTop), m_y(top)
    {
        m_layout.pages.emplace_back();
    }

    void place(const TQRBand* band)
    {
        const qreal height = band->height() * m_layout.dotsPerMm;
        if (m_y + height > m_footerTop && !m_layout.pages.back().empty())
            newPage();
        m_layout.pages.back().push_back({band, m_y, height});
        m_y += height;
    }

    void placeBody(const TQRBand* band, const TQRRichText& rich, QPaintDevice& device)
    {
        const qreal dpmm = m_layout.dotsPerMm;
        const QRectF memo = rich.geometry();
        const qreal bandHeight = band->height() * dpmm;
        const qreal memoTop = memo.top() * dpmm;
        const qreal belowMemo = std::max(0.0, bandHeight - memo.bottom() * dpmm);
        m_layout.bodies.push_back(richbody::build(rich.content(), device, memo.width() * dpmm));
        const int body = int(m_layout.bodies.size()) - 1;
        if (m_footerTop - (m_y + memoTop) <= 0)
            newPage();
        const auto& lines = m_layout.bodies.back()->lines();
        auto slices = richbody::paginate(lines, m_footerTop - (m_y + memoTop), m_footerTop - m_top);
        if (slices.empty())
            slices.push_back({0, 0, 0, 0});
        for (std::size_t i = 0; i < slices.size(); ++i) {
            if (i > 0)
                newPage();
            const bool last = i + 1 == slices.size();
            const qreal textTop = i == 0 ? m_y + memoTop : m_top;
            const qreal sliceHeight = slices[i].bottom - slices[i].top;
            qreal height = m_footerTop - m_y;
            if (last) {
                height = i == 0 ? std::max(bandHeight, memoTop + sliceHeight + belowMemo)
                                : sliceHeight + belowMemo;
                height = std::min(height, m_footerTop - m_y);
            }
            m_layout.pages.back().push_back({band, m_y, height, i > 0, body, slices[i], textTop});
            m_y += height;
        }
    }

private:
    void newPage()
    {
        m_layout.pages.emplace_back();
        m_y = m_top;
    }

    TQuickRep::Layout& m_layout;
    qreal m_top;
    qreal m_footerTop;
    qreal m_y;
};

} // namespace

namespace {

// The least printable height the bands are drawn full size on: a title band, the footer
// and some lines of the body.
constexpr qreal smallestPrintableHeight = 100.0;

// The printable area of `device` in millimetres from the paper's corner, and the scale
// the design is drawn at on it.
std::pair<QRectF, qreal> printableArea(QPaintDevice& device)
{
    QSizeF paper(TQuickRep::paperWidth, TQuickRep::paperHeight);
    QMarginsF least;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device)) {
        QPageLayout page = paged->pageLayout();
        page.setUnits(QPageLayout::Millimeter);
        paper = page.fullRect().size();
        least = page.minimumMargins();
    }
    const qreal m = TQuickRep::margin;
    const QMarginsF margins(std::max(m, least.left()), std::max(m, least.top()),
                            std::max(m, least.right()), std::max(m, least.bottom()));
    const QRectF area = QRectF(QPointF(0, 0), paper) - margins;
    const qreal scale = std::clamp(
        std::min(area.width() / TQuickRep::printableWidth, area.height() / smallestPrintableHeight),
        0.05, 1.0);
    // The bands' width, centred in the area.
    const qreal width = TQuickRep::printableWidth * scale;
    return {QRectF(area.left() + (area.width() - width) / 2, area.top(), width, area.height()),
            scale};
}

} // namespace

TQuickRep::Layout TQuickRep::layOut(QPaintDevice& device) const
{
    Layout layout;
    layout.dotsPerMm = device.logicalDpiY() / 25.4;
    const qreal dpmm = layout.dotsPerMm;
    const auto [area, scale] = printableArea(device);
    layout.scale = scale;
    layout.area = QRectF(area.topLeft() * dpmm / scale, area.size() * dpmm / scale);
    const TQRBand* footer = firstOfKind(m_bands, TQRBand::Kind::PageFooter);
    const qreal footerTop = layout.area.bottom() - (footer ? footer->height() : 0.0) * dpmm;
    Builder builder(layout, layout.area.top(), footerTop);
    if (const TQRBand* title = firstOfKind(m_bands, TQRBand::Kind::Title))
        builder.place(title);

    const auto print = [&](const TQRBand* band) {
        if (const TQRRichText* rich = band->richText())
            builder.placeBody(band, *rich, device);
        else
            builder.place(band);
    };
    for (const TQRBand* band : m_bands) {
        if (band->kind() != TQRBand::Kind::Detail)
            continue;
        bool more = true;
        if (needData)
            needData(const_cast<TQuickRep*>(this), more);
        // A callback that never says "no more" still ends: a report has a last page.
        for (int prints = 0; more && prints < 10000; ++prints) {
            print(band);
            more = false;
            if (needData)
                needData(const_cast<TQuickRep*>(this), more);
        }
    }
    // The footer of every page.
    if (footer)
        for (auto& page : layout.pages)
            page.push_back({footer, footerTop, footer->height() * dpmm});
    return layout;
}

void TQuickRep::paintPage(QPainter& painter, const Layout& layout, int page, QDate date) const
{
    const qreal dpmm = layout.dotsPerMm;
    const PaintContext context{painter, dpmm, date, page + 1, int(layout.pages.size())};
    const qreal left = layout.area.left();
    painter.save();
    painter.scale(layout.scale, layout.scale);
    for (const Placement& placed : layout.pages[std::size_t(page)]) {
        const QPointF topLeft(left, placed.top);
        if (placed.continued)
            painter.fillRect(QRectF(topLeft, QSizeF(printableWidth * dpmm, placed.height)),
                             placed.band->colour());
        else
            placed.band->paint(context, topLeft, printableWidth, placed.height / dpmm);
        if (placed.body < 0)
            continue;
        const richbody::Body& body = *layout.bodies[std::size_t(placed.body)];
        const qreal memoLeft = placed.band->richText()->geometry().left() * dpmm;
        const qreal bandBottom = placed.top + placed.height;
        const qreal bottom =
            std::min(placed.slice.bottom, placed.slice.top + (bandBottom - placed.textTop));
        if (bottom <= placed.slice.top)
            continue;
        painter.save();
        painter.translate(left + memoLeft, placed.textTop - placed.slice.top);
        painter.setClipRect(QRectF(0, placed.slice.top, body.width(), bottom - placed.slice.top),
                            Qt::IntersectClip);
        // Only the slice's own lines, so that a PDF's text holds each line once.
        body.draw(painter, QPointF(0, 0), placed.slice.firstLine, placed.slice.endLine);
        painter.restore();
    }
    // The page frame: top, left and right edges of the printable area.
    const QRectF frame(left, layout.area.top(), printableWidth * dpmm, layout.area.height());
    painter.setPen(QPen(Qt::black, context.lineWidth()));
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.drawLine(frame.topRight(), frame.bottomRight());
    painter.restore();
}

bool TQuickRep::print(QPagedPaintDevice& device, QDate date) const
{
    const Layout layout = layOut(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = 0; page < int(layout.pages.size()); ++page) {
        if (page > 0)
            device.newPage();
        paintPage(painter, layout, page, date);
    }
    return true;
}

void TQuickRep::setUpPrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setResolution(resolution);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPaperSource(QPrinter::Auto);
}

} // namespace mirandel
