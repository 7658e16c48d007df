#include "widgets/closeupcombo.h"

#include <QAbstractItemView>

namespace mirandel {

void TCloseUpComboBox::hidePopup()
{
    const bool wasShown = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (wasShown)
        QMetaObject::invokeMethod(this, &TCloseUpComboBox::closedUp, Qt::QueuedConnection);
}

} // namespace mirandel
