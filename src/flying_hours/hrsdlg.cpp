#include "flying_hours/hrsdlg.h"

#include "app/program.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/shape.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QValidator>

#include <algorithm>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

// Letters typed or pasted into the field are shown in upper case.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override
    {
        input = input.toUpper();
        position = std::min(position, int(input.size()));
        return Acceptable;
    }
};

const QColor focusColour(0xFF, 0xFB, 0xF0);
const QColor restColour(0xC0, 0xC0, 0xC0);

} // namespace

TfrmhrsatDlg::TfrmhrsatDlg(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(u"TfrmhrsatDlg"_s);
    windowkit::setupFixedWindow(this, u"Prévisualiser / Imprimer"_s, {313, 310},
                                windowkit::TitleButtons::None);
    setFont(windowkit::arial(8));
    windowkit::setBackground(this, QColor(0xCF, 0xC8, 0x9C));

    auto* title =
        place<QLabel>(this, u"LabelTitle"_s, {80, 4, 220, 16}, u"Preview /printing flying hours"_s);
    title->setFont(windowkit::arial(9, true));
    place<QLabel>(this, u"LabelTotal"_s, {55, 30, 33, 14}, u"Total :"_s);
    Labeltotal2 = place<QLabel>(this, u"Labeltotal2"_s, {88, 28, 211, 18}, startFigureText());
    place<QLabel>(this, u"LabelAverage"_s, {8, 48, 108, 14}, u"Average value(days) : "_s);
    StaticTextmoyenne =
        place<QLabel>(this, u"StaticTextmoyenne"_s, {116, 48, 187, 17}, startFigureText());
    place<QLabel>(this, u"LabelSince"_s, {21, 65, 145, 14}, u"Flying hours since"_s);
    StaticTextnjour = place<QLabel>(this, u"StaticTextnjour"_s, {168, 65, 39, 14}, u"0"_s);
    place<QLabel>(this, u"LabelDays"_s, {211, 65, 40, 14}, u"Days"_s);
    for (QLabel* label : {Labeltotal2, StaticTextmoyenne, StaticTextnjour})
        label->setFont(windowkit::arial(8, true));
    StaticTextnjour->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    buildEntryPanel();

    RadioButton1 = place<QRadioButton>(this, u"RadioButton1"_s, {83, 230, 80, 17}, u"Preview"_s);
    RadioButton2 = place<QRadioButton>(this, u"RadioButton2"_s, {178, 229, 80, 17}, u"Export"_s);
    RadioButton1->setChecked(true);
    ButtonValide = place<QPushButton>(this, u"ButtonValide"_s, {88, 257, 77, 23}, u"OK"_s);
    // Escape presses EXIT: the dialog closes with a cancel result.
    CancelBtn = place<QPushButton>(this, u"CancelBtn"_s, {185, 256, 67, 23}, u"EXIT"_s);
    for (QPushButton* button : {ButtonValide, CancelBtn}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    connect(ButtonValide, &QPushButton::clicked, this, &TfrmhrsatDlg::ButtonValideClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(Editpilote, Editaeronef);
    setTabOrder(Editaeronef, DateTimePickerdebut);
    setTabOrder(DateTimePickerdebut, DateTimePickerfin);
    setTabOrder(DateTimePickerfin, ButtonValide);
    setTabOrder(ButtonValide, CancelBtn);
    setTabOrder(CancelBtn, RadioButton1);

    FormCreate();
    // Connected once the dates are set: the calculator is not ready for a recomputation
    // while the windows are being created.
    for (QDateEdit* picker : {DateTimePickerdebut, DateTimePickerfin})
        connect(picker, &QDateEdit::dateChanged, this, &TfrmhrsatDlg::DateTimePickerdebutCloseUp);
}

QString TfrmhrsatDlg::startFigureText()
{
    return u"00 hrs 00mn  "_s;
}

void TfrmhrsatDlg::clearFigures()
{
    Labeltotal2->setText(startFigureText());
    StaticTextmoyenne->setText(startFigureText());
}

void TfrmhrsatDlg::buildEntryPanel()
{
    auto* panel = place<TShape>(this, u"Shape1"_s, {33, 91, 249, 129});
    panel->setBrushColor(QColor(0xE8, 0xE2, 0xC0));
    panel->setPenColor(QColor(0x9A, 0x92, 0x6A));

    place<QLabel>(this, u"LabelAircraft"_s, {70, 99, 120, 13}, u"Aircraft :"_s);
    Editaeronef = place<QLineEdit>(this, u"Editaeronef"_s, {67, 112, 191, 20}, u"NC"_s);
    place<QLabel>(this, u"LabelPilot"_s, {66, 137, 120, 12}, u"Pilot"_s);
    Editpilote = place<QLineEdit>(this, u"Editpilote"_s, {65, 149, 140, 22}, u"NC"_s);
    for (QLineEdit* edit : {Editaeronef, Editpilote}) {
        edit->setValidator(new UpperCaseValidator(edit));
        windowkit::setBackground(edit, restColour);
        edit->installEventFilter(this);
    }

    place<QLabel>(this, u"LabelFunction"_s, {207, 135, 50, 12}, u"----"_s);
    Fonction = place<QComboBox>(this, u"Fonction"_s, {205, 149, 58, 22});
    Editaeronef->setAccessibleName(u"Aircraft"_s);
    Editpilote->setAccessibleName(u"Pilot"_s);
    Fonction->setAccessibleName(u"Function"_s);
    Fonction->setEditable(true);
    Fonction->setInsertPolicy(QComboBox::NoInsert);
    Fonction->addItems({u"CDB"_s, u"COPIL"_s, u"ELEVE"_s});
    Fonction->model()->sort(0);
    Fonction->setCurrentIndex(Fonction->findText(u"CDB"_s));
    Fonction->lineEdit()->setMaxLength(6);
    Fonction->setFocusPolicy(Qt::ClickFocus);

    place<QLabel>(this, u"LabelFrom"_s, {48, 181, 30, 13}, u"From"_s);
    DateTimePickerdebut = buildPicker(u"DateTimePickerdebut"_s, {80, 179, 79, 22});
    place<QLabel>(this, u"LabelTo"_s, {164, 180, 20, 13}, u"to"_s);
    DateTimePickerfin = buildPicker(u"DateTimePickerfin"_s, {186, 179, 77, 22});
    DateTimePickerdebut->setAccessibleName(u"From date"_s);
    DateTimePickerfin->setAccessibleName(u"To date"_s);
}

QDateEdit* TfrmhrsatDlg::buildPicker(const QString& name, QRect geometry)
{
    auto* picker = place<QDateEdit>(this, name, geometry);
    const QString separator(m_program.platform().dateSeparator());
    picker->setDisplayFormat(u"dd"_s + separator + u"MM"_s + separator + u"yyyy"_s);
    picker->setCalendarPopup(true);
    // The whole date beside the calendar arrow in the picker's narrow frame.
    QFont font = windowkit::arial(8);
    font.setPointSizeF(7);
    picker->setFont(font);
    windowkit::setBackground(picker, restColour);
    picker->installEventFilter(this);
    return picker;
}

void TfrmhrsatDlg::prepareCalendar(QDateEdit* picker)
{
    static const char* const prepared = "mirandelCalendarPrepared";
    if (picker->property(prepared).toBool())
        return;
    picker->setProperty(prepared, true);
    QCalendarWidget* calendar = picker->calendarWidget();
    calendar->setFont(windowkit::arial(8));
    // The calendar closes when a day is picked (click or Enter) or on Escape; the day count
    // follows once it has closed and the picked day is in the picker.
    QWidget* popup = calendar->window();
    if (popup && popup != this)
        popup->installEventFilter(this);
}

qint64 TfrmhrsatDlg::dayCount(const QDate& start, const QDate& end)
{
    return start.daysTo(end);
}

void TfrmhrsatDlg::FormCreate()
{
    const QDate end = m_program.platform().today();
    const QDate start = end.addDays(-30);
    DateTimePickerdebut->setDate(start);
    DateTimePickerfin->setDate(end);
    StaticTextnjour->setText(QString::number(dayCount(start, end)));
}

void TfrmhrsatDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        windowkit::centreOnScreen(this);
        activateWindow();
        // FormActivate
        Editpilote->setFocus(Qt::OtherFocusReason);
    }
}

