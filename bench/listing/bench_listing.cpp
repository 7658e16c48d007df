// The largest listing the listing document can hold (65,536 positions): Add line of every
// row, Save rich text, read the file back, lay out all report pages for the printer, and
// print them to PDF. Prints the median and best time of each step over several rounds.
//
//   QT_QPA_PLATFORM=offscreen bench_listing [rounds] [folder to keep the files in]

#include "common/error.h"
#include "listings/listingdocument.h"
#include "listings/listingfile.h"
#include "listings/rtfreader.h"
#include "report/qrband.h"
#include "report/quickrep.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace mirandel;
using namespace Qt::StringLiterals;

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int fillToCapacity(ListingDocument& document)
{
    document.clear();
    document.formatRange(250, 100, {.size = 8, .colour = 0x000000, .bold = false});
    int rows = 0;
    try {
        for (int n = 1;; ++n) {
            document.addLine(u"%1 inch = %2 mm\t\t\t\t\t\t\t%1 mm = %3 inch"_s.arg(n)
                                 .arg(n * 25.4, 0, 'g', 15)
                                 .arg(qRound(n * 39.37) / 1000.0, 0, 'g', 15));
            ++rows;
        }
    } catch (const MirandelError&) {
        // The document is full: this is the largest listing.
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();

    TQuickRep page(u"QuickRepTableau1"_s, nullptr);
    page.addBand(u"Title"_s, TQRBand::Kind::Title, 22.0);
    TQRBand* body = page.addBand(u"QRSubDetail5"_s, TQRBand::Kind::Detail, 122.8);
    TQRRichText* memo = body->add<TQRRichText>(u"QRMemo1"_s, QRectF(2.1, 0.0, 186.5, 120.9));
    page.addBand(u"Footer"_s, TQRBand::Kind::PageFooter, 7.1);
    QPrinter printer(QPrinter::HighResolution);
    TQuickRep::setUpPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);

    std::map<QString, std::vector<double>> times;
    int rows = 0;
    int length = 0;
    std::size_t pages = 0;
    qsizetype fileSize = 0;
    const long before = peakKilobytes();
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        const auto lap = [&](const QString& step) {
            times[step].push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
        };
        ListingDocument document;
        timer.start();
        rows = fillToCapacity(document);
        lap(u"1 add lines"_s);
        document.saveRichText(folder, u"conversion.rtf"_s);
        lap(u"2 save rich text"_s);
        memo->setContent(rtf::read(listingfile::read(folder, u"conversion.rtf"_s)));
        lap(u"3 read back"_s);
        const TQuickRep::Layout layout = page.layOut(printer);
        lap(u"4 lay out pages"_s);
        length = document.length();
        pages = layout.pages.size();
        fileSize = listingfile::read(folder, u"conversion.rtf"_s).size();
    }
    double chain = 0;
    std::printf("largest listing: %d rows, %d positions, %lld bytes of RTF, %zu pages\n", rows,
                length, static_cast<long long>(fileSize), pages);
    for (auto& [step, values] : times) {
        std::sort(values.begin(), values.end());
        const double median = values[values.size() / 2];
        chain += median;
        std::printf("%-20s median %8.2f ms   best %8.2f ms\n", qPrintable(step), median,
                    values.front());
    }
    std::printf("%-20s median %8.2f ms\n", "whole chain", chain);

    QElapsedTimer timer;
    timer.start();
    printer.setOutputFileName(folder + u"/conversion.pdf"_s);
    page.print(printer, QDate::currentDate());
    std::printf("%-20s once   %8.2f ms\n", "print to PDF", timer.nsecsElapsed() / 1e6);
    std::printf("peak memory: %ld kB (%ld kB above start-up)\n", peakKilobytes(),
                peakKilobytes() - before);
    return 0;
}
