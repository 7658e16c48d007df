#include "filefaultroutes.h"

#include "../flying_hours/calculatorfixture.h"

#include "atmosphere/atmos.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "listings/pubfree.h"
#include "report/printpreview.h"
#include "workbench/convers.h"
#include "workbench/temperaturepanel.h"
#include "wrench/cleangl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

struct Range
{
    QString from, to, step;
};

// Runs `act`; a preview that opens meanwhile is handed to `inPreview` and then closed with
// its button. Returns whether one opened.
bool withPreview(const std::function<void()>& act,
                 const std::function<void(TPrintPreview*)>& inPreview = {})
{
    bool previewed = false;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        auto* preview = qobject_cast<TPrintPreview*>(QApplication::activeModalWidget());
        // Once it is active, as for a user; one that never becomes active after a second.
        if (!preview || (!preview->isActiveWindow() && ++ticks < 100))
            return;
        timer.stop();
        previewed = true;
        if (inPreview)
            inPreview(preview);
        QTest::mouseClick(preview->CloseButton, Qt::LeftButton);
    });
    timer.start();
    act();
    return previewed;
}

// The listing range window opened by `command`: the range typed, the output chosen, Apply.
Outcome throughListingRange(Running& run, const std::function<void()>& command, const Range& range,
                            bool exportMode, const Decisive& decisive,
                            const std::function<void(TPrintPreview*)>& inPreview = {})
{
    Outcome outcome;
    TPub& pub = run.program->pub();
    whenModalOpens([&](QWidget* modal) {
        if (modal != &pub)
            return;
        outcome.reached = true;
        pub.setListingRange(range.from, range.to, range.step);
        QTest::mouseClick(exportMode ? pub.RadioButton2 : pub.RadioButton1, Qt::LeftButton);
        outcome.previewed = withPreview(
            [&] { decisive([&] { QTest::mouseClick(pub.Button2, Qt::LeftButton); }); }, inPreview);
        outcome.issuerOpen = pub.isVisible();
        if (pub.isVisible())
            pub.reject();
    });
    command();
    return outcome;
}

Outcome atmosphereListing(Running& run, bool exportMode, const Decisive& decisive)
{
    TFrmAtmosphere& atmosphere = run.program->atmosphere();
    Outcome outcome;
    whenModalOpens([&](QWidget* modal) {
        if (modal != &atmosphere)
            return;
        outcome = throughListingRange(
            run, [&] { QTest::mouseClick(atmosphere.ButtonTemperature, Qt::LeftButton); },
            {u"-305"_s, u"13716"_s, u"150"_s}, exportMode, decisive);
        atmosphere.close();
    });
    run.program->conversion().findChild<QAction*>(u"abledamospherestandard1"_s)->trigger();
    return outcome;
}

Outcome wrenchListing(Running& run, bool exportMode, const Decisive& decisive)
{
    Outcome outcome;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmcleDlg*>(modal);
        if (!dialog)
            return;
        outcome.reached = true;
        QTest::mouseClick(exportMode ? dialog->RadioButton3 : dialog->RadioButton2, Qt::LeftButton);
        outcome.previewed = withPreview(
            [&] { decisive([&] { QTest::mouseClick(dialog->ButtonValide, Qt::LeftButton); }); });
        outcome.issuerOpen = dialog->isVisible();
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mouseClick(run.program->conversion().ToolButton3, Qt::LeftButton);
    return outcome;
}

Outcome hoursReport(Running& run, bool exportMode, const Decisive& decisive)
{
    Outcome outcome;
    TfrmhrsatDlg& report = run.program->hrsDlg();
    withCalculator(run, [&](Tfrmcalculhrs& calculator) {
        // Typed hours format the row: the report reads the same whether the ledger starts
        // afresh or after the reset that closing the calculator makes.
        type(&calculator, u"15"_s);
        whenShown(&report, [&] {
            reactivate(&report);
            outcome.reached = true;
            QTest::mouseClick(exportMode ? report.RadioButton2 : report.RadioButton1,
                              Qt::LeftButton);
            outcome.previewed = withPreview([&] { decisive([&] { click(report.ButtonValide); }); });
            outcome.issuerOpen = report.isVisible();
            if (report.isVisible())
                report.reject();
        });
        click(calculator.Button1);
    });
    return outcome;
}

