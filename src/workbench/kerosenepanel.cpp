#include "workbench/kerosenepanel.h"

#include "app/program.h"
#include "platform/guard.h"
#include "platform/windowkit.h"
#include "widgets/gauge.h"
#include "widgets/shape.h"
#include "widgets/trackbar.h"
#include "workbench/convers.h"
#include "workbench/kerosene.h"
#include "workbench/thermometer.h"
#include "workbench/valueentry.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

// The thermometer reaches past the hottest product temperature, so its bar is never full.
constexpr int gaugeHighest = 45;

QColor plateColour()
{
    return {0xEA, 0xE8, 0xD5};
}

// A white inset behind a readout, as on an instrument face.
void inset(QWidget* panel, const QRect& place)
{
    auto* shape = windowkit::place<TShape>(panel, QString(), place);
    shape->setBrushColor(Qt::white);
    shape->setPenColor(QColor(0xA0, 0xA0, 0xA0));
    shape->setRadius(4);
}

} // namespace

TKerosenePanel::TKerosenePanel(QWidget* parent, Program& program)
    : TCoveringPanel(parent), ComboBoxCoefCorrection(kerosene::correctionList(u',')),
      ComboBoxCoefCorrection2(kerosene::correctionList(u'.')), m_program(program)
{
    setObjectName(u"PanelCorrection"_s);
    Label9 = place<QLabel>(this, u"Label9"_s, {8, 3, 162, 38},
                           u"1litre = 1,76368 Lbs"_s + QString(10, u' ') +
                               u"1Lb = 0.56699 litre à 15°c  "_s);
    Label9->setFont(windowkit::arial(10));
    Label9->setWordWrap(true);
    buildReadouts();
    buildSlider();
    buildThermometer();
}

void TKerosenePanel::buildReadouts()
{
    Label7 = place<QLabel>(this, u"Label7"_s, {8, 46, 110, 16}, u"product temperature"_s);
    inset(this, {120, 43, 52, 22});
    LabelTempCorrec = place<QLabel>(this, u"LabelTempCorrec"_s, {122, 43, 28, 22},
                                    QString::number(kerosene::defaultTemperature));
    LabelTempCorrec->setFont(windowkit::arial(12, true));
    LabelTempCorrec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label13 = place<QLabel>(this, u"Label13"_s, {152, 43, 18, 22}, u"°C"_s);
    Label13->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Label14 = place<QLabel>(this, u"Label14"_s, {8, 100, 180, 14}, u"Correction factor"_s);
    QFont bold = Label14->font();
    bold.setBold(true);
    Label14->setFont(bold);
    Label15 = place<QLabel>(this, u"Label15"_s, {8, 118, 120, 20}, u"following tables ASTM ="_s);
    inset(this, {128, 116, 62, 24});
    LabelFctCorrec = place<QLabel>(this, u"LabelFctCorrec"_s, {128, 116, 62, 24},
                                   kerosene::correctionText(kerosene::defaultTemperature, u','));
    LabelFctCorrec->setFont(windowkit::arial(12, true));
    LabelFctCorrec->setAlignment(Qt::AlignCenter);
    Label12 = place<QLabel>(this, u"Label12"_s, {8, 144, 182, 14}, u"  Norme ISO N91/1   "_s);
    windowkit::setTextColour(Label12, QColor(0x6B, 0x72, 0x80));
}

void TKerosenePanel::buildSlider()
{
    BitBtn1 = place<QPushButton>(this, u"BitBtn1"_s, {6, 69, 32, 24}, u"-T°"_s);
    BitBtn2 = place<QPushButton>(this, u"BitBtn2"_s, {160, 69, 32, 24}, u"+T°"_s);
    TrackBar1 = place<TTrackBar>(this, u"TrackBar1"_s, {40, 66, 118, 30});
    TrackBar1->setRange(kerosene::lowestTemperature, kerosene::highestTemperature);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(4);
    TrackBar1->setPageStep(4);
    TrackBar1->setValue(kerosene::defaultTemperature);
    TrackBar1->setSelection(kerosene::defaultTemperature, kerosene::lowestTemperature);
    TrackBar1->setAccessibleName(u"product temperature"_s);
    connect(TrackBar1, &QSlider::valueChanged, this, &TKerosenePanel::TrackBar1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TKerosenePanel::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TKerosenePanel::BitBtn2Click);
}

void TKerosenePanel::buildThermometer()
{
    Thermometer1 = new TThermometer(this, QColor(0xFF, 0x00, 0x00), u"Gauge1"_s,
                                    u"LabelTempCorrec2"_s, u"Label16"_s);
    Thermometer1->setObjectName(u"Thermometer1"_s);
    Thermometer1->setGeometry(197, 5, 40, 152);
    Thermometer1->setRange(kerosene::lowestTemperature, gaugeHighest);
    Thermometer1->setTicks(5, 10);
    Gauge1 = Thermometer1->gauge();
    Gauge1->setAccessibleName(u"Product temperature °C"_s);
    Gauge1->setProgress(kerosene::defaultTemperature);
    LabelTempCorrec2 = Thermometer1->valueLabel();
    LabelTempCorrec2->setText(QString::number(kerosene::defaultTemperature));
    Label16 = Thermometer1->unitLabel();
    Label16->setText(u"°c"_s);
}

QString TKerosenePanel::factorText() const
{
    return LabelFctCorrec->text();
}

int TKerosenePanel::productTemperature() const
{
    return TrackBar1->value();
}

void TKerosenePanel::showInitialFactor(QChar convention)
{
    LabelFctCorrec->setText(kerosene::correctionText(kerosene::defaultTemperature, convention));
}

void TKerosenePanel::showFactor(QChar convention)
{
    const int index = productTemperature() - kerosene::lowestTemperature;
    if (convention == u',')
        LabelFctCorrec->setText(ComboBoxCoefCorrection.at(index));
    else if (convention == u'.')
        LabelFctCorrec->setText(ComboBoxCoefCorrection2.at(index));
    else // a separator that is neither: the entry written with it, as the lookup reads it
        LabelFctCorrec->setText(kerosene::correctionText(productTemperature(), convention));
}

void TKerosenePanel::TrackBar1Change(int temperature)
{
    Gauge1->setProgress(temperature);
    TrackBar1->setSelection(temperature, kerosene::lowestTemperature);
    LabelTempCorrec2->setText(QString::number(temperature));
    LabelTempCorrec->setText(QString::number(temperature));
    TValueEntry& entry = m_program.conversion().entry();
    showFactor(entry.convention());
    guarded(m_program.platform(), window(), [&] { entry.calculer(); });
}

void TKerosenePanel::BitBtn1Click()
{
    if (TrackBar1->value() >= kerosene::lowestTemperature + 1)
        TrackBar1->setValue(TrackBar1->value() - 1);
}

void TKerosenePanel::BitBtn2Click()
{
    if (TrackBar1->value() < kerosene::highestTemperature)
        TrackBar1->setValue(TrackBar1->value() + 1);
}

void TKerosenePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1.0));
    painter.setBrush(plateColour());
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

} // namespace mirandel
