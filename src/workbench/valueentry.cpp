#include "workbench/valueentry.h"

#include "common/error.h"
#include "common/numbertext.h"
#include "common/rounding.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using catalogue::Direction;
using windowkit::place;

namespace {

// Typing stops at 12 characters; text the program writes is not limited.
constexpr int typedLimit = 12;

const QString separatorCaption = QStringLiteral(".");

bool isEditShortcut(QKeyEvent* event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
           event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

} // namespace

TValueEntry::TValueEntry(QWidget* client, Platform& platform, Context context)
    : QObject(client), m_platform(platform), m_context(std::move(context))
{
    setObjectName(QStringLiteral("ValueEntry"));
    EditAnglo = place<QLineEdit>(client, QStringLiteral("EditAnglo"), {351, 82, 157, 24});
    EditMetrique = place<QLineEdit>(client, QStringLiteral("EditMetrique"), {351, 105, 157, 22});
    EditAnglo->setAccessibleName(u"Imperial value"_s);
    EditMetrique->setAccessibleName(u"Metric value"_s);
    for (QLineEdit* field : {EditAnglo, EditMetrique}) {
        field->setFont(windowkit::arial(10, true));
        field->setCursor(Qt::PointingHandCursor);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, field] { EditChange(field); });
    }
    EditAnglo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EditMetrique->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    windowkit::setBackground(EditAnglo, white());
    windowkit::setBackground(EditMetrique, beige());

    LabelFenetreEdition = place<QLabel>(client, QStringLiteral("LabelFenetreEdition"), {0, 0, 0, 0},
                                        catalogue::directionText(Direction::Haut));
    LabelFenetreEdition->hide();
    Labelformatdecimal =
        place<QLabel>(client, QStringLiteral("Labelformatdecimal"), {0, 0, 0, 0}, u","_s);
    Labelformatdecimal->hide();

    buildKeypad(client);
}

void TValueEntry::buildKeypad(QWidget* client)
{
    auto* panel = place<QWidget>(client, QStringLiteral("PanelClavier"), {312, 172, 168, 132});
    ToolBarAnglo = place<QWidget>(panel, QStringLiteral("ToolBarAnglo"), {6, 3, 156, 126});
    auto* grid = new QGridLayout(ToolBarAnglo);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    auto makeButton = [this, grid](const QString& name, const QString& caption, int index) {
        auto* button = new QToolButton(ToolBarAnglo);
        button->setObjectName(name);
        button->setText(caption);
        button->setFont(windowkit::arial(22, true));
        button->setFixedSize(39, 42);
        button->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(button, index / 4, index % 4);
        return button;
    };
    const QString captions[10] = {u"0"_s, u" 1 "_s, u"2"_s, u"3"_s, u"4"_s,
                                  u"5"_s, u"6"_s,   u"7"_s, u"8"_s, u"9"_s};
    for (int digit = 0; digit < 10; ++digit) {
        QToolButton* button =
            makeButton(u"ToolButton"_s + QString::number(digit) + u"A"_s, captions[digit], digit);
        digitButtons[static_cast<size_t>(digit)] = button;
        button->setAccessibleName(u"Key "_s + QString::number(digit));
        connect(button, &QToolButton::clicked, this, [this, digit] {
            guarded(m_platform, EditAnglo->window(), [&] { ToolButtonDigitAClick(digit); });
        });
    }
    ToolButtonPA = makeButton(u"ToolButtonPA"_s, separatorCaption, 10);
    connect(ToolButtonPA, &QToolButton::clicked, this,
            [this] { guarded(m_platform, EditAnglo->window(), [&] { ToolButtonPAClick(); }); });
    ToolButtonPA->setAccessibleName(u"Decimal separator key"_s);
    ToolButtonCA = makeButton(u"ToolButtonCA"_s, u"C"_s, 11);
    ToolButtonCA->setAccessibleName(u"Clear key"_s);
    connect(ToolButtonCA, &QToolButton::clicked, this, &TValueEntry::ToolButtonCAClick);
}

Direction TValueEntry::direction() const
{
    return catalogue::directionFromText(LabelFenetreEdition->text()).value_or(Direction::Haut);
}

void TValueEntry::setDirection(Direction direction)
{
    LabelFenetreEdition->setText(catalogue::directionText(direction));
}

QChar TValueEntry::convention() const
{
    const QString text = Labelformatdecimal->text();
    return text.isEmpty() ? QChar(u',') : text.front();
}

void TValueEntry::setConvention(QChar separator)
{
    Labelformatdecimal->setText(QString(separator));
}

QLineEdit* TValueEntry::sourceField() const
{
    return direction() == Direction::Haut ? EditAnglo : EditMetrique;
}

QLineEdit* TValueEntry::otherField(QLineEdit* field) const
{
    return field == EditAnglo ? EditMetrique : EditAnglo;
}

void TValueEntry::releaseKeypad()
{
    for (QToolButton* button : digitButtons)
        button->setDown(false);
    ToolButtonPA->setDown(false);
    ToolButtonCA->setDown(false);
}

void TValueEntry::calculer()
{
    releaseKeypad();
    const Direction dir = direction();
    QLineEdit* source = dir == Direction::Haut ? EditAnglo : EditMetrique;
    QLineEdit* target = otherField(source);
    const QChar separator = m_platform.decimalSeparator();
    if (!source->text().isEmpty()) {
        const double value = numbertext::parseFloat(source->text(), separator);
        const std::optional<catalogue::Factor> factor = m_context.lookup(dir);
        if (factor) {
            const double result =
                rounding::toDecimals(static_cast<long double>(value) * factor->factor, 4);
            target->setText(numbertext::formatGeneral(result, separator) + factor->suffix);
        } else {
            // No pair applies (no pair selected): there is no result to show.
            target->clear();
        }
    }
    if (dir == Direction::Haut)
        EditAnglo->setFocus();
}

