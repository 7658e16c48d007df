// The controls of the atmosphere window, panel by panel: the slider column on the left,
// the results at the top centre, the altitude entry at the bottom centre, the pressure
// gauge at the top right and the temperatures at the bottom right.

#include "atmosphere/atmos.h"

#include "platform/windowkit.h"
#include "widgets/gauge.h"
#include "widgets/picture.h"
#include "widgets/shape.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <iterator>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

QFont altitudeFont()
{
    QFont font = windowkit::arial(8, true);
    font.setPixelSize(16);
    return font;
}

TShape* panel(QWidget* window, const QString& name, QRect geometry, const QColor& fill)
{
    auto* shape = place<TShape>(window, name, geometry);
    shape->setBrushColor(fill);
    shape->setPenColor(QColor(0x6B, 0x72, 0x80));
    shape->setRadius(10);
    return shape;
}

QPushButton* button(QWidget* window, const QString& name, QRect geometry, const QString& text)
{
    auto* pushButton = place<QPushButton>(window, name, geometry, text);
    pushButton->setFocusPolicy(Qt::StrongFocus);
    // No default button: Enter clicks a button only when it has the focus (keyPressEvent).
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

QLabel* TFrmAtmosphere::label(const QString& name, QRect geometry, const QString& text)
{
    auto* created = place<QLabel>(this, name, geometry, text);
    created->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return created;
}

QLineEdit* TFrmAtmosphere::resultBox(const QString& name, QRect geometry, const QString& text)
{
    auto* box = place<QLineEdit>(this, name, geometry, text);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFont(windowkit::arial(9));
    return box;
}

void TFrmAtmosphere::greekSymbol(QLabel* beside, const QString& name, const QString& symbol)
{
    // The symbol is centred in the blanks that follow the opening bracket of its label.
    const QString text = beside->text();
    const qsizetype open = text.indexOf(u'(') + 1;
    qsizetype end = open;
    while (end < text.size() && text.at(end) == u' ')
        ++end;
    const QFontMetrics metrics(beside->font());
    const int gapStart = metrics.horizontalAdvance(text.left(open));
    const int gapEnd = metrics.horizontalAdvance(text.left(end));
    const int width = std::max(gapEnd - gapStart, metrics.horizontalAdvance(symbol) + 2);
    const int centre = beside->x() + (gapStart + gapEnd) / 2;
    auto* created = place<QLabel>(
        this, name, {centre - width / 2, beside->y(), width, beside->height()}, symbol);
    created->setFont(beside->font());
    created->setAlignment(Qt::AlignCenter);
}

void TFrmAtmosphere::buildEntry()
{
    panel(this, u"ShapeSaisie"_s, {116, 208, 318, 151}, QColor(0xE6, 0xEC, 0xF3));
    auto* heading = label(u"LabelAltitude"_s, {128, 214, 150, 20}, u"Altitude "_s);
    heading->setFont(windowkit::arial(10, true));
    windowkit::setTextColour(heading, QColor(0x1F, 0x3A, 0x5F));

    Buttonterminer = button(this, u"Buttonterminer"_s, {336, 276, 86, 28}, u"Cancel"_s);
    ButtonTemperature = button(this, u"ButtonTemperature"_s, {336, 242, 86, 28}, u"Listing"_s);
    ButtonTemperature->setToolTip(u"Tableau  atmosphere standard"_s);

    label(u"LabelMetre"_s, {128, 242, 48, 28}, u"Metre"_s);
    Editaltitude = place<QLineEdit>(this, u"Editaltitude"_s, {178, 242, 146, 28}, u"0 m"_s);
    Editaltitude->setFont(altitudeFont());
    Editaltitude->setAccessibleName(u"Altitude in metres"_s);
    windowkit::setBackground(Editaltitude, skyBlue());

    label(u"LabelFeet"_s, {128, 276, 48, 28}, u"Feet"_s);
    Editalttudepied = place<QLineEdit>(this, u"Editalttudepied"_s, {178, 276, 146, 28}, u"0 ft "_s);
    Editalttudepied->setFont(altitudeFont());
    Editalttudepied->setAccessibleName(u"Altitude in feet"_s);
    for (QLineEdit* edit : {Editaltitude, Editalttudepied})
        edit->setAcceptDrops(false);
    Editalttudepied->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    windowkit::setBackground(Editalttudepied, inactiveBorder());

    auto* maker = label(u"LabelAuteur"_s, {128, 332, 294, 16}, u"BELVANE PRODUCTION"_s);
    maker->setAlignment(Qt::AlignCenter);
    maker->setToolTip(u"A propos"_s);
    windowkit::setTextColour(maker, QColor(0x80, 0x80, 0x80));
}

void TFrmAtmosphere::buildResults()
{
    panel(this, u"ShapeResultats"_s, {116, 6, 318, 196}, QColor(0xFA, 0xFB, 0xFD));
    struct Row
    {
        QString labelName;
        QString caption;
        QString boxName;
        QString initial;
        QString symbolName;
        QString symbol;
    };
    const Row rows[] = {
        {u"LabelVitesse"_s, u"Speed of sound:"_s, u"Editvitesse"_s, u"662 Kt"_s, {}, {}},
        {u"LabelRapport"_s, u"Report/Ration of pressure : (    = P/Po )"_s, u"Editrapport"_s,
         u"1,0002"_s, u"LabelSymboleRapport"_s, u"δ"_s},
        {u"LabelMasse"_s, u"Masse volumique:   (    ) __"_s, u"Editmasse"_s, u"1,2259"_s,
         u"LabelSymboleMasse"_s, u"ρ"_s},
        {u"LabelDensite"_s, u"Relative density :(                 )  _"_s, u"Editdensite"_s,
         u"1,0007"_s, u"LabelSymboleDensite"_s, u"σ = ρ/ρo"_s},
        {u"LabelRacine"_s, u"Sqare rot of: (      )  __"_s, u"Editracinede"_s, u"1,0003"_s,
         u"LabelSymboleRacine"_s, u"√σ"_s},
    };
    QLineEdit** boxes[] = {&Editvitesse, &Editrapport, &Editmasse, &Editdensite, &Editracinede};
    const QString spoken[] = {u"Speed of sound"_s, u"Pressure ratio"_s, u"Density"_s,
                              u"Relative density"_s, u"Square root of the relative density"_s};
    int y = 18;
    for (size_t i = 0; i < std::size(rows); ++i, y += 35) {
        const Row& row = rows[i];
        QLabel* caption = label(row.labelName, {128, y, 200, 24}, row.caption);
        *boxes[i] = resultBox(row.boxName, {330, y, 94, 24}, row.initial);
        (*boxes[i])->setAccessibleName(spoken[i]);
        if (!row.symbol.isEmpty())
            greekSymbol(caption, row.symbolName, row.symbol);
    }
}

void TFrmAtmosphere::buildAltitudeColumn()
{
    panel(this, u"ShapeAltitude"_s, {6, 6, 104, 353}, skyBlue());
    for (QLabel* scale : {label(u"LabelAltitudeHaut"_s, {10, 8, 96, 18}, u"13716 m"_s),
                          label(u"LabelAltitudeBas"_s, {10, 339, 96, 18}, u"- 305 m"_s)}) {
        scale->setAlignment(Qt::AlignCenter);
        scale->setFont(windowkit::arial(8, true));
        windowkit::setTextColour(scale, navy());
    }
    ButtonMoins = button(this, u"ButtonMoins"_s, {22, 28, 48, 22}, u"+ 10"_s);
    ButtonPlus = button(this, u"ButtonPlus"_s, {22, 315, 48, 22}, u"- 10"_s);

    TrackBarALTITUDE = place<QSlider>(this, u"TrackBarALTITUDE"_s, {22, 54, 48, 257});
    TrackBarALTITUDE->setOrientation(Qt::Vertical);
    TrackBarALTITUDE->setAccessibleName(u"Altitude"_s);
    TrackBarALTITUDE->setRange(-13716, 305);
    TrackBarALTITUDE->setSingleStep(1);
    TrackBarALTITUDE->setPageStep(1);
    TrackBarALTITUDE->setValue(0);
    // The position is minus the altitude: the minimum is at the top, and the up keys
    // lower the position, so they climb.
    TrackBarALTITUDE->setInvertedAppearance(true);
    TrackBarALTITUDE->setInvertedControls(true);
    TrackBarALTITUDE->setTickPosition(QSlider::TicksLeft);
    TrackBarALTITUDE->setTickInterval(1000);
    TrackBarALTITUDE->setFocusPolicy(Qt::StrongFocus);

    Gaugealtitude = place<TGauge>(this, u"Gaugealtitude"_s, {78, 58, 18, 249});
    Gaugealtitude->setRange(-305, 13716);
    Gaugealtitude->setProgress(15);
    Gaugealtitude->setForeColor(navy());
    Gaugealtitude->setBackColor(Qt::white);
    Gaugealtitude->setAccessibleName(u"Altitude m"_s);
}

void TFrmAtmosphere::buildPressure()
{
    panel(this, u"ShapePression"_s, {440, 6, 171, 196}, QColor(0xD3, 0xD3, 0xD3));
    auto* heading = label(u"LabelPression"_s, {448, 10, 155, 18}, u"Pressure"_s);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(windowkit::arial(10, true));
    windowkit::setTextColour(heading, QColor(0x1F, 0x3A, 0x5F));
    place<TPicture>(this, u"ImagePression"_s, {452, 9, 20, 20}, u":/icons/pressure.svg"_s);

    Gaugepression = place<TGauge>(this, u"Gaugepression"_s, {468, 34, 22, 114});
    Gaugepression->setRange(50, 1200);
    Gaugepression->setProgress(1013);
    Gaugepression->setForeColor(blue());
    Gaugepression->setBackColor(Qt::white);
    Gaugepression->setAccessibleName(u"Pressure hPa"_s);
    label(u"LabelPressionHaut"_s, {498, 34, 104, 16}, u"1050.41 hPa"_s);
    label(u"LabelPressionBas"_s, {498, 132, 104, 16}, u"147.47 hPa"_s);

    panel(this, u"ShapeBandeau"_s, {446, 156, 159, 40}, blue());
    Editpression = resultBox(u"Editpression"_s, {456, 164, 139, 24}, u"1013,25 hPa"_s);
    Editpression->setFont(windowkit::arial(10, true));
    Editpression->setAccessibleName(u"Pressure"_s);
    windowkit::setBackground(Editpression, blue());
    windowkit::setTextColour(Editpression, Qt::white);
}

void TFrmAtmosphere::buildTemperatures()
{
    panel(this, u"ShapeTemperatures"_s, {440, 208, 171, 151}, QColor(0xF7, 0xF1, 0xE8));
    auto* heading = label(u"LabelTemperatures"_s, {448, 214, 155, 18}, u"Températures"_s);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(windowkit::arial(10, true));
    windowkit::setTextColour(heading, maroon());
    place<TPicture>(this, u"ImageTemperatures"_s, {452, 213, 20, 20}, u":/icons/temperature.svg"_s);

    EditTemperatureC = resultBox(u"EditTemperatureC"_s, {468, 242, 115, 26}, u"15°C"_s);
    EditTemperatureF = resultBox(u"EditTemperatureF"_s, {468, 276, 115, 26}, u"59 °F"_s);
    EditTemperatureK = resultBox(u"EditTemperatureK"_s, {468, 310, 115, 26}, u"288°K"_s);
    EditTemperatureC->setAccessibleName(u"Temperature in degrees Celsius"_s);
    EditTemperatureF->setAccessibleName(u"Temperature in degrees Fahrenheit"_s);
    EditTemperatureK->setAccessibleName(u"Temperature in kelvins"_s);
    for (QLineEdit* box : {EditTemperatureC, EditTemperatureF, EditTemperatureK}) {
        box->setFont(windowkit::arial(10, true));
        windowkit::setTextColour(box, maroon());
    }
}

void TFrmAtmosphere::chainTabOrder()
{
    QWidget* const order[] = {
        Buttonterminer,   ButtonTemperature, Editaltitude,     EditTemperatureC,
        Editpression,     Editvitesse,       Editrapport,      Editmasse,
        Editdensite,      Editracinede,      TrackBarALTITUDE, EditTemperatureF,
        EditTemperatureK, Editalttudepied,   ButtonPlus,       ButtonMoins};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace mirandel
