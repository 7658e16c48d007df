#pragma once

// The standard atmosphere window. An altitude comes in four ways and ends in the result
// boxes and the two gauges:
//
//   key in an altitude edit -> key filter -> (release) range guard -> calculer
//     -> whole metres from the focused edit -> slider, altitude gauge
//     -> calculatmosphere (atmosphere/model.h) -> texts (atmosphere/atmostext.h)
//     -> result boxes, pressure gauge
//   slider moved -> TrackBarALTITUDEChange (idle while an edit has focus) -> the same
//   "+ 10" / "- 10" -> slider ± 10 -> its change event when it moved -> 3.28 ft text
//   "Listing" -> TPub with its range panel, the atmosphere title and the default range
//
// The window is created once and only hidden when closed, so every text and the slider
// position last from one opening to the next.

#include "atmosphere/model.h"
#include "widgets/keysheld.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QLineEdit;
class QKeyEvent;
class QPushButton;
class QSlider;

namespace mirandel {

class Program;
class TGauge;

class TFrmAtmosphere : public QDialog
{
    Q_OBJECT

public:
    TFrmAtmosphere(Program& program, QWidget* parent);

    static QColor skyBlue() { return QColor(0xA6, 0xCA, 0xF0); }
    static QColor inactiveBorder() { return QColor(0xD4, 0xD0, 0xC8); }
    static QColor maroon() { return QColor(0x80, 0x00, 0x00); }
    static QColor blue() { return QColor(0x00, 0x00, 0xFF); }
    static QColor navy() { return QColor(0x00, 0x00, 0x80); }

    // In tab order.
    QPushButton* Buttonterminer;
    QPushButton* ButtonTemperature;
    QLineEdit* Editaltitude;
    QLineEdit* EditTemperatureC;
    QLineEdit* Editpression;
    QLineEdit* Editvitesse;
    QLineEdit* Editrapport;
    QLineEdit* Editmasse;
    QLineEdit* Editdensite;
    QLineEdit* Editracinede;
    QSlider* TrackBarALTITUDE;
    QLineEdit* EditTemperatureF;
    QLineEdit* EditTemperatureK;
    QLineEdit* Editalttudepied;
    QPushButton* ButtonPlus;
    QPushButton* ButtonMoins;
    TGauge* Gaugealtitude;
    TGauge* Gaugepression;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Layout (atmoslayout.cpp).
    void buildAltitudeColumn();
    void buildResults();
    void buildEntry();
    void buildPressure();
    void buildTemperatures();
    void chainTabOrder();
    QLineEdit* resultBox(const QString& name, QRect geometry, const QString& text);
    QLabel* label(const QString& name, QRect geometry, const QString& text);
    void greekSymbol(QLabel* beside, const QString& name, const QString& symbol);

    // Keyboard (atmoskeys.cpp); each key handler returns true when it consumes the key.
    bool EditaltitudeKeyDown(QKeyEvent* event);
    // The key filter, shared by both edits.
    bool EditaltitudeKeyPress(QKeyEvent* event);
    bool TrackBarALTITUDEKeyDown(QKeyEvent* event);
    void EditaltitudeKeyUp();
    void EditalttudepiedKeyUp();
    // The range guard shared by both edits, then calculer. Throws on a bad whole number.
    void guardThenCalculer(QLineEdit* edit, qint32 highest, const QString& highText, qint32 lowest);

    // Handlers (atmos.cpp).
    void ButtonterminerClick();
    void EditaltitudeEnter();
    void EditalttudepiedEnter();
    void calculer();
    void TrackBarALTITUDEChange(int position);
    void ButtonPlusClick();
    void ButtonMoinsClick();
    void ButtonTemperatureClick();

    bool editHasFocus() const;
    QChar separator() const;
    // Writes every result box and the pressure gauge.
    void showResults(const TAtmosphereValues& values);
    // After a step: the altitude gauge and both edits from the slider, feet at 3.28.
    void showStep();

    Program& m_program;
    bool m_placed = false;
    // The range guard runs at a release whose press the edit received.
    TKeysHeld m_keysHeld;
};

} // namespace mirandel
