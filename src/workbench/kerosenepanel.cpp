#include "workbench/kerosenepanel.h"

#include "platform/windowkit.h"
#include "workbench/kerosene.h"

#include <QLabel>

namespace mirandel {

using windowkit::place;

TKerosenePanel::TKerosenePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelCorrection"));
    setAutoFillBackground(true);
    LabelTempCorrec = place<QLabel>(this, QStringLiteral("LabelTempCorrec"), {120, 96, 40, 20},
                                    QString::number(kerosene::defaultTemperature));
    LabelTempCorrec->setFont(windowkit::arial(12, true));
    LabelTempCorrec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelFctCorrec = place<QLabel>(this, QStringLiteral("LabelFctCorrec"), {150, 124, 80, 20},
                                   kerosene::correctionText(kerosene::defaultTemperature, u','));
    LabelFctCorrec->setFont(windowkit::arial(12, true));
}

QString TKerosenePanel::factorText() const
{
    return LabelFctCorrec->text();
}

void TKerosenePanel::showInitialFactor(QChar convention)
{
    LabelFctCorrec->setText(kerosene::correctionText(kerosene::defaultTemperature, convention));
}

} // namespace mirandel
