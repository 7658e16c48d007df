#pragma once

// A panel laid over part of the main window. While it is shown, the controls it hides
// take no keyboard focus from Tab and Backtab, so keys never land in a field the user
// cannot see; when it is hidden they get their focus policies back.

#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace mirandel {

class TCoveringPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TCoveringPanel(QWidget* parent);

    // True when `widget` lies wholly under this panel and below it in the stacking order.
    bool covers(const QWidget* widget) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void takeFocusFromCovered();
    void giveFocusBack();

    // The controls this panel took the focus from, with their own policies.
    std::vector<std::pair<QPointer<QWidget>, Qt::FocusPolicy>> m_policies;
};

} // namespace mirandel
