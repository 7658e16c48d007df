#include "workbench/coveringpanel.h"

namespace mirandel {

TCoveringPanel::TCoveringPanel(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

bool TCoveringPanel::covers(const QWidget* widget) const
{
    const QWidget* area = parentWidget();
    if (!area || !widget || widget == this || isAncestorOf(widget))
        return false;
    // The sibling of this panel that holds the widget decides the stacking order.
    const QWidget* sibling = widget;
    while (sibling && sibling->parentWidget() != area)
        sibling = sibling->parentWidget();
    if (!sibling)
        return false;
    const QObjectList& order = area->children();
    if (order.indexOf(const_cast<QWidget*>(sibling)) >
        order.indexOf(const_cast<TCoveringPanel*>(this)))
        return false;
    const QRect place(widget->mapTo(area, QPoint(0, 0)), widget->size());
    return geometry().contains(place);
}

void TCoveringPanel::takeFocusFromCovered()
{
    QWidget* area = parentWidget();
    if (!area)
        return;
    for (QWidget* widget : area->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !covers(widget))
            continue;
        m_policies.emplace_back(widget, widget->focusPolicy());
        widget->setFocusPolicy(Qt::NoFocus);
    }
}

void TCoveringPanel::giveFocusBack()
{
    for (const auto& [widget, policy] : m_policies) {
        if (widget)
            widget->setFocusPolicy(policy);
    }
    m_policies.clear();
}

void TCoveringPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    takeFocusFromCovered();
}

void TCoveringPanel::hideEvent(QHideEvent* event)
{
    giveFocusBack();
    QWidget::hideEvent(event);
}

} // namespace mirandel
