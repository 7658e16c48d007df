#include "flying_hours/calculhrs.h"

#include "app/program.h"
#include "common/numbertext.h"
#include "flying_hours/hoursentry.h"
#include "flying_hours/hrsdlg.h"
#include "flying_hours/ledger.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/shape.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

Tfrmcalculhrs::Tfrmcalculhrs(Program& program, QWidget* parent)
    : QDialog(parent), m_program(program)
{
    setObjectName(u"Tfrmcalculhrs"_s);
    windowkit::setupFixedWindow(this, u" Calcul Hrs de vol"_s, {540, 416},
                                windowkit::TitleButtons::None);
    setFont(windowkit::arial(8));

    buildLedgerSide();
    // A rounded frame groups the entry fields and the flight categories.
    auto* frame = place<TShape>(this, u"ShapeEntry"_s, {304, 32, 212, 90});
    frame->setBrushColor(QColor(0xEA, 0xE8, 0xD5));
    frame->setPenColor(Qt::gray);

    THoursEntry::Context context;
    context.recompute = [this] { recompute(); };
    context.add = [this](const QString& sign) { add(sign); };
    context.upStep = [this] { ToolButtonhautClick(); };
    context.downStep = [this] { ToolButtonbasClick(); };
    context.deleteRow = [this] { ToolButtondeleteClick(); };
    context.closeWindow = [this] { close(); };
    m_entry = new THoursEntry(this, program.platform(), std::move(context));
    EditHrs = m_entry->EditHrs;
    Editmn1 = m_entry->Editmn1;
    Editatt = m_entry->Editatt;

    buildCategories();
    Button2 = place<QPushButton>(this, u"Button2"_s, {325, 338, 100, 22}, u"EXIT"_s);
    connect(Button2, &QPushButton::clicked, this, &Tfrmcalculhrs::OKButtonClick);
    for (QPushButton* button : {Button1, Button2})
        button->setAutoDefault(false);

    setTabOrder(EditHrs, Editmn1);
    setTabOrder(Editmn1, Editatt);
    setTabOrder(Editatt, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, RadioButtonvfr);
    setTabOrder(RadioButtonvfr, RadioButtonnuit);
    setTabOrder(RadioButtonnuit, RadioButtonifr);
}

Tfrmcalculhrs::~Tfrmcalculhrs() = default;

void Tfrmcalculhrs::buildLedgerSide()
{
    m_columns = std::make_unique<TLedgerColumns>(this, QRect(18, 34, 230, 265));
    ListBoxtext = m_columns->ListBoxtext;
    // Small enough for the longest line ("... ==> NIGHT") beside a scroll bar.
    QFont lineFont = windowkit::arial(8);
    lineFont.setPointSizeF(7.5);
    ListBoxtext->setFont(lineFont);
    ListBoxtext->viewport()->installEventFilter(this);
    m_columns->append({ledger::plus(), u"0"_s, u"0"_s, u"0"_s, ledger::vfr()},
                      ledger::initialLine());

    Labeltotal =
        place<QLabel>(this, u"Labeltotal"_s, {18, 298, 231, 21}, ledger::initialTotalText());
    Labeltotal->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Labeltotal->setAlignment(Qt::AlignCenter);
    Labeltotal->setFont(windowkit::arial(9, true));
    windowkit::setTextColour(Labeltotal, QColor(0x00, 0x00, 0x80));

    VFR = place<QLabel>(this, u"VFR"_s, {24, 328, 234, 13}, ledger::vfr());
    IFR = place<QLabel>(this, u"IFR"_s, {24, 341, 234, 13}, ledger::ifr());
    NUIT = place<QLabel>(this, u"NUIT"_s, {24, 355, 234, 13}, ledger::night());

    Button1 = place<QPushButton>(this, u"Button1"_s, {99, 376, 82, 22}, u"Preview"_s);
    connect(Button1, &QPushButton::clicked, this, &Tfrmcalculhrs::ButtonpreviewClick);
}

void Tfrmcalculhrs::buildCategories()
{
    LABELVOL = place<QLabel>(this, u"LABELVOL"_s, {424, 72, 60, 14}, ledger::vfr());
    LABELVOL->setFont(windowkit::arial(8, true));
    RadioButtonvfr = place<QRadioButton>(this, u"RadioButtonvfr"_s, {314, 98, 60, 17}, u"VFR"_s);
    RadioButtonnuit =
        place<QRadioButton>(this, u"RadioButtonnuit"_s, {386, 98, 60, 17}, u"NIGHT"_s);
    RadioButtonifr = place<QRadioButton>(this, u"RadioButtonifr"_s, {450, 98, 60, 17}, u"IFR"_s);
    RadioButtonvfr->setChecked(true);
    const std::pair<QRadioButton*, void (Tfrmcalculhrs::*)()> actions[] = {
        {RadioButtonvfr, &Tfrmcalculhrs::RadioButtonvfrClick},
        {RadioButtonnuit, &Tfrmcalculhrs::RadioButtonnuitClick},
        {RadioButtonifr, &Tfrmcalculhrs::RadioButtonifrClick},
    };
    for (const auto& [radio, action] : actions) {
        // Only the radio button that is on is a tab stop; the arrows move between them.
        radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        radio->installEventFilter(this);
        connect(radio, &QRadioButton::toggled, this, [this, radio, action](bool on) {
            radio->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
            if (on)
                (this->*action)();
        });
    }
}