// "Save Report" in the preview of a conversion listing: the name typed in the file dialog,
// Enter, and "Yes" when the dialog asks whether to replace an earlier file.
Outcome reportPdf(Running& run, const QString& folder, const Decisive& decisive)
{
    const QString path = QDir(folder).filePath(u"report.pdf"_s);
    Outcome outcome;
    const auto save = [&](TPrintPreview* preview) {
        outcome.reached = true;
        decisive([&] {
            whenModalOpens([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (!dialog)
                    return;
                auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
                name->setFocus();
                name->selectAll();
                QTest::keyClicks(name, path);
                if (QFileInfo(path).isFile())
                    whenModalOpens([](QWidget* box) {
                        if (auto* question = qobject_cast<QMessageBox*>(box))
                            QTest::mouseClick(question->button(QMessageBox::Yes), Qt::LeftButton);
                    });
                QTest::keyClick(name, Qt::Key_Return);
                // A name held by a folder opens that folder instead.
                outcome.refused = dialog->isVisible();
                if (outcome.refused)
                    dialog->reject();
            });
            preview->SaveReport->trigger();
            // The same name, had it become a folder only after the dialog took it.
            if (outcome.refused)
                preview->saveReport(path);
        });
        outcome.issuerOpen = preview->isVisible();
    };
    TFrmConversion& main = run.program->conversion();
    QTest::mouseClick(main.ToolButton5, Qt::LeftButton); // lengths: inch / mm
    const Outcome listing = throughListingRange(
        run, [&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); },
        {u"1"_s, u"150"_s, u"1"_s}, false, [](const std::function<void()>& step) { step(); }, save);
    outcome.reached = outcome.reached && listing.reached && listing.previewed;
    return outcome;
}

} // namespace

WriterInfo describe(Writer writer)
{
    switch (writer) {
    case Writer::ConversionPreview:
        return {"conversion preview", u"conversion.rtf"_s, true};
    case Writer::ConversionExport:
        return {"conversion export", u"conversion.rtf"_s, false, true};
    case Writer::KeroseneExport:
        return {"kerosene export", u"conversion.rtf"_s, false, true};
    case Writer::TemperaturePreview:
        return {"temperature preview", u"conversion.rtf"_s, true};
    case Writer::TemperatureExport:
        return {"temperature export", u"conversion.rtf"_s, false, true};
    case Writer::AtmospherePreview:
        return {"atmosphere preview", u"atmospheres.rtf"_s, true};
    case Writer::AtmosphereExport:
        return {"atmosphere export", u"atmospheres.csv"_s, false, false, true};
    case Writer::WrenchPreview:
        return {"wrench preview", u"cle_us_uk.rtf"_s, true};
    case Writer::WrenchExport:
        return {"wrench export", u"cle_us_uk.rtf"_s, false, true};
    case Writer::HoursPreview:
        return {"hours preview", u"hrsvol.rtf"_s, true};
    case Writer::HoursExport:
        return {"hours export", u"hrsvol.rtf"_s, false, true};
    case Writer::ReportPdf:
        return {"report PDF", u"report.pdf"_s, false, false, false, false};
    }
    return {};
}

Outcome drive(Running& run, Writer writer, const QString& folder, const Decisive& decisive)
{
    TFrmConversion& main = run.program->conversion();
    const auto conversion = [&](QToolButton* category, const Range& range, bool exportMode) {
        QTest::mouseClick(category, Qt::LeftButton);
        return throughListingRange(
            run, [&] { QTest::mouseClick(main.ButtonTableau, Qt::LeftButton); }, range, exportMode,
            decisive);
    };
    const auto temperature = [&](bool exportMode) {
        QTest::mouseClick(main.ToolButton6, Qt::LeftButton);
        return throughListingRange(
            run, [&] { QTest::mouseClick(main.Paneltemp->ButtonTemperature, Qt::LeftButton); },
            {u"-40"_s, u"150"_s, u"1"_s}, exportMode, decisive);
    };
    switch (writer) {
    case Writer::ConversionPreview:
        return conversion(main.ToolButton5, {u"1"_s, u"150"_s, u"1"_s}, false);
    case Writer::ConversionExport:
        return conversion(main.ToolButton5, {u"1"_s, u"150"_s, u"1"_s}, true);
    case Writer::KeroseneExport:
        return conversion(main.ToolButton4, {u"1000"_s, u"1100"_s, u"1"_s}, true);
    case Writer::TemperaturePreview:
        return temperature(false);
    case Writer::TemperatureExport:
        return temperature(true);
    case Writer::AtmospherePreview:
        return atmosphereListing(run, false, decisive);
    case Writer::AtmosphereExport:
        return atmosphereListing(run, true, decisive);
    case Writer::WrenchPreview:
        return wrenchListing(run, false, decisive);
    case Writer::WrenchExport:
        return wrenchListing(run, true, decisive);
    case Writer::HoursPreview:
        return hoursReport(run, false, decisive);
    case Writer::HoursExport:
        return hoursReport(run, true, decisive);
    case Writer::ReportPdf:
        return reportPdf(run, folder, decisive);
    }
    return {};
}

} // namespace mirandel::test