bool TfrmhrsatDlg::fieldKey(QWidget* field, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Tab leaves a date picker for the next field rather than stepping through the
        // day, month and year.
        if (field != DateTimePickerdebut && field != DateTimePickerfin)
            return false;
        focusNextPrevChild(event->key() == Qt::Key_Tab &&
                           !(event->modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (field == Editpilote)
            Editaeronef->setFocus(Qt::OtherFocusReason);
        else if (field == Editaeronef)
            DateTimePickerdebut->setFocus(Qt::OtherFocusReason);
        else if (field == DateTimePickerdebut)
            DateTimePickerfin->setFocus(Qt::OtherFocusReason);
        else if (field == DateTimePickerfin)
            ButtonValide->setFocus(Qt::OtherFocusReason);
        else if (auto* button = qobject_cast<QPushButton*>(field))
            button->click();
        return true;
    default:
        return false;
    }
}

bool TfrmhrsatDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool picker = watched == DateTimePickerdebut || watched == DateTimePickerfin;
    const bool field = picker || watched == Editpilote || watched == Editaeronef;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (picker)
            prepareCalendar(static_cast<QDateEdit*>(watched));
        break;
    case QEvent::KeyPress:
        if (picker)
            prepareCalendar(static_cast<QDateEdit*>(watched));
        if (field || watched == ButtonValide || watched == CancelBtn)
            return fieldKey(widget, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (field)
            windowkit::setBackground(widget, focusColour);
        break;
    case QEvent::FocusOut:
        // A calendar opening takes the focus for a while; the picker stays the current field.
        if (field && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            windowkit::setBackground(widget, restColour);
        break;
    case QEvent::Hide:
        if (!field && widget && widget->isWindow())
            QMetaObject::invokeMethod(
                this, [this] { DateTimePickerdebutCloseUp(); }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmhrsatDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button; the dialog has no default button.
    if (!windowkit::enterPressesFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

} // namespace mirandel
