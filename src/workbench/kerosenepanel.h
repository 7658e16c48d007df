#pragma once

// The kerosene panel: the product temperature and the correction factor that the factor
// lookup reads back from `LabelFctCorrec` at each kerosene conversion.

#include <QWidget>

class QLabel;

namespace mirandel {

class TKerosenePanel : public QWidget
{
    Q_OBJECT

public:
    explicit TKerosenePanel(QWidget* parent);

    // The correction factor text, as the factor lookup parses it.
    QString factorText() const;
    // The 15 °C entry in the written form of the decimal separator convention.
    void showInitialFactor(QChar convention);

    QLabel* LabelFctCorrec;
    QLabel* LabelTempCorrec;
};

} // namespace mirandel
