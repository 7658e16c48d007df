#include "flying_hours/hoursentry.h"

#include "flying_hours/ledger.h"
#include "platform/platform.h"
#include "platform/windowkit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

// An entry field that hands its events to the entry block: the key press before the field
// edits its text (to consume it), everything else after the field has handled it.
class TEntryField final : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

    std::function<bool(QKeyEvent*)> onKeyPress;
    std::function<void()> onKeyRelease;
    std::function<void()> onClick;
    std::function<void()> onFocusIn;
    std::function<void(Qt::FocusReason)> onFocusOut;
    // Set while the field edits its text for a key being pressed.
    bool typing = false;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (onKeyPress(event)) {
            event->accept();
            return;
        }
        typing = true;
        QLineEdit::keyPressEvent(event);
        typing = false;
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        QLineEdit::keyReleaseEvent(event);
        if (!event->isAutoRepeat())
            onKeyRelease();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            onClick();
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        onFocusIn();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        onFocusOut(event->reason());
    }
};

bool isEditShortcut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

bool allDigits(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QComboBox* quickPick(QWidget* client, const QString& name, const QRect& geometry,
                     const QStringList& items)
{
    auto* list = place<QComboBox>(client, name, geometry);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(static_cast<int>(items.size()));
    list->setFocusPolicy(Qt::NoFocus);
    return list;
}

QStringList oneToTwelve()
{
    QStringList items;
    for (int n = 1; n <= 12; ++n)
        items << QString::number(n);
    return items;
}

} // namespace

THoursEntry::THoursEntry(QWidget* client, Platform& platform, Context context)
    : QObject(client), m_platform(platform), m_context(std::move(context))
{
    setObjectName(u"HoursEntry"_s);
    buildFields(client);
    buildKeypad(client);
    buildLedgerBar(client);
}

void THoursEntry::buildFields(QWidget* client)
{
    // The lists lie under their fields: only their drop-down arrows show.
    EditHrslist = quickPick(client, u"EditHrslist"_s, {347, 42, 48, 22}, oneToTwelve());
    Editmn11 = quickPick(client, u"Editmn11"_s, {427, 44, 37, 22},
                         {u"0"_s, u"5"_s, u"10"_s, u"15"_s, u"20"_s, u"25"_s, u"30"_s, u"35"_s,
                          u"40"_s, u"45"_s, u"50"_s, u"55"_s});
    ComboBoxatt = quickPick(client, u"ComboBoxatt"_s, {347, 66, 48, 22}, oneToTwelve());

    EditHrs = place<TEntryField>(client, u"EditHrs"_s, {321, 42, 59, 22});
    Editmn1 = place<TEntryField>(client, u"Editmn1"_s, {423, 44, 22, 22});
    Editatt = place<TEntryField>(client, u"Editatt"_s, {321, 66, 59, 22});
    m_fields = {EditHrs, Editmn1, Editatt};
    EditHrs->setAccessibleName(u"Hours"_s);
    Editmn1->setAccessibleName(u"Minutes"_s);
    Editatt->setAccessibleName(u"Landings"_s);
    EditHrslist->setAccessibleName(u"Hours list"_s);
    Editmn11->setAccessibleName(u"Minutes list"_s);
    ComboBoxatt->setAccessibleName(u"Landings list"_s);
    // The maximum lengths also cut longer text written into a field to its first 6 or 2
    // characters.
    EditHrs->setMaxLength(ledger::hoursWidth);
    Editmn1->setMaxLength(ledger::minutesWidth);
    Editatt->setMaxLength(ledger::landingsWidth);
    for (QLineEdit* field : m_fields) {
        field->setFont(windowkit::arial(9, true));
        field->setTextMargins(0, 0, 0, 0);
        windowkit::setBackground(field, silver());
        watch(field);
    }
    setFields(u"000000"_s, u"00"_s, u"000000"_s);

    place<QLabel>(client, u"LabelHrs"_s, {396, 49, 26, 14}, u"Hrs "_s);
    place<QLabel>(client, u"LabelMn"_s, {466, 47, 26, 14}, u"Mn"_s);
    place<QLabel>(client, u"LabelLndg"_s, {396, 72, 26, 14}, u"Lndg"_s);

    connect(EditHrslist, &QComboBox::activated, this, &THoursEntry::EditHrslistClick);
    connect(Editmn11, &QComboBox::activated, this, &THoursEntry::Editmn11Click);
    connect(ComboBoxatt, &QComboBox::activated, this, &THoursEntry::ComboBoxattClick);
}

void THoursEntry::watch(QLineEdit* field)
{
    auto* entry = static_cast<TEntryField*>(field);
    entry->onKeyPress = [this, field](QKeyEvent* event) {
        return EditHrsKeyDown(field, event) || EditHrslistKeyPress(field, event);
    };
    entry->onKeyRelease = [this, field] {
        // A key that closed the window is released elsewhere.
        if (field->window()->isVisible())
            EditHrslistKeyUp();
    };
    entry->onClick = [this, field] { EditClick(field); };
    entry->onFocusIn = [this, field] { EditFocusIn(field); };
    entry->onFocusOut = [this, field](Qt::FocusReason reason) { EditFocusOut(field, reason); };
    const auto index =
        static_cast<size_t>(std::find(m_fields.begin(), m_fields.end(), field) - m_fields.begin());
    connect(field, &QLineEdit::textChanged, this, [this, index](const QString& text) {
        if (allDigits(text))
            m_accepted[index] = text;
    });
    connect(field, &QLineEdit::textEdited, this, [this, field] { EditEdited(field); });
}

