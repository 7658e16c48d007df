// The keyboard of the atmosphere window: the commands and key filter of the two altitude
// edits, the range guard at each key release, and Enter on the slider.

#include "atmosphere/atmos.h"

#include "app/program.h"
#include "common/numbertext.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

namespace mirandel {

using namespace Qt::StringLiterals;

namespace {

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The focus arrives from the user or the program, not from the window becoming active
// again (a reopening, a closed message box): only then is an edit chosen. A dialog being
// shown also announces its focus child with a FocusIn of its own before that child has
// the focus; that one chooses nothing either.
bool choosesTheEdit(const QWidget* edit, const QFocusEvent* event)
{
    return edit->hasFocus() && event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

bool TFrmAtmosphere::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TrackBarALTITUDE) {
        if (event->type() == QEvent::KeyPress)
            return TrackBarALTITUDEKeyDown(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (watched != Editaltitude && watched != Editalttudepied)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (choosesTheEdit(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event))) {
            if (watched == Editaltitude)
                EditaltitudeEnter();
            else
                EditalttudepiedEnter();
        }
        return false;
    case QEvent::FocusOut:
        m_keysHeld.forget(watched);
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        m_keysHeld.press(watched, key);
        return EditaltitudeKeyDown(key) || EditaltitudeKeyPress(key);
    }
    case QEvent::KeyRelease:
        if (!m_keysHeld.release(watched, static_cast<QKeyEvent*>(event)) ||
            static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return false;
        guarded(m_program.platform(), this, [&] {
            if (watched == Editaltitude)
                EditaltitudeKeyUp();
            else
                EditalttudepiedKeyUp();
        });
        return false;
    case QEvent::ContextMenu:
        // Text reaches the edits only through the key filter: no menu, no middle-button
        // paste, no drop.
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

void TFrmAtmosphere::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the window from an altitude edit (its own key handler) and on
    // "Cancel"; on the slider, the other buttons and the result boxes it does nothing.
    if (event->key() == Qt::Key_Escape && focusWidget() != Buttonterminer) {
        event->accept();
        return;
    }
    // Enter clicks the button that has the focus and nothing else: there is no default
    // button to press from the result boxes.
    if (!windowkit::enterPressesFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

bool TFrmAtmosphere::EditaltitudeKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        Editaltitude->clear();
        Editalttudepied->clear();
        return true;
    }
    if (isEnter(event)) {
        Buttonterminer->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (event->key() == Qt::Key_Up) {
        Editalttudepied->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (event->key() == Qt::Key_Down) {
        Editaltitude->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

bool TFrmAtmosphere::EditaltitudeKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace)
        return false;
    // Copying and selecting change nothing; every other shortcut is a refused character.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
        return false;
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false; // arrows, Home, End, Shift, Tab: no character is typed
    const QChar typed = text.front();
    if (typed == u'-' || (typed >= u'0' && typed <= u'9'))
        return false;
    m_program.platform().beep();
    return true;
}

bool TFrmAtmosphere::TrackBarALTITUDEKeyDown(QKeyEvent* event)
{
    if (!isEnter(event))
        return false;
    Buttonterminer->setFocus(Qt::OtherFocusReason);
    return true;
}

void TFrmAtmosphere::EditaltitudeKeyUp()
{
    // Above 13720 m the text becomes 13716, the top of the slider: 13717 to 13720 stay.
    guardThenCalculer(Editaltitude, atmosphere::highestTypedAltitude, u"13716"_s,
                      atmosphere::lowestAltitude);
}

void TFrmAtmosphere::EditalttudepiedKeyUp()
{
    guardThenCalculer(Editalttudepied, 44000, u"44000"_s, -900);
}

void TFrmAtmosphere::guardThenCalculer(QLineEdit* edit, qint32 highest, const QString& highText,
                                       qint32 lowest)
{
    if (edit->text() == u"--"_s)
        edit->clear();
    if (edit->text().isEmpty())
        return;
    // Plain character-code order: this stops on a lone "-", which waits for digits.
    if (!(edit->text() > u"-"_s))
        return;
    if (numbertext::parseInt32(edit->text()) > highest)
        edit->setText(highText);
    if (numbertext::parseInt32(edit->text()) < lowest)
        edit->setText(QString::number(lowest));
    calculer();
}

} // namespace mirandel
