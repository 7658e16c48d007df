#pragma once

// The kerosene panel: the product temperature (-12 °C to 40 °C) and the correction factor
// of the fixed table for it.
//
//   slider moved (by the user, "-T°", "+T°") -> TrackBar1Change -> thermometer, labels,
//   LabelFctCorrec from the list of the decimal separator convention -> calculer, which
//   reads the factor back from LabelFctCorrec through the factor lookup
//
// The conversion listing reads the product temperature (productTemperature(),
// LabelTempCorrec) and refreshes and reads the factor (showFactor(), factorText()).

#include "workbench/coveringpanel.h"

#include <QStringList>

class QLabel;
class QPushButton;

namespace mirandel {

class Program;
class TGauge;
class TThermometer;
class TTrackBar;

class TKerosenePanel : public TCoveringPanel
{
    Q_OBJECT

public:
    TKerosenePanel(QWidget* parent, Program& program);

    // The correction factor text, as the factor lookup parses it.
    QString factorText() const;
    // The product temperature in whole °C (the slider position).
    int productTemperature() const;
    // The 15 °C entry in the written form of the decimal separator convention.
    void showInitialFactor(QChar convention);
    // Writes the entry of the current product temperature into LabelFctCorrec, from the
    // comma list when `convention` is ",", from the point list when it is ".", and written
    // with the convention's character when it is neither.
    void showFactor(QChar convention);

    // Slider change: thermometer, temperature labels, factor, then calculer (its errors
    // reach the standard error box).
    void TrackBar1Change(int temperature);
    // "-T°" and "+T°": one degree down or up, within -12..40.
    void BitBtn1Click();
    void BitBtn2Click();

    // The correction table written with a comma and with a point (index T + 12).
    const QStringList ComboBoxCoefCorrection;
    const QStringList ComboBoxCoefCorrection2;

    QLabel* Label9;
    TTrackBar* TrackBar1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLabel* Label14;
    QLabel* Label7;
    QLabel* LabelTempCorrec;
    QLabel* Label13;
    QLabel* Label15;
    QLabel* LabelFctCorrec;
    QLabel* Label12;
    TThermometer* Thermometer1;
    TGauge* Gauge1;
    QLabel* LabelTempCorrec2;
    QLabel* Label16;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildReadouts();
    void buildSlider();
    void buildThermometer();

    Program& m_program;
};

} // namespace mirandel