void THoursEntry::setFields(const QString& hours, const QString& minutes, const QString& landings)
{
    EditHrs->setText(hours);
    Editmn1->setText(minutes);
    Editatt->setText(landings);
}

void THoursEntry::focusHours()
{
    EditHrs->setFocus();
    EditHrs->selectAll();
}

bool THoursEntry::hasFocus(const QLineEdit* field) const
{
    return field->window()->focusWidget() == field;
}

void THoursEntry::releaseButtons()
{
    for (QToolButton* button : digitButtons)
        button->setDown(false);
    for (QToolButton* button : {ToolButtonPA, ToolButtonCA, ToolButtonmoins, ToolButtonplus,
                                ToolButtondelete, ToolButtonhaut, ToolButtonbas})
        button->setDown(false);
}

bool THoursEntry::EditHrsKeyDown(QLineEdit* field, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (field == EditHrs ? Editmn1 : field == Editmn1 ? Editatt : EditHrs)->setFocus();
        return true;
    case Qt::Key_Escape:
        m_context.closeWindow();
        return true;
    case Qt::Key_Up:
        ToolButtonhaut->setDown(true);
        m_context.upStep();
        return true;
    case Qt::Key_Down:
        ToolButtonbas->setDown(true);
        m_context.downStep();
        return true;
    case Qt::Key_Delete:
        if (field != EditHrs)
            return false; // the field deletes a character as usual
        m_context.deleteRow();
        return true;
    default:
        return false;
    }
}

bool THoursEntry::EditHrslistKeyPress(QLineEdit*, QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace) {
        ToolButtonCA->setDown(true);
        return false;
    }
    const QString text = event->text();
    if (isEditShortcut(event) || text.isEmpty())
        return false; // arrows, Home, End, Ctrl, Shift...: the field handles them
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        m_platform.beep();
        return true;
    }
    if (!text.front().isPrint())
        return false; // Delete
    const QChar typed = text.front();
    if (typed >= u'0' && typed <= u'9') {
        digitButtons[static_cast<size_t>(typed.unicode() - u'0')]->setDown(true);
        return false;
    }
    if (typed == u'.') {
        ToolButtonPA->setDown(true);
        ToolButtonPAClick();
        return true;
    }
    if (typed == u'+' || typed == u'-') {
        (typed == u'+' ? ToolButtonplus : ToolButtonmoins)->setDown(true);
        m_context.add(QString(typed));
        return true;
    }
    if (typed == u'c' || typed == u'C') {
        // Becomes a Backspace after the clear: on the emptied field it changes nothing.
        ToolButtonCA->setDown(true);
        ToolButtonCAClick();
        return true;
    }
    m_platform.beep();
    return true;
}

void THoursEntry::EditHrslistKeyUp()
{
    releaseButtons();
    m_context.recompute();
}

void THoursEntry::EditFocusIn(QLineEdit* field)
{
    if (m_entered == field)
        return; // the window became active again, or a popup closed
    if (m_entered)
        EditExit(m_entered);
    EditEnter(field);
}

void THoursEntry::EditFocusOut(QLineEdit* field, Qt::FocusReason reason)
{
    // Another window or a popup taking the keyboard leaves the field the window's focus.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (m_entered == field)
        EditExit(field);
}

void THoursEntry::EditEnter(QLineEdit* field)
{
    m_entered = field;
    windowkit::setBackground(field, cream());
    field->selectAll();
}

void THoursEntry::EditExit(QLineEdit* field)
{
    m_entered = nullptr;
    windowkit::setBackground(field, silver());
    field->setCursorPosition(std::min<qsizetype>(1, field->text().size()));
}

void THoursEntry::EditClick(QLineEdit* field)
{
    field->selectAll();
}

void THoursEntry::EditEdited(QLineEdit* field)
{
    if (allDigits(field->text())) {
        // Typed text is recomputed at the key release; pasted or dropped text here.
        if (!static_cast<TEntryField*>(field)->typing)
            m_context.recompute();
        return;
    }
    const auto index =
        static_cast<size_t>(std::find(m_fields.begin(), m_fields.end(), field) - m_fields.begin());
    field->setText(m_accepted[index]);
    m_platform.beep();
}

void THoursEntry::pick(QLineEdit* field, QComboBox* list, int index)
{
    if (index < 0)
        return;
    field->setText(list->itemText(index));
    m_context.recompute();
    field->setFocus();
}

void THoursEntry::EditHrslistClick(int index)
{
    pick(EditHrs, EditHrslist, index);
}

void THoursEntry::Editmn11Click(int index)
{
    pick(Editmn1, Editmn11, index);
}

void THoursEntry::ComboBoxattClick(int index)
{
    pick(Editatt, ComboBoxatt, index);
}

} // namespace mirandel
