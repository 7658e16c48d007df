// The three largest listings a user can ask for, through the real windows and commands:
// the inch/mm conversion listing at the listing document's capacity edge, the
// standard-atmosphere listing of 600 rows and the US/UK wrench listing. For each:
//
//   export   "Apply" in export mode until the file is written (rows generated and saved)
//   preview  "Apply" in preview mode until the preview window runs: rows generated, file
//            saved, read back, and every page laid out and drawn
//   layout   reading the saved file back and laying out all report pages on the printer
//
// Each figure is the median wall time and, in brackets, the median processor time the
// program took meanwhile: on a machine shared with other work the second one is what the
// same run takes on an idle one.
//
// With a second argument it then opens the wrench listing's preview that many times in a
// row, each closed once drawn, and prints the resident set after the first ten and after
// the last: what one more preview keeps.
//
//   QT_QPA_PLATFORM=offscreen bench_listings [rounds] [previews]

#include "app/program.h"
#include "atmosphere/atmos.h"
#include "listings/Tableau.h"
#include "listings/listingdocument.h"
#include "listings/listingfile.h"
#include "listings/pubfree.h"
#include "listings/rtfreader.h"
#include "platform/platform.h"
#include "report/printpreview.h"
#include "report/qrelements.h"
#include "report/quickrep.h"
#include "workbench/convers.h"
#include "wrench/cleangl.h"

#include "../resident.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace mirandel;
using namespace Qt::StringLiterals;

namespace {

// The desktop without its side effects: files go into a temporary folder, boxes are
// counted, nothing is opened.
class QuietPlatform final : public Platform
{
public:
    void shellOpen(const QString&, std::function<void()> = {}) override {}
    void launchCalculator() override {}
    void beep() override {}
    QString programFolder() const override { return folder; }
    QString userGuide() const override { return {}; }
    QChar decimalSeparator() const override { return u'.'; }
    QChar dateSeparator() const override { return u'/'; }
    QDate today() const override { return QDate(2011, 2, 4); }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showMessage(QWidget*, const QString&, const QString&) override {}
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }

    QString folder;
    QStringList errors;
};

// Milliseconds of processor time the program has used.
double processorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall and processor time of one measured run.
struct Time
{
    double wall = -1;
    double processor = -1;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

using benchmemory::residentKilobytes;

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Listing
{
    const char* name;
    QString file;
    TQuickRep* page;
    // Runs the command that opens the listing's modal window.
    std::function<void()> open;
    // Inside that window: picks the mode and presses "Apply".
    std::function<void(bool exportMode)> apply;
};

class Bench
{
public:
    Bench() : m_program(&m_platform) { m_platform.folder = m_folder.path(); }

    Program& program() { return m_program; }
    QuietPlatform& platform() { return m_platform; }

