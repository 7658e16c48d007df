// What must hold after every event of the soak, whatever came before. Each check returns
// a description of the fault, or an empty text.

#include "soakdriver.h"

#include "atmosphere/atmos.h"
#include "common/error.h"
#include "common/numbertext.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "flying_hours/ledger.h"
#include "widgets/closeupcombo.h"
#include "widgets/gauge.h"
#include "widgets/trackbar.h"
#include "workbench/catalogue.h"
#include "workbench/convers.h"
#include "workbench/kerosene.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperature.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSlider>

#include <optional>
#include <utility>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

QString outside(const QString& what, int value, int lowest, int highest)
{
    if (value >= lowest && value <= highest)
        return {};
    return u"%1 at %2, outside %3 .. %4"_s.arg(what).arg(value).arg(lowest).arg(highest);
}

// The value of a total's text ("VFR  : -9 hrs 59 mn 3 lndg"): minutes and landings.
std::optional<std::pair<qint64, qint64>> valueOf(const QString& text)
{
    static const QRegularExpression pattern(u"(-?\\d+) hrs (-?\\d+) mn (-?\\d+) ?lndg$"_s);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return std::pair{match.captured(1).toLongLong() * 60 + match.captured(2).toLongLong(),
                     match.captured(3).toLongLong()};
}

} // namespace

