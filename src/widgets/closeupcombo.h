#pragma once

// A combo box that reports every close of its drop-down, also when the selection did not
// change, and every item the box chooses without its drop-down: the typed text naming an
// item (Enter, or leaving the box), the arrow keys or the wheel. Both signals are queued so
// that the choice is applied first.

#include <QComboBox>

namespace mirandel {

class TCloseUpComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TCloseUpComboBox(QWidget* parent = nullptr);

    void hidePopup() override;

signals:
    void closedUp();
    void chosenInTheBox();

private:
    // A close of the drop-down is announced: the pick it carries is no choice in the box.
    bool m_closeUpPending = false;
};

} // namespace mirandel