    // Milliseconds from "Apply" to the file written (export) or to the preview running.
    Time run(const Listing& listing, bool exportMode, int* pages = nullptr)
    {
        Time ms;
        QElapsedTimer clock;
        double processor = 0;
        QObject scope; // ends the timers that did not fire with this run
        QTimer::singleShot(0, &scope, [&] {
            if (!exportMode)
                QTimer::singleShot(0, &scope, [&] {
                    ms = {clock.nsecsElapsed() / 1e6, processorMs() - processor};
                    auto* preview = qobject_cast<TPrintPreview*>(QApplication::activeModalWidget());
                    if (preview) {
                        if (pages)
                            *pages = preview->pageCount();
                        preview->reject();
                    }
                });
            clock.start();
            processor = processorMs();
            listing.apply(exportMode);
            if (exportMode)
                ms = {clock.nsecsElapsed() / 1e6, processorMs() - processor};
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        listing.open();
        return ms;
    }

    // Opens the listing's preview and closes it once it is on the screen and drawn.
    void previewShown(const Listing& listing)
    {
        QObject scope;
        QTimer poll;
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, &scope, [&poll] {
            auto* preview = qobject_cast<TPrintPreview*>(QApplication::activeModalWidget());
            if (!preview || !preview->windowHandle() || !preview->windowHandle()->isExposed())
                return;
            preview->repaint();
            poll.stop();
            preview->reject();
        });
        QTimer::singleShot(0, &scope, [&] {
            poll.start();
            listing.apply(false);
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        listing.open();
    }

    // Reads the saved file back and lays out all pages; returns the page count.
    int layOut(const Listing& listing, QPrinter& printer)
    {
        auto* memo = listing.page->findChild<TQRRichText*>();
        memo->setContent(rtf::read(listingfile::read(m_folder.path(), listing.file)));
        return static_cast<int>(listing.page->layOut(printer).pages.size());
    }

    qint64 fileSize(const QString& name) const
    {
        return listingfile::read(m_folder.path(), name).size();
    }

private:
    QTemporaryDir m_folder;
    QuietPlatform m_platform;
    Program m_program;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 11;
    Bench bench;
    Program& program = bench.program();
    TPub& pub = program.pub();
    TWinControlForm1& reports = program.reports();
    // The capacity edge of the inch/mm listing differs by mode: the export heading takes
    // some of the room.
    QString toPreview = u"3000"_s, toExport = u"3000"_s;
    const auto applyRange = [&](const QString& from, const QString& step) {
        return [&pub, &toPreview, &toExport, from, step](bool exportMode) {
            pub.setListingRange(from, exportMode ? toExport : toPreview, step);
            (exportMode ? pub.RadioButton2 : pub.RadioButton1)->setChecked(true);
            pub.Button2Click();
        };
    };
    program.conversion().ToolButton5Click(); // lengths: inch / mm
    TfrmcleDlg& wrench = program.cleDlg();
    const std::vector<Listing> listings = {
        {"inch/mm at capacity", u"conversion.rtf"_s, reports.QuickRepTableau1,
         [&] { program.conversion().ButtonTableauClick(); }, applyRange(u"1"_s, u"1"_s)},
        {"atmosphere 600 rows", u"atmospheres.rtf"_s, reports.QuickRepTableau2,
         [&] { program.atmosphere().findChild<QPushButton*>(u"ButtonTemperature"_s)->click(); },
         [&](bool exportMode) {
             pub.setListingRange(u"0"_s, u"5990"_s, u"10"_s);
             (exportMode ? pub.RadioButton2 : pub.RadioButton1)->setChecked(true);
             pub.Button2Click();
         }},
        {"wrench US/UK", u"cle_us_uk.rtf"_s, reports.QuickRepTableau1, [&] { wrench.exec(); },
         [&](bool exportMode) {
             (exportMode ? wrench.RadioButton3 : wrench.RadioButton2)->setChecked(true);
             wrench.ButtonValideClick();
         }},
    };

    // The edge: the most rows the listing document takes before it refuses the next line.
    bench.run(listings[0], false);
    toPreview = QString::number(wrench.listingDocument().lines().size());
    toExport = toPreview;
    for (;;) {
        bench.platform().errors.clear();
        bench.run(listings[0], true);
        if (bench.platform().errors.isEmpty())
            break;
        toExport = QString::number(toExport.toInt() - 1);
    }
    bench.platform().errors.clear();

    QPrinter printer(QPrinter::HighResolution);
    TQuickRep::setUpPrinter(printer);
    std::printf("inch/mm capacity edge: %s rows in preview mode, %s in export mode\n",
                qPrintable(toPreview), qPrintable(toExport));
    std::printf("%-22s %6s %6s %9s %20s %20s %20s %10s\n", "listing", "lines", "pages", "bytes",
                "export", "preview", "read+layout", "positions");
    // "12.34 ms (11.00)": the wall time's and the processor time's medians.
    const auto figure = [](const std::vector<Time>& times) {
        std::vector<double> wall, processor;
        for (const Time& time : times) {
            wall.push_back(time.wall);
            processor.push_back(time.processor);
        }
        return QString::asprintf("%8.2f ms (%6.2f)", median(wall), median(processor));
    };
    for (const Listing& listing : listings) {
        std::vector<Time> exports, previews, layouts;
        int pages = 0;
        for (int round = 0; round < rounds; ++round) {
            exports.push_back(bench.run(listing, true));
            previews.push_back(bench.run(listing, false, &pages));
            QElapsedTimer clock;
            clock.start();
            const double processor = processorMs();
            bench.layOut(listing, printer);
            layouts.push_back({clock.nsecsElapsed() / 1e6, processorMs() - processor});
        }
        const ListingDocument& document = wrench.listingDocument();
        std::printf("%-22s %6lld %6d %9lld %20s %20s %20s %10d\n", listing.name,
                    static_cast<long long>(document.lines().size()), pages,
                    static_cast<long long>(bench.fileSize(listing.file)),
                    qPrintable(figure(exports)), qPrintable(figure(previews)),
                    qPrintable(figure(layouts)), document.length());
    }
    const int previews = argc > 2 ? std::max(0, atoi(argv[2])) : 0;
    if (previews > 0) {
        const int first = std::min(10, previews);
        long afterFirst = 0;
        for (int preview = 1; preview <= previews; ++preview) {
            bench.previewShown(listings[2]);
            if (preview == first)
                afterFirst = residentKilobytes();
        }
        const long afterLast = residentKilobytes();
        std::printf("%d previews of %s: resident %ld kB after %d, %ld kB after %d "
                    "(%+.1f kB a preview)\n",
                    previews, listings[2].name, afterFirst, first, afterLast, previews,
                    previews > first ? double(afterLast - afterFirst) / (previews - first) : 0.0);
    }
    if (!bench.platform().errors.isEmpty()) {
        std::printf("unexpected error boxes: %s\n",
                    qPrintable(bench.platform().errors.join(u" | "_s)));
        return 1;
    }
    std::printf("medians over %d rounds, wall (processor); peak memory %ld kB\n", rounds,
                peakKilobytes());
    return 0;
}
