#include "widgets/closeupcombo.h"

#include <QAbstractItemView>

namespace mirandel {

TCloseUpComboBox::TCloseUpComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_closeUpPending)
            QMetaObject::invokeMethod(this, &TCloseUpComboBox::chosenInTheBox,
                                      Qt::QueuedConnection);
    });
}

void TCloseUpComboBox::hidePopup()
{
    const bool wasShown = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (!wasShown)
        return;
    m_closeUpPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_closeUpPending = false;
            emit closedUp();
        },
        Qt::QueuedConnection);
}

} // namespace mirandel
