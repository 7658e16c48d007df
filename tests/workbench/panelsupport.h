#pragma once

// Helpers shared by the panel tests: picking a category as a user does, walking the Tab
// chain, and checking that a panel's captions are not cut and its controls do not overlap.

#include "workbench/convers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <functional>

namespace mirandel::test {

// Opens the category list, walks to `index` with the arrow keys and presses Enter.
inline void pickCategory(TFrmConversion& main, int index)
{
    QComboBox* list = main.ComboBoxUniteDe;
    list->showPopup();
    QAbstractItemView* view = list->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const int from = view->currentIndex().isValid() ? view->currentIndex().row() : 0;
    const Qt::Key key = index >= from ? Qt::Key_Down : Qt::Key_Up;
    for (int row = from; row != index; row += index >= from ? 1 : -1)
        QTest::keyClick(view, key);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->window()->isVisible());
    QCOMPARE(list->currentIndex(), index);
}

// Drags the slider's handle with the mouse to the far end of its groove: the top or right
// end when `up`, the bottom or left end otherwise.
inline void dragToEnd(QSlider* slider, bool up)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.upsideDown = slider->orientation() == Qt::Vertical;
    const QPoint handle =
        slider->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
            .center();
    QPoint end = handle;
    if (slider->orientation() == Qt::Vertical)
        end.setY(up ? 0 : slider->height() - 1);
    else
        end.setX(up ? slider->width() - 1 : 0);
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    const QPoint step = (end - handle) / 4;
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(slider, i < 4 ? handle + step * i : end);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, end);
}

// The widgets that Tab reaches from the window's focus widget, `presses` times over.
inline QList<QWidget*> tabWalk(QWidget* window, int presses)
{
    QList<QWidget*> reached;
    for (int i = 0; i < presses; ++i) {
        QWidget* from = window->focusWidget();
        if (!from)
            break;
        QTest::keyClick(from, Qt::Key_Tab);
        reached << window->focusWidget();
    }
    return reached;
}

// Every label and button among `names` shows its whole caption within its place.
inline QStringList cutCaptions(QWidget* panel, const QStringList& names)
{
    QStringList cut;
    for (const QString& name : names) {
        auto* widget = panel->findChild<QWidget*>(name);
        if (!widget) {
            cut << name + QStringLiteral(" missing");
            continue;
        }
        int need = widget->sizeHint().width();
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap())
            continue;
        // A push button asks for a style's minimum width; its caption needs less.
        if (auto* button = qobject_cast<QPushButton*>(widget))
            need = button->fontMetrics().horizontalAdvance(button->text()) + 8;
        if (need > widget->width())
            cut << name;
    }
    return cut;
}

// Pairs of the named controls whose places overlap on the panel.
inline QStringList overlaps(QWidget* panel, const QStringList& names)
{
    QStringList pairs;
    for (int i = 0; i < names.size(); ++i) {
        for (int j = i + 1; j < names.size(); ++j) {
            auto* a = panel->findChild<QWidget*>(names[i]);
            auto* b = panel->findChild<QWidget*>(names[j]);
            if (!a || !b)
                continue;
            const QRect ra(a->mapTo(panel, QPoint()), a->size());
            const QRect rb(b->mapTo(panel, QPoint()), b->size());
            if (ra.intersects(rb))
                pairs << names[i] + QStringLiteral("/") + names[j];
        }
    }
    return pairs;
}

} // namespace mirandel::test
