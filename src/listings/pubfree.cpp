#include "listings/pubfree.h"

#include "app/program.h"
#include "common/numbertext.h"
#include "common/rounding.h"
#include "listings/generators.h"
#include "listings/listingdocument.h"
#include "platform/guard.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/creditlabel.h"
#include "widgets/picture.h"
#include "widgets/shape.h"

#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

namespace {

// Typing limits of From, To and Step; text written by the program is not limited.
int typedLimit(int index)
{
    return index == 2 ? 4 : 7;
}

QFont msSansSerif(int pointSize, bool bold = false)
{
    QFont font(u"MS Sans Serif"_s, pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

TPub::TPub(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(u"TPub"_s);
    windowkit::setupFixedWindow(this, u"MIRANDEL"_s, {335, 217}, windowkit::TitleButtons::None);
    setFont(msSansSerif(8));
    buildAboutFace();
    buildRangePanel();
}

QString TPub::temperatureTitle()
{
    return u"TEMPERATURES °F<>°C"_s;
}

QString TPub::atmosphereTitle()
{
    return u"Listing standard atmosphere"_s;
}

void TPub::buildAboutFace()
{
    auto* panel = place<QFrame>(this, u"Panel1"_s, {0, 0, 335, 217});
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    place<TPicture>(this, u"Image2"_s, {124, 7, 41, 38}, u":/icons/mirandel.svg"_s);
    Label5 = place<QLabel>(this, u"Label5"_s, {88, 55, 160, 18},
                           u"MIRANDEL  version "_s + QStringLiteral(MIRANDEL_VERSION));
    Label5->setFont(windowkit::arial(10));
    OKButton = place<QPushButton>(this, u"OKButton"_s, {104, 86, 81, 25}, u"OK"_s);
    OKButton->setDefault(true);
    Label6 = place<TCreditLabel>(this, u"Label6"_s, {86, 118, 120, 16}, u"MIRANDEL user guide"_s);
    QFont bold = font();
    bold.setBold(true);
    Label6->setFont(bold);
    windowkit::setTextColour(Label6, QColor(0x80, 0x00, 0x00));
    Label1 = place<QLabel>(this, u"Label1"_s, {56, 136, 230, 16},
                           u"Développement : BELVANE PRODUCTION"_s);
    Label8 = place<QLabel>(this, u"Label8"_s, {96, 155, 180, 16},
                           u"Edition du "_s + QStringLiteral(MIRANDEL_BUILD_DATE));
    Label9 = place<TCreditLabel>(this, u"Label9"_s, {43, 179, 202, 14}, u"BELVANE PRODUCTION"_s);
    Label9->setFont(windowkit::arial(8));
    auto* rule = place<QFrame>(this, u"Bevel1"_s, {46, 192, 198, 2});
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    for (TCreditLabel* label : {Label6, Label9}) {
        label->setToolTip(u"Connection sur le site BELVANE PRODUCTION"_s);
        connect(label, &TCreditLabel::clicked, this, &TPub::openHomePage);
    }
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TPub::buildRangePanel()
{
    PanelTableau = place<QWidget>(this, u"PanelTableau"_s, {25, 46, 289, 128});
    PanelTableau->setAutoFillBackground(true);
    auto* shape = place<TShape>(PanelTableau, u"Shape1"_s, {7, 26, 178, 96});
    shape->setBrushColor(QColor(0xD9, 0xD0, 0xB0));
    LabelTitre = place<QLabel>(PanelTableau, u"LabelTitre"_s, {7, 7, 274, 16}, u"Listing"_s);
    QFont title = windowkit::arial(10, true);
    LabelTitre->setFont(title);

    const QFont labels = windowkit::arial(10);
    const QFont fields = windowkit::arial(8);
    auto label = [&](const QString& name, QPoint at, const QString& text) {
        auto* l = place<QLabel>(PanelTableau, name, {at, QSize(170, 18)}, text);
        l->setFont(labels);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    label(u"Label4"_s, {16, 35}, u"From                Unit(s)"_s);
    label(u"Label7"_s, {36, 61}, u"to               Units "_s);
    label(u"Label3"_s, {56, 93}, u"Step            Unit(s )"_s);
    Edit1 = place<QLineEdit>(PanelTableau, u"Edit1"_s, {49, 34, 54, 20}, u"1"_s);
    Edit2 = place<QLineEdit>(PanelTableau, u"Edit2"_s, {50, 60, 53, 21}, u"100"_s);
    Edit3 = place<QLineEdit>(PanelTableau, u"Edit3"_s, {84, 90, 41, 21}, u"1"_s);
    Edit1->setAccessibleName(u"From"_s);
    Edit2->setAccessibleName(u"To"_s);
    Edit3->setAccessibleName(u"Step"_s);
    for (QLineEdit* field : {Edit1, Edit2, Edit3}) {
        field->setFont(fields);
        field->installEventFilter(this);
    }

    RadioButton1 =
        place<QRadioButton>(PanelTableau, u"RadioButton1"_s, {195, 26, 84, 17}, u"Preview"_s);
    RadioButton2 =
        place<QRadioButton>(PanelTableau, u"RadioButton2"_s, {196, 44, 69, 17}, u"Export"_s);
    RadioButton1->setChecked(true);
    Button2 = place<QPushButton>(PanelTableau, u"Button2"_s, {202, 68, 73, 24}, u"Apply"_s);
    Button1 = place<QPushButton>(PanelTableau, u"Button1"_s, {202, 97, 73, 23}, u"Cancel"_s);
    for (QWidget* control :
         std::initializer_list<QWidget*>{RadioButton1, RadioButton2, Button2, Button1})
        control->setFont(fields);
    Button2->setCursor(Qt::PointingHandCursor);
    Button1->setCursor(Qt::PointingHandCursor);
    Button2->setAutoDefault(false);
    Button1->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, &TPub::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Button2);
    setTabOrder(Button2, Button1);
    setTabOrder(Button1, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    PanelTableau->hide();
}

void TPub::setListingRange(const QString& from, const QString& to, const QString& step)
{
    if (!from.isNull())
        Edit1->setText(from);
    if (!to.isNull())
        Edit2->setText(to);
    if (!step.isNull())
        Edit3->setText(step);
}

void TPub::setTitle(const QString& title)
{
    LabelTitre->setText(title);
}

QString TPub::title() const
{
    return LabelTitre->text();
}

void TPub::showRangePanel(bool visible)
{
    PanelTableau->setVisible(visible);
    // OK lies under the range panel: Tab must not reach it there.
    OKButton->setFocusPolicy(visible ? Qt::NoFocus : Qt::StrongFocus);
}

bool TPub::exportMode() const
{
    return RadioButton2->isChecked();
}

void TPub::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    windowkit::centreOnScreen(this);
    OKButton->setFocus();
    if (PanelTableau->isVisible())
        Edit1->setFocus();
}

void TPub::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button: "Apply" once Enter in Step has moved there, or
    // "Cancel". On the Preview or Export choice it presses "Apply": OK, the default button,
    // lies under the range panel. On the about face it presses OK.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && PanelTableau->isVisible() && qobject_cast<QRadioButton*>(focusWidget())) {
        event->accept();
        Button2->click();
        return;
    }
    if (!qobject_cast<QPushButton*>(focusWidget()) ||
        !windowkit::enterPressesFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

bool TPub::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && (field == Edit1 || field == Edit2 || field == Edit3)) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return fieldKeyPress(field, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            fieldKeyRelease(field);
            break;
        case QEvent::FocusOut:
            fieldExit(field);
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TPub::fieldKeyPress(QLineEdit* field, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        field->clear();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (field == Edit1   ? static_cast<QWidget*>(Edit2)
         : field == Edit2 ? static_cast<QWidget*>(Edit3)
                          : static_cast<QWidget*>(Button2))
            ->setFocus();
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
    const bool accepted = (c >= u'0' && c <= u'9') || (c == u'-' && field == Edit1);
    if (!accepted) {
        m_program.platform().beep();
        return true;
    }
    const int index = field == Edit1 ? 0 : field == Edit2 ? 1 : 2;
    return field->text().size() - field->selectedText().size() >= typedLimit(index);
}

void TPub::fieldKeyRelease(QLineEdit* field)
{
    if (field == Edit1 && field->text() == u"--")
        field->clear();
}

void TPub::fieldExit(QLineEdit* field)
{
    const QString text = field->text();
    if (field == Edit1 && (text.isEmpty() || text == u"-" || text == u"0"))
        field->setText(u"1"_s);
    else if (field == Edit2 && (text.isEmpty() || text == u"0"))
        field->setText(u"100"_s);
    else if (field == Edit3 && (text.isEmpty() || text.count(u'0') == text.size()))
        field->setText(u"1"_s);
}

void TPub::openHomePage()
{
    m_program.platform().shellOpen(m_program.homePage());
    reject();
}

std::optional<qint64> TPub::rowCount(qint64 from, qint64 to, qint64 step)
{
    if (from > to)
        return 1;
    if (step <= 0)
        return std::nullopt;
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 span = 0;
    if (__builtin_sub_overflow(to, from, &span) || span / step == largest)
        return largest; // past any capacity
    return span / step + 1;
}

void TPub::Button2Click()
{
    const bool done = guarded(m_program.platform(), this, [this] { runListing(); });
    if (done)
        accept();
}

void TPub::runListing()
{
    const QChar separator = m_program.platform().decimalSeparator();
    auto whole = [separator](const QLineEdit* field) {
        return rounding::toInt64(numbertext::parseFloat(field->text(), separator));
    };
    const qint64 from = whole(Edit1);
    const qint64 to = whole(Edit2);
    const qint64 step = whole(Edit3);
    const std::optional<qint64> rows = rowCount(from, to, step);
    if (!rows || *rows > maximumRows) {
        m_program.platform().showMessage(
            this, u"MIRANDEL"_s, u"out of capacity\nlisting over 3000 lines over 33 pages"_s);
        return;
    }
    const QString folder = m_program.platform().programFolder();
    if (title() == temperatureTitle()) {
        m_program.listings().temperature();
    } else if (title() == atmosphereTitle()) {
        m_program.listings().atmosphere();
        if (exportMode())
            m_program.platform().showMessage(
                this, u"MIRANDEL"_s,
                u"Le Format exporté [atmospheres.csv] a été copié \n dans Le répertoire "_s +
                    QDir::toNativeSeparators(QDir(folder).absolutePath() + u"/"_s) +
                    u"atmospheres.csv"_s);
        return;
    } else {
        m_program.listings().conversion();
    }
    if (exportMode())
        ListingDocument::openWithShell(m_program.platform(), u"conversion.rtf"_s);
}

} // namespace mirandel
