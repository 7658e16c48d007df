// The temperature panel's entry fields and slider keys: focus colours, the key filter,
// the keys held down and the key release that moves a slider to the typed value.

#include "workbench/temperaturepanel.h"

#include "app/program.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "workbench/temperature.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>

namespace mirandel {

namespace {

// Typing stops at 4 characters; the values the sliders write may be longer ("1830.2").
constexpr int typedLimit = 4;

bool isEditShortcut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

// Focus that comes and goes with the window's activation (a message box, another
// program) is not the user entering or leaving a field.
bool entersOrLeaves(QEvent* event)
{
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

bool TTemperaturePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditFar || watched == EditCelsius)
        return fieldEvent(static_cast<QLineEdit*>(watched), event);
    if ((watched == TrackBarDegCel || watched == TrackBarDegFaar) &&
        event->type() == QEvent::KeyPress)
        return TrackBarDegCelKeyDown(static_cast<QKeyEvent*>(event));
    return TCoveringPanel::eventFilter(watched, event);
}

bool TTemperaturePanel::fieldEvent(QLineEdit* field, QEvent* event)
{
    const bool fahrenheit = field == EditFar;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (entersOrLeaves(event))
            fahrenheit ? EditFarEnter() : EditCelsiusEnter();
        return false;
    case QEvent::FocusOut:
        m_keysHeld.forget(field);
        if (entersOrLeaves(event))
            fahrenheit ? EditFarExit() : EditCelsiusExit();
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        m_keysHeld.press(field, key);
        return EditFarKeyDown(key) || EditFarKeyPress(field, key);
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (m_keysHeld.release(field, key) && !key->isAutoRepeat())
            fahrenheit ? EditFarKeyUp() : EditCelsiusKeyUp();
        return false;
    }
    default:
        return false;
    }
}

void TTemperaturePanel::EditFarEnter()
{
    windowkit::setBackground(EditFar, yellow());
    windowkit::setBackground(EditCelsius, inactiveBorder());
    EditFar->clear();
    EditCelsius->clear();
}

void TTemperaturePanel::EditCelsiusEnter()
{
    windowkit::setBackground(EditCelsius, yellow());
    windowkit::setBackground(EditFar, inactiveBorder());
    EditFar->clear();
    EditCelsius->clear();
}

void TTemperaturePanel::EditFarExit()
{
    windowkit::setBackground(EditFar, inactiveBorder());
    EditFar->clear();
    EditCelsius->clear();
}

void TTemperaturePanel::EditCelsiusExit()
{
    windowkit::setBackground(EditCelsius, inactiveBorder());
    EditFar->clear();
    EditCelsius->clear();
}

bool TTemperaturePanel::EditFarKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        EditFar->clear();
        EditCelsius->clear();
        return false; // then deletes in the field as usual
    case Qt::Key_Escape:
        window()->close();
        return true;
    case Qt::Key_Up:
        EditFar->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
        EditCelsius->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        return false;
    }
}

bool TTemperaturePanel::EditFarKeyPress(QLineEdit* field, QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_Tab || key == Qt::Key_Backtab || isEditShortcut(event))
        return false;
    if (event->text().isEmpty())
        return false; // arrows, Home, End, Shift, Ctrl...: the field handles them
    // A character typed with Ctrl is a control character: refused below.
    const QChar typed = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)
                            ? QChar(u'\x01')
                            : event->text().front();
    if (typed == u'-' || (typed >= u'0' && typed <= u'9')) {
        const bool roomLeft = field->text().size() - field->selectedText().size() < typedLimit;
        return !roomLeft;
    }
    m_program.platform().beep();
    return true;
}

void TTemperaturePanel::EditFarKeyUp()
{
    fieldKeyUp(EditFar, TrackBarDegFaar);
}

void TTemperaturePanel::EditCelsiusKeyUp()
{
    fieldKeyUp(EditCelsius, TrackBarDegCel);
}

void TTemperaturePanel::fieldKeyUp(QLineEdit* field, QSlider* slider)
{
    guarded(m_program.platform(), window(), [&] {
        const temperature::FieldReading reading = temperature::readField(field->text());
        if (reading.text != field->text())
            field->setText(reading.text);
        if (reading.position)
            slider->setValue(*reading.position);
    });
}

bool TTemperaturePanel::TrackBarDegCelKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    EditCelsius->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace mirandel
