// The calculator's keypad and ledger bar, and the keypad actions. Neither bar takes the
// keyboard focus, so the focused entry field stays focused while they are used.

#include "flying_hours/hoursentry.h"

#include "flying_hours/ledger.h"
#include "platform/windowkit.h"
#include "widgets/picture.h"

#include <QLineEdit>
#include <QToolButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

QToolButton* barButton(QWidget* bar, const QString& name)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

void THoursEntry::buildKeypad(QWidget* client)
{
    ToolBarAnglo = place<QWidget>(client, u"ToolBarAnglo"_s, {314, 152, 121, 176});

    // Row by row: 7 8 9 / 4 5 6 / 1 2 3 / 0 . C
    auto key = [this](const QString& name, const QString& caption, int row, int column) {
        QToolButton* button = barButton(ToolBarAnglo, name);
        button->setText(caption);
        button->setFont(windowkit::arial(18, true));
        button->setGeometry(2 + column * 39, 4 + row * 42, 39, 42);
        return button;
    };
    for (int digit = 0; digit < 10; ++digit) {
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        const int column = digit == 0 ? 0 : (digit - 1) % 3;
        const QString caption = digit == 1 ? u" 1 "_s : QString::number(digit);
        QToolButton* button =
            key(u"ToolButton"_s + QString::number(digit) + u"A"_s, caption, row, column);
        digitButtons[static_cast<size_t>(digit)] = button;
        button->setAccessibleName(u"Key "_s + QString::number(digit));
        connect(button, &QToolButton::clicked, this,
                [this, digit] { ToolButtonDigitAClick(digit); });
    }
    ToolButtonPA = key(u"ToolButtonPA"_s, u"."_s, 3, 1);
    ToolButtonCA = key(u"ToolButtonCA"_s, u"C"_s, 3, 2);
    ToolButtonPA->setAccessibleName(u"Decimal separator key"_s);
    ToolButtonCA->setAccessibleName(u"Clear key"_s);
    connect(ToolButtonPA, &QToolButton::clicked, this, &THoursEntry::ToolButtonPAClick);
    connect(ToolButtonCA, &QToolButton::clicked, this, &THoursEntry::ToolButtonCAClick);
}

void THoursEntry::buildLedgerBar(QWidget* client)
{
    ToolBarLedger = place<QWidget>(client, u"ToolBarLedger"_s, {459, 152, 51, 202});
    int top = 1;
    auto button = [this, &top](const QString& name, const QString& icon, const QString& hint) {
        QToolButton* b = barButton(ToolBarLedger, name);
        b->setIcon(svgIcon(u":/icons/"_s + icon + u".svg"_s));
        b->setIconSize({32, 32});
        b->setGeometry(1, top, 49, 40);
        b->setAutoRaise(true);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        top += 40;
        return b;
    };
    ToolButtonmoins = button(u"ToolButtonmoins"_s, u"ledger_minus"_s, u"Take time off (-)"_s);
    ToolButtonplus = button(u"ToolButtonplus"_s, u"ledger_plus"_s, u"Add time (+)"_s);
    ToolButtondelete = button(u"ToolButtondelete"_s, u"ledger_delete"_s, u"Delete the row"_s);
    ToolButtonhaut = button(u"ToolButtonhaut"_s, u"ledger_up"_s, u"Previous row"_s);
    ToolButtonbas = button(u"ToolButtonbas"_s, u"ledger_down"_s, u"Next row"_s);

    connect(ToolButtonmoins, &QToolButton::clicked, this,
            [this] { m_context.add(ledger::minus()); });
    connect(ToolButtonplus, &QToolButton::clicked, this, [this] { m_context.add(ledger::plus()); });
    connect(ToolButtondelete, &QToolButton::clicked, this, [this] { m_context.deleteRow(); });
    connect(ToolButtonhaut, &QToolButton::clicked, this, [this] { m_context.upStep(); });
    connect(ToolButtonbas, &QToolButton::clicked, this, [this] { m_context.downStep(); });
}

void THoursEntry::ToolButtonDigitAClick(int digit)
{
    // A field whose whole text is selected (or that is empty) starts again; only the
    // focused field receives the digit. Text past a field's width is cut off.
    for (QLineEdit* field : {EditHrs, Editatt, Editmn1})
        if (field->selectedText().size() == field->text().size())
            field->clear();
    for (QLineEdit* field : {EditHrs, Editatt, Editmn1})
        if (hasFocus(field))
            field->setText(field->text() + QString::number(digit));
    m_context.recompute();
}

void THoursEntry::ToolButtonPAClick()
{
    (hasFocus(EditHrs) ? Editmn1 : EditHrs)->setFocus();
}

void THoursEntry::ToolButtonCAClick()
{
    for (QLineEdit* field : m_fields)
        if (hasFocus(field))
            field->clear();
    m_context.recompute();
}

} // namespace mirandel