QString SoakDriver::invariantFault() const
{
    for (const QString& fault : {mainWindowFault(), temperatureFault(), keroseneFault(),
                                 atmosphereFault(), ledgerFault()}) {
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

QString SoakDriver::mainWindowFault() const
{
    TFrmConversion& main = m_run.program->conversion();
    TValueEntry& entry = main.entry();
    const QString direction = entry.LabelFenetreEdition->text();
    if (direction != u"haut"_s && direction != u"bas"_s)
        return u"the entry direction reads \""_s + direction + u"\""_s;
    if (entry.convention() != m_run.platform.separator)
        return u"the decimal separator convention is '"_s + entry.convention() +
               u"' on a system that writes '"_s + m_run.platform.separator + u"'"_s;
    const int category = main.categoryIndex();
    if (category < 0 || category >= catalogue::CategoryCount)
        return u"no category is selected (index %1)"_s.arg(category);
    if (main.pairIndex() >= main.ComboBoxConverse->count())
        return u"the pair index %1 is past the list"_s.arg(main.pairIndex());
    // The temperature panel shows exactly while its category is current; the kerosene
    // panel shows while its category is current and may stay under the temperature panel.
    const bool temperatures = category == catalogue::Temperatures;
    if (main.Paneltemp->isHidden() == temperatures)
        return u"the temperature panel is %1 with the category %2"_s
            .arg(temperatures ? u"hidden"_s : u"shown"_s)
            .arg(category);
    const bool kerosene = !main.PanelCorrection->isHidden();
    if (kerosene != (category == catalogue::Kerosene) && !(kerosene && temperatures))
        return u"the kerosene panel is %1 with the category %2"_s
            .arg(kerosene ? u"shown"_s : u"hidden"_s)
            .arg(category);
    return {};
}

QString SoakDriver::temperatureFault() const
{
    const TTemperaturePanel& panel = *m_run.program->conversion().Paneltemp;
    const int celsius = panel.TrackBarDegCel->value();
    const int fahrenheit = panel.TrackBarDegFaar->value();
    QString fault = outside(u"the Celsius slider"_s, celsius, temperature::celsiusLowest,
                            temperature::celsiusHighest);
    if (fault.isEmpty())
        fault = outside(u"the Fahrenheit slider"_s, fahrenheit, temperature::fahrenheitLowest,
                        temperature::fahrenheitHighest);
    if (!fault.isEmpty() || !m_temperatureSetUp)
        return fault;
    // Coupled: the Celsius position is the whole conversion of the Fahrenheit position,
    // and the value labels show the positions (Fahrenheit may show the exact conversion of
    // the Celsius position when its own position did not move).
    const int coupled = temperature::wholePosition(temperature::celsiusOf(fahrenheit));
    if (celsius != coupled)
        return u"the sliders are not coupled: %1 °F with %2 °C, where %3 °C"_s.arg(fahrenheit)
            .arg(celsius)
            .arg(coupled);
    if (panel.Labelvaleurcel->text() != QString::number(celsius))
        return u"the Celsius label reads \""_s + panel.Labelvaleurcel->text() +
               u"\" with the slider at "_s + QString::number(celsius);
    const QString exact =
        numbertext::formatGeneral(temperature::fahrenheitOf(celsius), m_run.platform.separator);
    const QString far = panel.LabelvaleurFar->text();
    if (far != QString::number(fahrenheit) && far != exact)
        return u"the Fahrenheit label reads \""_s + far + u"\" with the sliders at "_s +
               QString::number(fahrenheit) + u" °F and "_s + QString::number(celsius) + u" °C"_s;
    return {};
}

QString SoakDriver::keroseneFault() const
{
    TFrmConversion& main = m_run.program->conversion();
    const TKerosenePanel& panel = *main.PanelCorrection;
    const int temperature = panel.TrackBar1->value();
    const QString fault = outside(u"the product temperature"_s, temperature,
                                  kerosene::lowestTemperature, kerosene::highestTemperature);
    if (!fault.isEmpty())
        return fault;
    const QString shown = QString::number(temperature);
    if (panel.LabelTempCorrec->text() != shown || panel.LabelTempCorrec2->text() != shown)
        return u"the product temperature reads \""_s + panel.LabelTempCorrec->text() +
               u"\" and \""_s + panel.LabelTempCorrec2->text() + u"\" with the slider at "_s +
               shown;
    const QString factor = kerosene::correctionText(temperature, main.entry().convention());
    if (panel.factorText() != factor)
        return u"the correction factor reads \""_s + panel.factorText() + u"\" at "_s + shown +
               u" °C, where \""_s + factor + u"\""_s;
    return {};
}

QString SoakDriver::atmosphereFault() const
{
    const TFrmAtmosphere& window = m_run.program->atmosphere();
    const QSlider* slider = window.TrackBarALTITUDE;
    QString fault = outside(u"the altitude slider"_s, slider->value(), -13716, 305);
    if (!fault.isEmpty())
        return fault;
    // A whole number left in an altitude edit went through the range guard.
    if (const auto metres = numbertext::tryParseInt32(window.Editaltitude->text()))
        fault = outside(u"the altitude in metres"_s, *metres, atmosphere::lowestAltitude,
                        atmosphere::highestTypedAltitude);
    if (fault.isEmpty())
        if (const auto feet = numbertext::tryParseInt32(window.Editalttudepied->text()))
            fault = outside(u"the altitude in feet"_s, *feet, -900, 44000);
    return fault;
}

QString SoakDriver::ledgerFault() const
{
    Tfrmcalculhrs& calculator = m_run.program->calculhrs();
    const TLedgerColumns& columns = calculator.columns();
    const QList<QListWidget*> lists{columns.ListBoxsymbol, columns.ListBoxhrs, columns.ListBoxmn,
                                    columns.ListBoxatt,    columns.ListBoxvfr, columns.ListBoxtext};
    for (const QListWidget* list : lists) {
        if (list->count() != columns.count() || list->currentRow() != columns.selected())
            return u"the ledger's columns are not aligned: %1 has %2 rows with row %3 selected, "
                   u"ListBoxtext %4 rows with row %5"_s.arg(list->objectName())
                       .arg(list->count())
                       .arg(list->currentRow())
                       .arg(columns.count())
                       .arg(columns.selected());
    }
    if (columns.count() < 1)
        return u"the ledger has no row"_s;
    ledger::Totals totals;
    try {
        totals = ledger::totals(columns.rows());
    } catch (const MirandelError& error) {
        return u"the ledger holds a number that does not read: "_s + error.message();
    }
    // The totals follow every change, in minutes and landings; only the reset ledger shows
    // the start texts, on the report dialog too.
    const TfrmhrsatDlg& report = m_run.program->hrsDlg();
    const QString total = calculator.Labeltotal->text();
    if (total == ledger::initialTotalText()) {
        if (!(totals.all == ledger::Total{}))
            return u"the total still reads \""_s + total + u"\" where \""_s +
                   ledger::totalText(totals.all) + u"\""_s;
        const QStringList shown{calculator.VFR->text(), calculator.IFR->text(),
                                calculator.NUIT->text(), report.StaticTextmoyenne->text()};
        if (shown != QStringList{u"VFR"_s, u"IFR"_s, u"NIGHT"_s, u"00 hrs 00mn  "_s})
            return u"beside the reset total the figures read "_s + shown.join(u", "_s);
        return {};
    }
    // The day count follows the dates, however they were changed.
    const auto days = report.DateTimePickerdebut->date().daysTo(report.DateTimePickerfin->date());
    if (report.StaticTextnjour->text() != QString::number(days))
        return u"the day count reads "_s + report.StaticTextnjour->text() + u" for dates "_s +
               QString::number(days) + u" days apart"_s;
    const QList<std::pair<const QLabel*, ledger::Total>> labels{{calculator.Labeltotal, totals.all},
                                                                {calculator.VFR, totals.vfr},
                                                                {calculator.IFR, totals.ifr},
                                                                {calculator.NUIT, totals.night}};
    for (const auto& [label, expected] : labels) {
        const auto shown = valueOf(label->text());
        if (!shown || shown != valueOf(ledger::totalText(expected)))
            return u"the total "_s + label->objectName() + u" reads \""_s + label->text() +
                   u"\" where the rows give \""_s + ledger::totalText(expected) + u"\""_s;
    }
    return {};
}

} // namespace mirandel::test