void Tfrmcalculhrs::formatelist()
{
    const int row = m_columns->selected();
    if (row >= 0) {
        const QString hours = EditHrs->text();
        const QString minutes = Editmn1->text();
        const QString landings = Editatt->text();
        m_columns->setValues(row, hours, minutes, landings);
        m_columns->setLine(row, ledger::displayLine(m_columns->row(row).sign, hours, minutes,
                                                    landings, LABELVOL->text()));
    }
    const ledger::Totals totals = ledger::totals(m_columns->rows());
    Labeltotal->setText(ledger::totalText(totals.all));
    IFR->setText(ledger::ifrText(totals.ifr));
    VFR->setText(ledger::vfrText(totals.vfr));
    NUIT->setText(ledger::nightText(totals.night));

    TfrmhrsatDlg& report = m_program.hrsDlg();
    const qint64 days = numbertext::parseInt32(report.StaticTextnjour->text());
    const QString average = ledger::averageText(ledger::average(totals.all, days));
    report.Labeltotal2->setText(Labeltotal->text());
    report.StaticTextmoyenne->setText(average);
}

void Tfrmcalculhrs::recompute()
{
    guarded(m_program.platform(), this, [this] { formatelist(); });
}

void Tfrmcalculhrs::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    windowkit::centreOnScreen(this);
    m_activationPending = true;
    activateWindow();
    // Without a window manager the window may never be told it is active.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_activationPending && isVisible())
                FormActivate();
        },
        Qt::QueuedConnection);
}

bool Tfrmcalculhrs::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_activationPending)
        FormActivate();
    return QDialog::event(event);
}

void Tfrmcalculhrs::FormActivate()
{
    m_activationPending = false;
    ToolButtonhautClick();
    m_entry->focusHours();
}

bool Tfrmcalculhrs::radioArrowKey(QObject* watched, QEvent* event)
{
    // An arrow moves the focus to the next or previous flight category, round the group,
    // which turns it on: its category action then hands the focus to the hours field.
    const QList<QRadioButton*> order = {RadioButtonvfr, RadioButtonnuit, RadioButtonifr};
    const auto index = order.indexOf(qobject_cast<QRadioButton*>(watched));
    if (index < 0 || event->type() != QEvent::KeyPress)
        return false;
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    default:
        return false;
    }
    QRadioButton* next = order.at((index + step + order.size()) % order.size());
    next->setFocus(Qt::TabFocusReason);
    next->setChecked(true);
    return true;
}

bool Tfrmcalculhrs::eventFilter(QObject* watched, QEvent* event)
{
    if (radioArrowKey(watched, event))
        return true;
    if (watched != ListBoxtext->viewport())
        return QDialog::eventFilter(watched, event);
    // Rows are selected here only, in all six columns at once: the list's own mouse
    // selection (press, drag, double click) is not used.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = ListBoxtext->indexAt(mouse->position().toPoint()).row();
        if (mouse->button() == Qt::LeftButton && row >= 0)
            ListBoxtextClick(row);
        return true;
    }
    case QEvent::MouseMove:
        return true;
    case QEvent::MouseButtonRelease:
        // ListBoxtextMouseUp
        EditHrs->setFocus();
        return true;
    default:
        return false;
    }
}

void Tfrmcalculhrs::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the window from the entry fields only: closing empties the ledger.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter presses the focused button; the window has no default button.
    if (!windowkit::enterPressesFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

void Tfrmcalculhrs::ButtonpreviewClick()
{
    m_program.hrsDlg().exec();
    EditHrs->setFocus();
}

void Tfrmcalculhrs::OKButtonClick()
{
    close();
}

void Tfrmcalculhrs::closeEvent(QCloseEvent* event)
{
    // EXIT, Escape in a field and the window manager all close through here; closing
    // empties the ledger, so the user is asked first when it holds anything.
    if (isVisible() && (m_asking || !mayDiscardLedger())) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool Tfrmcalculhrs::mayDiscardLedger()
{
    // The fields are the selected row as the user sees it, stored or not yet.
    QList<ledger::Row> rows = m_columns->rows();
    const int row = m_columns->selected();
    if (row >= 0 && row < rows.size()) {
        rows[row].hours = EditHrs->text();
        rows[row].minutes = Editmn1->text();
        rows[row].landings = Editatt->text();
    }
    if (ledger::holdsNothing(rows))
        return true;
    const QScopedValueRollback asking(m_asking, true);
    return m_program.platform().askYesNo(
        this, u"Calcul Hrs de vol"_s,
        u"Les heures de vol saisies seront effacées. Fermer quand même ?"_s);
}

void Tfrmcalculhrs::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void Tfrmcalculhrs::FormClose()
{
    RadioButtonvfr->setChecked(true);
    m_columns->clear();
    m_columns->append({ledger::plus(), u"0"_s, u"0"_s, u"0"_s, ledger::vfr()},
                      ledger::unformattedLine(ledger::plus(), ledger::vfr()));
    m_columns->select(-1);
    LABELVOL->setText(ledger::vfr());
    m_entry->setFields(u"000000"_s, u"00"_s, u"000000"_s);
    Labeltotal->setText(ledger::initialTotalText());
    // No figure of the discarded ledger stays on screen or goes into the next report.
    VFR->setText(ledger::vfr());
    IFR->setText(ledger::ifr());
    NUIT->setText(ledger::night());
    m_program.hrsDlg().clearFigures();
    m_entry->releaseButtons();
    m_activationPending = false;
}

} // namespace mirandel
