#pragma once

// Saved PDF reports read back for the print preview. The PDF engine (and the network
// libraries it brings) is a module of its own, loaded with the first report opened, so a
// program that never opens one starts without it.

#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>

namespace mirandel {

class PdfPages
{
public:
    virtual ~PdfPages() = default;
    virtual int pageCount() const = 0;
    virtual QSizeF pagePointSize(int page) const = 0;
    virtual QImage render(int page, QSize size) = 0;
};

struct OpenedPdf
{
    std::unique_ptr<PdfPages> pages; // empty when the file cannot be read
    QString reason;                  // why, in the words of the error box
};

// Opens the PDF at `path`.
OpenedPdf openPdf(const QString& path);

} // namespace mirandel

// The module's one entry point: the pages of `path`, or null with `reason` set.
using MirandelOpenPdf = mirandel::PdfPages* (*)(const QString& path, QString& reason);
