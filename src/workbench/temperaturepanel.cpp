#include "workbench/temperaturepanel.h"

#include "platform/windowkit.h"

#include <QLabel>

namespace mirandel {

using windowkit::place;

TTemperaturePanel::TTemperaturePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Paneltemp"));
    setAutoFillBackground(true);
    LabelTitre = place<QLabel>(this, QStringLiteral("LabelTitre"), {150, 48, 240, 18},
                               QStringLiteral("TEMPERATURES"));
    LabelTitre->setFont(windowkit::arial(10, true));
}

void TTemperaturePanel::setupFromCategoryList() {}

void TTemperaturePanel::setupFromToolbar() {}

void TTemperaturePanel::focusCelsiusSlider()
{
    setFocus();
}

} // namespace mirandel
