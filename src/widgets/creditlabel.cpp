#include "widgets/creditlabel.h"

#include "platform/windowkit.h"

#include <QMouseEvent>

namespace mirandel {

TCreditLabel::TCreditLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    windowkit::setTextColour(this, restColour());
}

void TCreditLabel::enterEvent(QEnterEvent* event)
{
    windowkit::setTextColour(this, Qt::black);
    QLabel::enterEvent(event);
}

void TCreditLabel::leaveEvent(QEvent* event)
{
    windowkit::setTextColour(this, restColour());
    QLabel::leaveEvent(event);
}

void TCreditLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace mirandel
