#include "workbench/temperaturepanel.h"

#include "app/program.h"
#include "common/numbertext.h"
#include "listings/Tableau.h"
#include "listings/pubfree.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/creditlabel.h"
#include "widgets/gauge.h"
#include "widgets/picture.h"
#include "widgets/shape.h"
#include "workbench/temperature.h"
#include "workbench/thermometer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

const QString setUpTitle = u"TEMPERATURES °F<>°C"_s;

QString formula(int blanks)
{
    return u"°C=(°F-32)5/9"_s + QString(blanks, u' ') + u"°F=32+(9/5)°C"_s;
}

// The two sides mirror each other about the decorative strip.
constexpr int mirrorAxis = 541;
QRect mirrored(const QRect& left)
{
    return {mirrorAxis - left.x() - left.width(), left.y(), left.width(), left.height()};
}

// Celsius side places; the Fahrenheit side takes their mirror images.
const QRect headingPlace{16, 134, 110, 24};
const QRect fieldPlace{35, 162, 72, 28};
const QRect minusPlace{16, 200, 52, 26};
const QRect plusPlace{74, 200, 52, 26};
const QRect unitNamePlace{6, 236, 130, 16};
const QRect thermometerPlace{148, 98, 56, 212};
const QRect sliderPlace{214, 100, 30, 160};

} // namespace

TTemperaturePanel::TTemperaturePanel(QWidget* parent, Program& program)
    : TCoveringPanel(parent), m_program(program)
{
    setObjectName(u"Paneltemp"_s);
    Image2 = place<TPicture>(this, u"Image2"_s, {261, 0, 19, 332}, u":/pictures/strip.svg"_s);
    buildHeader();
    buildCelsiusSide();
    buildFahrenheitSide();
    buildCredits();
    setupSliders();
}

void TTemperaturePanel::buildHeader()
{
    auto* plate = place<TShape>(this, u"ShapeTitre"_s, {8, 42, 522, 50});
    plate->setBrushColor(QColor(0xEA, 0xE8, 0xD5));
    plate->setPenColor(Qt::gray);
    LabelTitre = place<QLabel>(this, u"LabelTitre"_s, {134, 47, 270, 20}, u"TEMPERATURES"_s);
    LabelTitre->setFont(windowkit::arial(10, true));
    LabelTitre->setAlignment(Qt::AlignCenter);
    LabelFormule = place<QLabel>(this, u"LabelFormule"_s, {10, 68, 518, 20}, formula(48));
    LabelFormule->setFont(windowkit::arial(11));
    LabelFormule->setAlignment(Qt::AlignCenter);
    windowkit::setTextColour(LabelFormule, Qt::black);
    ButtonTemperature =
        place<QPushButton>(this, u"ButtonTemperature"_s, {432, 46, 90, 22}, u"Preview"_s);
    ButtonTemperature->setToolTip(u"Editer tableau"_s);
    connect(ButtonTemperature, &QPushButton::clicked, this,
            &TTemperaturePanel::ButtonTemperatureClick);
}

void TTemperaturePanel::buildCelsiusSide()
{
    Label20 = place<QLabel>(this, u"Label20"_s, headingPlace, u"°C"_s);
    EditCelsius = place<QLineEdit>(this, u"EditCelsius"_s, fieldPlace);
    EditCelsius->setAccessibleName(u"Celsius value"_s);
    EditCelsius->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    windowkit::setBackground(EditCelsius, silver());
    Button3 = place<QPushButton>(this, u"Button3"_s, minusPlace, u"- °C"_s);
    Button4 = place<QPushButton>(this, u"Button4"_s, plusPlace, u"+ °C"_s);
    LabelUnite2 = place<QLabel>(this, u"LabelUnite2"_s, unitNamePlace, u"Degree Celsius"_s);

    ThermometerCel =
        new TThermometer(this, maroon(), u"GaugeCen"_s, u"Labelvaleurcel"_s, u"LabelUnite2Bis"_s);
    ThermometerCel->setObjectName(u"ThermometerCel"_s);
    ThermometerCel->setGeometry(thermometerPlace);
    TrackBarDegCel = place<QSlider>(this, u"TrackBarDegCel"_s, sliderPlace, Qt::Vertical);
    TrackBarDegCel->setRange(temperature::celsiusLowest, temperature::celsiusHighest);
    TrackBarDegCel->setAccessibleName(u"Degrés Celsius"_s);

    connect(Button3, &QPushButton::clicked, this, &TTemperaturePanel::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TTemperaturePanel::Button4Click);
}

