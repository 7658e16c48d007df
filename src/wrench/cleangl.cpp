#include "wrench/cleangl.h"

#include "app/program.h"
#include "common/numbertext.h"
#include "listings/Tableau.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/creditlabel.h"
#include "widgets/shape.h"
#include "workbench/convers.h"
#include "workbench/valueentry.h"
#include "wrench/wrenchsize.h"
#include "wrench/wrenchtable.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

void TFractionEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

TfrmcleDlg::TfrmcleDlg(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(u"TfrmcleDlg"_s);
    windowkit::setupFixedWindow(this, QString(), {318, 139}, windowkit::TitleButtons::None);
    setFont(windowkit::arial(8));
    buildControls();
}

void TfrmcleDlg::buildControls()
{
    auto* panel = place<TShape>(this, u"Shape1"_s, {6, 6, 306, 110});
    panel->setBrushColor(QColor(0xD9, 0xD0, 0xB0));
    panel->setPenColor(QColor(0xA8, 0x9F, 0x80));

    auto* caption = place<QLabel>(this, u"Label1"_s, {16, 18, 120, 20}, u"Wrench / Cable  de"_s);
    caption->setFont(windowkit::arial(9, true));
    Edit1 = place<TFractionEdit>(this, u"Edit1"_s, {140, 14, 30, 26}, u"3"_s);
    auto* slash = place<QLabel>(this, u"Label2"_s, {172, 8, 16, 34}, u"/"_s);
    slash->setFont(windowkit::arial(20, true));
    slash->setAlignment(Qt::AlignCenter);
    Edit2 = place<TFractionEdit>(this, u"Edit2"_s, {190, 14, 30, 26}, u"4"_s);
    for (QLineEdit* edit : {static_cast<QLineEdit*>(Edit1), static_cast<QLineEdit*>(Edit2)}) {
        edit->setMaxLength(2);
        edit->setFont(windowkit::arial(12, true));
        edit->setAlignment(Qt::AlignCenter);
        edit->installEventFilter(this);
    }
    Edit1->setAccessibleName(u"Numerator"_s);
    Edit2->setAccessibleName(u"Denominator"_s);

    ButtonValide = place<QPushButton>(this, u"ButtonValide"_s, {234, 14, 70, 26}, u"Apply"_s);
    CancelBtn = place<QPushButton>(this, u"CancelBtn"_s, {234, 46, 70, 26}, u"Cancel"_s);
    RadioButton1 = place<QRadioButton>(this, u"RadioButton1"_s, {16, 48, 210, 18}, u"Convert mm"_s);
    RadioButton2 = place<QRadioButton>(this, u"RadioButton2"_s, {16, 69, 210, 18},
                                       u"Preview listing wrench US/UK"_s);
    // The export choice runs under the buttons to the panel's edge, so its caption shows whole.
    RadioButton3 = place<QRadioButton>(this, u"RadioButton3"_s, {16, 90, 288, 18},
                                       u"Export listing wrench US/UK ( TTX)"_s);
    RadioButton1->setChecked(true);

    Label9 = place<TCreditLabel>(this, u"Label9"_s, {0, 120, 318, 16}, u"BELVANE PRODUCTION"_s);
    Label9->setToolTip(u"A propos"_s);

    setTabOrder(CancelBtn, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, ButtonValide);
    setTabOrder(ButtonValide, RadioButton1);

    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonValide, &QPushButton::clicked, this, &TfrmcleDlg::ButtonValideClick);
    connect(Label9, &TCreditLabel::clicked, this, &TfrmcleDlg::Label9Click);
    // Auto-advance: a full numerator moves on to the denominator, then to "Apply".
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.size() == 2)
            Edit2->setFocus(Qt::OtherFocusReason);
    });
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.size() > 1)
            ButtonValide->setFocus(Qt::OtherFocusReason);
    });
}

void TfrmcleDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    windowkit::centreOnScreen(this);
    Edit1->setFocus(Qt::OtherFocusReason);
}

bool TfrmcleDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && (edit == Edit1 || edit == Edit2)) {
        if (event->type() == QEvent::KeyPress)
            return EditKeyPress(edit, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut)
            EditExit(edit);
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmcleDlg::EditKeyPress(QLineEdit* edit, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        Edit1->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Right:
        Edit2->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (edit == Edit1)
            Edit2->setFocus(Qt::OtherFocusReason);
        else
            ButtonValide->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    const std::optional<QChar> typed = windowkit::typedCharacter(event);
    if (!typed)
        return false;
    const QChar c = *typed;
    if ((c >= u'0' && c <= u'9') || c == u'.' || c == u'c' || c == u'C')
        return false;
    m_program.platform().beep();
    return true;
}

void TfrmcleDlg::EditExit(QLineEdit* edit)
{
    if (edit->text().isEmpty() || edit->text() == u"0")
        edit->setText(u"1"_s);
}

void TfrmcleDlg::ButtonValideClick()
{
    for (QLineEdit* edit : {static_cast<QLineEdit*>(Edit1), static_cast<QLineEdit*>(Edit2)})
        if (edit->text().isEmpty())
            edit->setText(u"1"_s);
    const bool done = guarded(m_program.platform(), this, [this] {
        if (RadioButton1->isChecked())
            convertToMillimetres();
        else
            exportlistecle();
    });
    if (done)
        accept();
}

void TfrmcleDlg::convertToMillimetres()
{
    const qint32 numerator = numbertext::parseInt32(Edit1->text());
    const qint32 denominator = numbertext::parseInt32(Edit2->text());
    const wrench::Size size = wrench::fromFraction(numerator, denominator);
    const QChar separator = m_program.platform().decimalSeparator();
    TValueEntry& entry = m_program.conversion().entry();
    entry.EditMetrique->setText(numbertext::formatGeneral(size.millimetres, separator) + u" mm"_s);
    entry.EditAnglo->setText(numbertext::formatGeneral(size.inches, separator));
}

void TfrmcleDlg::exportlistecle()
{
    static const QString fileName = u"cle_us_uk.rtf"_s;
    TWinControlForm1& reports = m_program.reports();
    TWinControlForm1::setCaption(reports.QRLabelCol1, wrench::pageColumnMm());
    TWinControlForm1::setCaption(reports.QRLabelCol2, wrench::pageColumnInch());
    TWinControlForm1::setCaption(reports.QRLabelInfo, wrench::pageInfo());
    TWinControlForm1::setCaption(reports.QRLabel1, wrench::pageTitle());
    reports.setFill(QColor::fromRgb(wrench::pageFill));

    reports.empty(reports.QuickRepTableau1);
    const bool exporting = RadioButton3->isChecked();
    Platform& platform = m_program.platform();
    wrench::writeListing(RichEdit1, exporting, platform.decimalSeparator());
    RichEdit1.saveRichText(platform, fileName);
    if (exporting)
        ListingDocument::openWithShell(platform, fileName);
    else if (RadioButton2->isChecked())
        reports.previewOnPage(reports.QuickRepTableau1, fileName);
}

void TfrmcleDlg::Label9Click()
{
    m_program.platform().shellOpen(m_program.homePage());
    reject();
}

} // namespace mirandel
