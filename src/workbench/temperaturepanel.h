#pragma once

// The temperature panel: °F and °C on two coupled sliders with thermometers, two entry
// fields and four step buttons. It covers the main window but for the two toolbars.
//
//   slider set (by the user, a step button, a field or the program), held in its range
//     -> only if the position moved: TrackBarDegFaarChange / TrackBarDegCelChange
//     -> gauge, value labels, listing range defaults (Celsius side)
//     -> the other slider set to the converted whole value (its change runs in turn)
//     -> the entry fields that are not being typed in show the value labels
//   key release in a field -> temperature::readField -> that field's slider

#include "widgets/keysheld.h"
#include "workbench/coveringpanel.h"

#include <QColor>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace mirandel {

class Program;
class TCreditLabel;
class TPicture;
class TGauge;
class TShape;
class TThermometer;

class TTemperaturePanel : public TCoveringPanel
{
    Q_OBJECT

public:
    TTemperaturePanel(QWidget* parent, Program& program);

    // Set-up when "Temperatures" is picked in the category list: the title, then the
    // Fahrenheit slider to 50 and the Celsius slider to 21.
    void setupFromCategoryList();
    // Set-up by the toolbar button and the menu item: title, formula and unit captions,
    // then the two sliders as above.
    void setupFromToolbar();
    // Gives the keyboard focus to the Celsius slider.
    void focusCelsiusSlider();

    // Slider changes; each may set the other slider, whose change then runs at once.
    void TrackBarDegFaarChange(int fahrenheit);
    void TrackBarDegCelChange(int celsius);
    // Step buttons: "+ °F", "- °F", "- °C", "+ °C".
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    // The temperature preview: the listing range window titled as this panel.
    void ButtonTemperatureClick();
    // Credit labels: the home page and the sponsor's page.
    void Label8Click();
    void Label18Click();

    static QColor yellow() { return QColor(0xFF, 0xFF, 0x00); }
    static QColor silver() { return QColor(0xC0, 0xC0, 0xC0); }
    // The classic colour of an inactive window border.
    static QColor inactiveBorder() { return QColor(0xD4, 0xD0, 0xC8); }
    static QColor navy() { return QColor(0x00, 0x00, 0x80); }
    static QColor maroon() { return QColor(0x80, 0x00, 0x00); }
    static QColor red() { return QColor(0xFF, 0x00, 0x00); }

    QLabel* LabelTitre;
    QLabel* LabelFormule;
    QPushButton* ButtonTemperature;
    QLabel* Label20;
    QLabel* Label21;
    QLineEdit* EditCelsius;
    QLineEdit* EditFar;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    TThermometer* ThermometerCel;
    TThermometer* ThermometerFar;
    TGauge* GaugeCen;
    TGauge* GaugeFar;
    QLabel* Labelvaleurcel;
    QLabel* LabelvaleurFar;
    QLabel* LabelUnite1;
    QLabel* LabelUnite2;
    QLabel* LabelUnite1Bis;
    QLabel* LabelUnite2Bis;
    QSlider* TrackBarDegCel;
    QSlider* TrackBarDegFaar;
    TPicture* Image2;
    TCreditLabel* Label8;
    TCreditLabel* Label18;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildCelsiusSide();
    void buildFahrenheitSide();
    void buildCredits();
    void setupSliders();
    // True while the user is typing in `field` (it holds the window's focus).
    bool typingIn(const QLineEdit* field) const;
    // The change routines' last step: the fields not being typed in show the labels.
    void showValuesInFields();

    // Field handlers (temperaturefields.cpp); the key handlers return true when the key
    // is consumed.
    void EditFarEnter();
    void EditCelsiusEnter();
    void EditFarExit();
    void EditCelsiusExit();
    bool EditFarKeyPress(QLineEdit* field, QKeyEvent* event);
    bool EditFarKeyDown(QKeyEvent* event);
    void EditFarKeyUp();
    void EditCelsiusKeyUp();
    void fieldKeyUp(QLineEdit* field, QSlider* slider);
    bool TrackBarDegCelKeyDown(QKeyEvent* event);
    bool fieldEvent(QLineEdit* field, QEvent* event);

    Program& m_program;
    // A release checks a field only after a press there (not the Enter that closed the
    // error box of the last check).
    TKeysHeld m_keysHeld;
};

} // namespace mirandel