void TValueEntry::emptyFields()
{
    EditAnglo->clear();
    EditMetrique->clear();
}

void TValueEntry::enableSeparatorKey()
{
    ToolButtonPA->setEnabled(true);
}

void TValueEntry::resetSource(Direction direction, bool focus)
{
    emptyFields();
    setDirection(direction);
    enableSeparatorKey();
    if (focus)
        sourceField()->setFocus();
}

void TValueEntry::colourFields(const QColor& top, const QColor& bottom)
{
    windowkit::setBackground(EditAnglo, top);
    windowkit::setBackground(EditMetrique, bottom);
}

void TValueEntry::setSource(Direction direction, const QColor& top, const QColor& bottom,
                            bool focus)
{
    colourFields(top, bottom);
    resetSource(direction, focus);
}

void TValueEntry::sourceToTopKeepingColours()
{
    resetSource(Direction::Haut, true);
}

void TValueEntry::ToolButtonDigitAClick(int digit)
{
    sourceField()->setText(sourceField()->text() + QString::number(digit));
    calculer();
}

void TValueEntry::ToolButtonPAClick()
{
    sourceField()->setText(sourceField()->text() + convention());
    calculer();
    ToolButtonPA->setEnabled(false);
}

void TValueEntry::ToolButtonCAClick()
{
    sourceField()->setFocus();
    emptyFields();
    enableSeparatorKey();
}

void TValueEntry::separatorTrial()
{
    setConvention(u',');
    try {
        ToolButtonDigitAClick(9);
        ToolButtonPAClick();
        ToolButtonDigitAClick(6);
    } catch (const MirandelError&) {
        // "9," does not parse: the system separator is a point, or neither a point nor a
        // comma (U+066B under Arabic or Persian settings). The convention is then that
        // separator itself, so the "." key and the separator key type what the parse reads.
        const QChar system = m_platform.decimalSeparator();
        setConvention(system == u',' ? u'.' : system);
    }
}

bool TValueEntry::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || (field != EditAnglo && field != EditMetrique))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        m_keysHeld.press(field, key);
        if (EditAngloKeyDown(key))
            return true;
        return EditKeyPress(field, key);
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        m_keysHeld.release(field, key);
        if (!key->isAutoRepeat())
            EditKeyUp(field);
        return false;
    }
    case QEvent::FocusOut:
        m_keysHeld.forget(field);
        return false;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            EditClick(field);
        return false;
    default:
        return false;
    }
}

bool TValueEntry::EditAngloKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        ToolButtonCAClick();
        return true;
    case Qt::Key_Space:
        ToolButtonCAClick();
        return false; // the key filter then refuses the blank
    case Qt::Key_Escape:
        m_context.closeWindow();
        return true;
    case Qt::Key_Up:
        setSource(Direction::Haut, white(), grey(), true);
        return true;
    case Qt::Key_Down:
        setSource(Direction::Bas, grey(), white(), true);
        return true;
    default:
        return false;
    }
}

bool TValueEntry::EditKeyPress(QLineEdit* field, QKeyEvent* event)
{
    const int key = event->key();
    QChar typed;
    if (key == Qt::Key_Backspace)
        typed = u'\b';
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        typed = u'\r';
    else if (isEditShortcut(event))
        return false;
    else if (event->text().isEmpty() || event->key() == Qt::Key_Tab ||
             event->key() == Qt::Key_Backtab)
        return false; // arrows, Home, End, Tab, Shift, Ctrl...: the field handles them
    else if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        typed = u'\x01'; // a control character: refused below
    else
        typed = event->text().front();

    const bool roomLeft = field->text().size() - field->selectedText().size() < typedLimit;
    if (typed.isDigit() && typed.unicode() < 128) {
        digitButtons[static_cast<size_t>(typed.unicode() - u'0')]->setDown(true);
        return !roomLeft;
    }
    if (typed == u'.') {
        if (!ToolButtonPA->isEnabled())
            return true;
        ToolButtonPA->setDown(true);
        ToolButtonPA->setEnabled(false);
        if (roomLeft)
            field->insert(QString(convention()));
        return true;
    }
    if (typed == u'c' || typed == u'C' || typed == u'\b') {
        ToolButtonCA->setDown(true);
        otherField(field)->clear();
        if (typed != u'\b') {
            field->backspace();
            return true;
        }
        return false;
    }
    if (typed == u'\r')
        return false;
    m_platform.beep();
    return true;
}

void TValueEntry::EditKeyUp(QLineEdit* field)
{
    if (field->text().isEmpty())
        return;
    const QChar separator = m_platform.decimalSeparator();
    try {
        m_context.listingDefaults(field->text(), QString(), QString());
        const double from = numbertext::parseFloat(field->text(), separator);
        m_context.listingDefaults(field->text(),
                                  numbertext::formatGeneral(from + 1000.0, separator),
                                  QStringLiteral("100"));
        calculer();
    } catch (const MirandelError&) {
        // Nothing converts and no message is shown. The decimal separator convention
        // found at start-up is kept: text that does not parse (a result with its suffix
        // after Tab, a pasted word) says nothing about the system's separator.
    }
}

void TValueEntry::EditChange(QLineEdit* field)
{
    if (!m_keysHeld.holds(field))
        EditKeyUp(field);
}

void TValueEntry::EditClick(QLineEdit* field)
{
    if (field == EditAnglo)
        setSource(Direction::Haut, white(), beige(), false);
    else
        setSource(Direction::Bas, beige(), white(), false);
}

} // namespace mirandel