void TTemperaturePanel::buildFahrenheitSide()
{
    Label21 = place<QLabel>(this, u"Label21"_s, mirrored(headingPlace), u"°F"_s);
    EditFar = place<QLineEdit>(this, u"EditFar"_s, mirrored(fieldPlace));
    EditFar->setAccessibleName(u"Fahrenheit value"_s);
    EditFar->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    windowkit::setBackground(EditFar, inactiveBorder());
    Button2 = place<QPushButton>(this, u"Button2"_s, minusPlace.translated(399, 0), u"- °F"_s);
    Button1 = place<QPushButton>(this, u"Button1"_s, plusPlace.translated(399, 0), u"+ °F"_s);
    LabelUnite1 =
        place<QLabel>(this, u"LabelUnite1"_s, mirrored(unitNamePlace), u"Degree Fahrenheit"_s);

    ThermometerFar =
        new TThermometer(this, red(), u"GaugeFar"_s, u"LabelvaleurFar"_s, u"LabelUnite1Bis"_s);
    ThermometerFar->setObjectName(u"ThermometerFar"_s);
    ThermometerFar->setGeometry(mirrored(thermometerPlace));
    TrackBarDegFaar =
        place<QSlider>(this, u"TrackBarDegFaar"_s, mirrored(sliderPlace), Qt::Vertical);
    TrackBarDegFaar->setRange(temperature::fahrenheitLowest, temperature::fahrenheitHighest);
    TrackBarDegFaar->setAccessibleName(u"Degrés Fahrenheit"_s);

    connect(Button1, &QPushButton::clicked, this, &TTemperaturePanel::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTemperaturePanel::Button2Click);
}

void TTemperaturePanel::buildCredits()
{
    Label18 = place<TCreditLabel>(this, u"Label18"_s, {8, 314, 250, 14},
                                  u"Application offerte par  TALMORE"_s);
    Label8 = place<TCreditLabel>(this, u"Label8"_s, {283, 314, 250, 14}, u"BELVANE PRODUCTION"_s);
    for (TCreditLabel* label : {Label8, Label18})
        label->setToolTip(u"A propos"_s);
    connect(Label8, &TCreditLabel::clicked, this, &TTemperaturePanel::Label8Click);
    connect(Label18, &TCreditLabel::clicked, this, &TTemperaturePanel::Label18Click);
}

void TTemperaturePanel::setupSliders()
{
    for (QLabel* heading : {Label20, Label21}) {
        heading->setFont(windowkit::arial(14, true));
        heading->setAlignment(Qt::AlignCenter);
        windowkit::setTextColour(heading, navy());
    }
    for (QLineEdit* field : {EditCelsius, EditFar}) {
        field->setFont(windowkit::arial(12, true));
        field->installEventFilter(this);
    }
    for (QLabel* name : {LabelUnite1, LabelUnite2})
        name->setAlignment(Qt::AlignCenter);
    for (TThermometer* thermometer : {ThermometerCel, ThermometerFar}) {
        thermometer->setRange(temperature::gaugeLowest, temperature::gaugeHighest);
        thermometer->setTicks(100, 500);
        thermometer->gauge()->setProgress(15);
        thermometer->valueLabel()->setText(u"0"_s);
    }
    GaugeCen = ThermometerCel->gauge();
    GaugeFar = ThermometerFar->gauge();
    GaugeCen->setAccessibleName(u"Thermometer °C"_s);
    GaugeFar->setAccessibleName(u"Thermometer °F"_s);
    Labelvaleurcel = ThermometerCel->valueLabel();
    LabelvaleurFar = ThermometerFar->valueLabel();
    LabelUnite2Bis = ThermometerCel->unitLabel();
    LabelUnite1Bis = ThermometerFar->unitLabel();
    LabelUnite2Bis->setText(u"°C"_s);
    LabelUnite1Bis->setText(u"°F"_s);

    for (QSlider* slider : {TrackBarDegCel, TrackBarDegFaar}) {
        slider->setTickPosition(QSlider::NoTicks);
        slider->setValue(0);
        slider->installEventFilter(this);
    }
    // Connected once the sliders stand at 0, so building the panel runs no change.
    connect(TrackBarDegFaar, &QSlider::valueChanged, this,
            &TTemperaturePanel::TrackBarDegFaarChange);
    connect(TrackBarDegCel, &QSlider::valueChanged, this, &TTemperaturePanel::TrackBarDegCelChange);
}

