#pragma once

// The temperature panel: °F and °C on two coupled sliders with thermometers, two entry
// fields and four step buttons. It covers the main window but for the two toolbars.

#include <QWidget>

class QLabel;

namespace mirandel {

class TTemperaturePanel : public QWidget
{
    Q_OBJECT

public:
    explicit TTemperaturePanel(QWidget* parent);

    // Set-up when "Temperatures" is picked in the category list.
    void setupFromCategoryList();
    // Set-up by the toolbar button and the menu item.
    void setupFromToolbar();
    // Gives the keyboard focus to the Celsius slider.
    void focusCelsiusSlider();

    QLabel* LabelTitre;
};

} // namespace mirandel
