#include "atmosphere/atmos.h"

#include "app/program.h"
#include "atmosphere/atmostext.h"
#include "common/numbertext.h"
#include "listings/pubfree.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/gauge.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace mirandel {

using namespace Qt::StringLiterals;

TFrmAtmosphere::TFrmAtmosphere(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(u"TFrmAtmosphere"_s);
    windowkit::setupFixedWindow(this, u"STANDARD ATMOSPHERE"_s, {617, 365},
                                windowkit::TitleButtons::None);
    setFont(windowkit::arial(8));
    // The buttons first: "Cancel" leads the tab order and has the focus at the first opening.
    buildEntry();
    buildResults();
    buildAltitudeColumn();
    buildPressure();
    buildTemperatures();
    chainTabOrder();
    Buttonterminer->setFocus();

    connect(Buttonterminer, &QPushButton::clicked, this, &TFrmAtmosphere::ButtonterminerClick);
    connect(ButtonTemperature, &QPushButton::clicked, this,
            &TFrmAtmosphere::ButtonTemperatureClick);
    connect(ButtonPlus, &QPushButton::clicked, this, &TFrmAtmosphere::ButtonPlusClick);
    connect(ButtonMoins, &QPushButton::clicked, this, &TFrmAtmosphere::ButtonMoinsClick);
    connect(TrackBarALTITUDE, &QSlider::valueChanged, this,
            &TFrmAtmosphere::TrackBarALTITUDEChange);
    for (QWidget* watched :
         {static_cast<QWidget*>(Editaltitude), static_cast<QWidget*>(Editalttudepied),
          static_cast<QWidget*>(TrackBarALTITUDE)})
        watched->installEventFilter(this);
}

void TFrmAtmosphere::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen at its first opening; later it stays where the user left it.
    if (!m_placed) {
        m_placed = true;
        windowkit::centreOnScreen(this);
    }
}

QChar TFrmAtmosphere::separator() const
{
    return m_program.platform().decimalSeparator();
}

bool TFrmAtmosphere::editHasFocus() const
{
    // The window's own focus child: it stays right while another window is active.
    const QWidget* focus = focusWidget();
    return focus == Editaltitude || focus == Editalttudepied;
}

void TFrmAtmosphere::ButtonterminerClick()
{
    reject();
}

void TFrmAtmosphere::EditaltitudeEnter()
{
    windowkit::setBackground(Editaltitude, skyBlue());
    Editaltitude->clear();
    windowkit::setBackground(Editalttudepied, inactiveBorder());
    Editalttudepied->setText(u"feet"_s);
}

void TFrmAtmosphere::EditalttudepiedEnter()
{
    windowkit::setBackground(Editalttudepied, skyBlue());
    Editalttudepied->clear();
    windowkit::setBackground(Editaltitude, inactiveBorder());
    Editaltitude->setText(u"metre"_s);
}

void TFrmAtmosphere::calculer()
{
    qint32 altitude = 0;
    QString feetText;
    if (focusWidget() == Editaltitude) {
        altitude = numbertext::parseInt32(Editaltitude->text());
    } else if (focusWidget() == Editalttudepied) {
        const double feet = numbertext::parseFloat(Editalttudepied->text(), separator());
        altitude = atmosphere::metresFromFeet(feet);
        Editaltitude->setText(atmosphere::metresText(altitude));
    } else {
        return;
    }
    const TAtmosphereValues values = calculatmosphere(altitude);
    if (focusWidget() == Editaltitude)
        Editalttudepied->setText(atmosphere::atmosphereTexts(values, separator()).feet);
    // The slider's change event stays idle: an edit has the focus.
    TrackBarALTITUDE->setValue(-altitude);
    Gaugealtitude->setProgress(altitude);
    showResults(values);
}

void TFrmAtmosphere::TrackBarALTITUDEChange(int position)
{
    if (editHasFocus())
        return;
    const qint32 altitude = -position;
    Gaugealtitude->setProgress(altitude);
    const TAtmosphereValues values = calculatmosphere(altitude);
    const atmosphere::TAtmosphereTexts texts = atmosphere::atmosphereTexts(values, separator());
    Editalttudepied->setText(texts.feet);
    Editaltitude->setText(texts.metres);
    showResults(values);
}

void TFrmAtmosphere::showResults(const TAtmosphereValues& values)
{
    const atmosphere::TAtmosphereTexts texts = atmosphere::atmosphereTexts(values, separator());
    Editrapport->setText(texts.rapport);
    Editmasse->setText(texts.masse);
    Editdensite->setText(texts.densite);
    Editracinede->setText(texts.racinede);
    EditTemperatureC->setText(texts.temperatureC);
    EditTemperatureF->setText(texts.temperatureF);
    EditTemperatureK->setText(texts.temperatureK);
    Editpression->setText(texts.pression);
    Editvitesse->setText(texts.vitesse);
    Gaugepression->setProgress(atmosphere::pressureGaugeValue(values));
}

void TFrmAtmosphere::ButtonMoinsClick()
{
    // Up 10 m: the slider holds the position within its range.
    TrackBarALTITUDE->setValue(TrackBarALTITUDE->value() - 10);
    showStep();
}

void TFrmAtmosphere::ButtonPlusClick()
{
    TrackBarALTITUDE->setValue(TrackBarALTITUDE->value() + 10);
    showStep();
}

void TFrmAtmosphere::showStep()
{
    const qint32 altitude = -TrackBarALTITUDE->value();
    Gaugealtitude->setProgress(altitude);
    Editaltitude->setText(atmosphere::metresText(altitude));
    // The step buttons write the feet with 3.28 ft per metre, unrounded.
    Editalttudepied->setText(atmosphere::valueText(altitude * 3.28L, separator()) + u" ft"_s);
}

void TFrmAtmosphere::ButtonTemperatureClick()
{
    TPub& pub = m_program.pub();
    pub.showRangePanel(true);
    pub.setTitle(u"Listing standard atmosphere"_s);
    pub.setListingRange(u"-305"_s, u"13716"_s, u"150"_s);
    pub.exec();
}

} // namespace mirandel
