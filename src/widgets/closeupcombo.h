#pragma once

// A combo box that reports every close of its drop-down, also when the selection did not
// change. The signal is queued so that a pick made in the drop-down is applied first.

#include <QComboBox>

namespace mirandel {

class TCloseUpComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void hidePopup() override;

signals:
    void closedUp();
};

} // namespace mirandel
