#include "listings/generators.h"

#include "app/program.h"
#include "common/error.h"
#include "common/numbertext.h"
#include "common/rounding.h"
#include "listings/Tableau.h"
#include "listings/listingrows.h"
#include "listings/pubfree.h"
#include "platform/platform.h"
#include "workbench/catalogue.h"
#include "workbench/convers.h"
#include "workbench/kerosenepanel.h"
#include "workbench/valueentry.h"
#include "wrench/cleangl.h"

#include <QLabel>
#include <QLineEdit>

namespace mirandel {

using namespace Qt::StringLiterals;
using catalogue::Direction;

namespace {

// A field of the listing range window as a whole number: the conversion listing takes
// the nearest one of a decimal text, the other listings want whole-number text.
qint64 nearestWhole(const QLineEdit* field, QChar separator)
{
    return rounding::toInt64(numbertext::parseFloat(field->text(), separator));
}

qint64 whole(const QLineEdit* field)
{
    return numbertext::parseInt32(field->text());
}

} // namespace

void ListingGenerators::conversion()
{
    TPub& pub = m_program.pub();
    TFrmConversion& main = m_program.conversion();
    TWinControlForm1& reports = m_program.reports();
    Platform& platform = m_program.platform();
    const QChar separator = platform.decimalSeparator();

    listingrows::ConversionInputs inputs;
    inputs.range = {nearestWhole(pub.Edit1, separator), nearestWhole(pub.Edit2, separator),
                    nearestWhole(pub.Edit3, separator)};
    inputs.title = pub.title();
    inputs.imperialLabel = main.LabelSaisieAnglo->text();
    inputs.metricLabel = main.LabelsaisieMet->text();
    inputs.exportMode = pub.exportMode();
    inputs.separator = separator;

    const int category = main.categoryIndex();
    const int pair = main.pairIndex();
    TKerosenePanel& kerosene = *main.PanelCorrection;
    const bool isKerosene = category == catalogue::Kerosene;
    inputs.factors = [&, category, pair, isKerosene] {
        if (isKerosene)
            kerosene.showFactor(main.entry().convention());
        const QString correction = kerosene.factorText();
        const auto toMetric =
            catalogue::lookupFactor(category, pair, Direction::Haut, correction, separator);
        const auto toImperial =
            catalogue::lookupFactor(category, pair, Direction::Bas, correction, separator);
        // Text typed by hand into the pair box leaves no pair, hence no factors: a listing
        // of empty results would help nobody.
        if (!toMetric || !toImperial)
            throw MirandelError(u"Aucune conversion choisie : choisissez une paire d'unités "
                                u"dans la liste."_s);
        return listingrows::PairFactors{toMetric->factor, toImperial->factor};
    };

    reports.empty(reports.QuickRepTableau1);
    if (isKerosene) {
        inputs.correctionLine =
            listingrows::correctionLine(kerosene.LabelTempCorrec->text(), kerosene.factorText());
        TWinControlForm1::setCaption(reports.QRLabelInfo, inputs.correctionLine);
    }
    ListingDocument& document = m_program.cleDlg().listingDocument();
    listingrows::writeConversion(document, inputs);
    deliver(reports.QuickRepTableau1, u"conversion.rtf"_s, inputs.exportMode);
}

void ListingGenerators::temperature()
{
    TPub& pub = m_program.pub();
    TWinControlForm1& reports = m_program.reports();
    ListingDocument& document = m_program.cleDlg().listingDocument();
    const bool exportMode = pub.exportMode();

    document.clear();
    reports.empty(reports.QuickRepTableau1);
    listingrows::Range range{whole(pub.Edit1), 0, 0};
    if (range.from < listingrows::lowestFahrenheit) {
        range.from = listingrows::lowestFahrenheit;
        pub.Edit1->setText(QString::number(range.from));
    }
    range.step = whole(pub.Edit3);
    range.to = whole(pub.Edit2);
    listingrows::writeTemperature(document, range, exportMode,
                                  m_program.platform().decimalSeparator());
    deliver(reports.QuickRepTableau1, u"conversion.rtf"_s, exportMode);
}

void ListingGenerators::atmosphere()
{
    TPub& pub = m_program.pub();
    TWinControlForm1& reports = m_program.reports();
    TfrmcleDlg& store = m_program.cleDlg();
    Platform& platform = m_program.platform();

    reports.empty(reports.QuickRepTableau2);
    const listingrows::Range range{whole(pub.Edit1), whole(pub.Edit2), whole(pub.Edit3)};
    listingrows::writeAtmosphere(store.listingDocument(), store.exportBuffer(), range,
                                 platform.decimalSeparator());
    if (pub.exportMode())
        store.exportBuffer().saveText(platform, u"atmospheres.csv"_s);
    else
        deliver(reports.QuickRepTableau2, u"atmospheres.rtf"_s, false);
}

void ListingGenerators::deliver(TQuickRep* page, const QString& fileName, bool exportMode)
{
    m_program.cleDlg().listingDocument().saveRichText(m_program.platform(), fileName);
    if (!exportMode)
        m_program.reports().previewOnPage(page, fileName);
}

} // namespace mirandel