void TTemperaturePanel::setupFromCategoryList()
{
    LabelTitre->setText(setUpTitle);
    TrackBarDegFaar->setValue(50);
    TrackBarDegCel->setValue(21);
}

void TTemperaturePanel::setupFromToolbar()
{
    LabelTitre->setText(setUpTitle);
    LabelFormule->setText(formula(52));
    LabelUnite1->setText(u"Degrés Fahrenheit"_s);
    LabelUnite2->setText(u"Degrés Celsius"_s);
    LabelUnite1Bis->setText(u"°F"_s);
    LabelUnite2Bis->setText(u"°C"_s);
    TrackBarDegFaar->setValue(50);
    TrackBarDegCel->setValue(21);
}

void TTemperaturePanel::focusCelsiusSlider()
{
    TrackBarDegCel->setFocus(Qt::OtherFocusReason);
}

void TTemperaturePanel::TrackBarDegFaarChange(int fahrenheit)
{
    GaugeFar->setProgress(fahrenheit);
    LabelvaleurFar->setText(QString::number(fahrenheit));
    const int celsius = temperature::wholePosition(temperature::celsiusOf(fahrenheit));
    Labelvaleurcel->setText(QString::number(celsius));
    TrackBarDegCel->setValue(celsius);
    showValuesInFields();
}

void TTemperaturePanel::TrackBarDegCelChange(int celsius)
{
    GaugeCen->setProgress(celsius);
    Labelvaleurcel->setText(QString::number(celsius));
    m_program.pub().setListingRange(QString::number(celsius), QString::number(celsius + 1000),
                                    u"10"_s);
    const double fahrenheit = temperature::fahrenheitOf(celsius);
    LabelvaleurFar->setText(
        numbertext::formatGeneral(fahrenheit, m_program.platform().decimalSeparator()));
    const int wanted = temperature::wholePosition(fahrenheit);
    TrackBarDegFaar->setValue(wanted);
    if (wanted < TrackBarDegFaar->minimum() || wanted > TrackBarDegFaar->maximum()) {
        // The Fahrenheit slider is held at an end of its range, maybe without moving: the
        // Celsius slider comes back to that end's value instead of resting beyond it
        // (below -240 °C it would read colder than absolute zero).
        TrackBarDegCel->setValue(
            temperature::wholePosition(temperature::celsiusOf(TrackBarDegFaar->value())));
    }
    showValuesInFields();
}

bool TTemperaturePanel::typingIn(const QLineEdit* field) const
{
    return window()->focusWidget() == field;
}

void TTemperaturePanel::showValuesInFields()
{
    if (!typingIn(EditFar))
        EditFar->setText(LabelvaleurFar->text());
    if (!typingIn(EditCelsius))
        EditCelsius->setText(Labelvaleurcel->text());
}

void TTemperaturePanel::Button1Click()
{
    TrackBarDegFaar->setValue(TrackBarDegFaar->value() + 1);
}

void TTemperaturePanel::Button2Click()
{
    TrackBarDegFaar->setValue(TrackBarDegFaar->value() - 1);
}

void TTemperaturePanel::Button3Click()
{
    TrackBarDegCel->setValue(TrackBarDegCel->value() - 1);
}

void TTemperaturePanel::Button4Click()
{
    TrackBarDegCel->setValue(TrackBarDegCel->value() + 1);
}

void TTemperaturePanel::ButtonTemperatureClick()
{
    TWinControlForm1& reports = m_program.reports();
    TWinControlForm1::setCaption(reports.QRLabelCol1, u"Conversion: °F en °C "_s);
    TWinControlForm1::setCaption(reports.QRLabelCol2, u"Conversion: C° en F° "_s);
    TWinControlForm1::setCaption(reports.QRLabelInfo, LabelTitre->text());
    TWinControlForm1::setCaption(reports.QRLabel1, QString());
    reports.setFill(QColor(0xFF, 0xB7, 0xB7));

    TPub& pub = m_program.pub();
    pub.showRangePanel(true);
    pub.setTitle(LabelTitre->text());
    pub.exec();
}

void TTemperaturePanel::Label8Click()
{
    m_program.platform().shellOpen(m_program.homePage());
}

void TTemperaturePanel::Label18Click()
{
    m_program.platform().shellOpen(m_program.sponsorPage());
}

} // namespace mirandel
