#include "workbench/convers.h"

#include "app/program.h"
#include "atmosphere/atmos.h"
#include "flying_hours/calculhrs.h"
#include "listings/Tableau.h"
#include "listings/pubfree.h"
#include "platform/platform.h"
#include "platform/windowkit.h"
#include "widgets/closeupcombo.h"
#include "widgets/creditlabel.h"
#include "widgets/picture.h"
#include "widgets/shape.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"
#include "wrench/cleangl.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using catalogue::Direction;
using windowkit::place;

TFrmConversion::TFrmConversion(Program& program) : m_program(program)
{
    setObjectName(u"TFrmConversion"_s);
    setWindowTitle(u"Conversion d'unités de mesure"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(windowkit::arial(8));

    auto* client = new QWidget(this);
    client->setObjectName(u"ClientArea"_s);
    client->setFixedSize(543, 332);
    setCentralWidget(client);
    buildClientArea(client);
    buildToolBars(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TFrmConversion::~TFrmConversion() = default;

void TFrmConversion::buildClientArea(QWidget* client)
{
    Image3 =
        place<TPicture>(client, u"Image3"_s, {57, 51, 147, 97}, u":/pictures/illustration.svg"_s);
    Label10 = place<TCreditLabel>(client, u"Label10"_s, {11, 147, 232, 18},
                                  u"Application offered by TALMORE"_s);
    Label10->setToolTip(u"A propos"_s);
    connect(Label10, &TCreditLabel::clicked, this, &TFrmConversion::Label10Click);

    auto* infos = place<QLabel>(client, u"Label5"_s, {50, 197, 28, 13}, u"Infos"_s);
    auto* conversions = place<QLabel>(client, u"Label1"_s, {80, 197, 80, 13}, u"Conversions"_s);
    Q_UNUSED(infos);
    Q_UNUSED(conversions);
    Memo1 = place<QPlainTextEdit>(client, u"Memo1"_s, {46, 210, 168, 79});
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(u"Infos"_s);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setFocusPolicy(Qt::StrongFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    windowkit::setBackground(Memo1, QColor(0xDC, 0xD7, 0xB6));
    Memo1->setPlainText(catalogue::startupReference());
    Memo1->installEventFilter(this);

    PanelCorrection = new TKerosenePanel(client, m_program);
    PanelCorrection->setGeometry(10, 167, 241, 164);
    PanelCorrection->hide();

    Image1 = place<TPicture>(client, u"Image1"_s, {264, 0, 19, 332}, u":/pictures/strip.svg"_s);

    auto* frame = place<TShape>(client, u"Shape7"_s, {299, 47, 222, 90});
    frame->setBrushColor(QColor(0xEA, 0xE8, 0xD5));
    frame->setPenColor(Qt::gray);

    auto* units = place<QLabel>(client, u"Label2"_s, {321, 60, 30, 13}, u"Units"_s);
    Q_UNUSED(units);
    ComboBoxConverse = place<TCloseUpComboBox>(client, u"ComboBoxConverse"_s, {352, 55, 156, 21});
    ComboBoxConverse->setEditable(true);
    ComboBoxConverse->setAccessibleName(u"Units"_s);
    ComboBoxConverse->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxConverse->setMaxVisibleItems(10);
    QFont bold = font();
    bold.setBold(true);
    ComboBoxConverse->setFont(bold);
    windowkit::setBackground(ComboBoxConverse, QColor(0xDC, 0xD7, 0xB6));
    ComboBoxConverse->addItem(catalogue::startupPairCaption());
    ComboBoxConverse->setCurrentIndex(-1);
    connect(ComboBoxConverse, &TCloseUpComboBox::closedUp, this,
            &TFrmConversion::ComboBoxConverseCloseUp);
    // A pair caption typed into the box, an arrow key or the wheel moves the current pair
    // too: it gets the same set-up, so the labels and the reference text follow the factors.
    connect(ComboBoxConverse, &TCloseUpComboBox::chosenInTheBox, this,
            &TFrmConversion::ComboBoxConverseCloseUp);

    LabelSaisieAnglo = place<QLabel>(client, u"LabelSaisieAnglo"_s, {297, 86, 51, 16},
                                     catalogue::startupTopLabel());
    LabelsaisieMet = place<QLabel>(client, u"LabelsaisieMet"_s, {297, 108, 51, 16},
                                   catalogue::startupBottomLabel());
    for (QLabel* label : {LabelSaisieAnglo, LabelsaisieMet}) {
        label->setFont(bold);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    TValueEntry::Context context;
    context.lookup = [this](Direction direction) { return lookup(direction); };
    context.listingDefaults = [this](const QString& from, const QString& to, const QString& step) {
        m_program.pub().setListingRange(from, to, step);
    };
    context.closeWindow = [this] { close(); };
    m_entry = new TValueEntry(client, m_program.platform(), std::move(context));

    ButtonTableau =
        place<QPushButton>(client, u"ButtonTableau"_s, {315, 150, 156, 22}, u"Preview"_s);
    ButtonTableau->setToolTip(u"Editer tableau"_s);
    connect(ButtonTableau, &QPushButton::clicked, this, &TFrmConversion::ButtonTableauClick);

    Label4 = place<TCreditLabel>(client, u"Label4"_s, {304, 313, 202, 14}, u"BELVANE PRODUCTION"_s);
    Label4->setToolTip(u"A propos"_s);
    connect(Label4, &TCreditLabel::clicked, this, &TFrmConversion::Label8Click);

    Paneltemp = new TTemperaturePanel(client, m_program);
    Paneltemp->setGeometry(3, 0, 538, 332);
    Paneltemp->hide();
}

QToolButton* TFrmConversion::toolButton(QToolBar* bar, const QString& name, const QString& icon,
                                        const QString& hint)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setIcon(svgIcon(u":/icons/"_s + icon + u".svg"_s));
    button->setIconSize({24, 24});
    button->setFixedSize(32, 32);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    return button;
}

void TFrmConversion::buildToolBars(QWidget* client)
{
    ToolBar1 = place<QToolBar>(client, u"ToolBar1"_s, {21, 0, 241, 39});
    ToolButton5 = toolButton(ToolBar1, u"ToolButton5"_s, u"lengths"_s, u"Lengths"_s);
    ToolButton8 = toolButton(ToolBar1, u"ToolButton8"_s, u"weight"_s, u"Weight"_s);
    ToolButton9 = toolButton(ToolBar1, u"ToolButton9"_s, u"pressure"_s, u"Pressure"_s);
    ToolButton6 = toolButton(ToolBar1, u"ToolButton6"_s, u"temperature"_s, u"Températures"_s);
    ToolButton3 = toolButton(ToolBar1, u"ToolButton3"_s, u"wrench"_s, u"Wrench/Diameter  cables"_s);
    ToolButton4 =
        toolButton(ToolBar1, u"ToolButton4"_s, u"kerosene"_s, u"Mass / volume kérosène"_s);
    connect(ToolButton5, &QToolButton::clicked, this, &TFrmConversion::ToolButton5Click);
    connect(ToolButton8, &QToolButton::clicked, this, &TFrmConversion::ToolButton8Click);
    connect(ToolButton9, &QToolButton::clicked, this, &TFrmConversion::ToolButton9Click);
    connect(ToolButton6, &QToolButton::clicked, this, &TFrmConversion::ToolButton6Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TFrmConversion::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TFrmConversion::ToolButton4Click);

    ToolBar2 = place<QToolBar>(client, u"ToolBar2"_s, {288, 0, 256, 39});
    ToolButton2 = toolButton(ToolBar2, u"ToolButton2"_s, u"flying_hours"_s, u"Flying hours"_s);
    auto* panel = new QWidget(ToolBar2);
    panel->setObjectName(u"PanelUniteDe"_s);
    panel->setFixedSize(170, 32);
    ComboBoxUniteDe = place<QComboBox>(panel, u"ComboBoxUniteDe"_s, {4, 5, 162, 22});
    ComboBoxUniteDe->addItems(catalogue::categoryCaptions());
    ComboBoxUniteDe->setCurrentIndex(-1);
    ComboBoxUniteDe->setMaxVisibleItems(15);
    ComboBoxUniteDe->setAccessibleName(u"Category"_s);
    windowkit::setBackground(ComboBoxUniteDe, QColor(0xA2, 0xCC, 0xA2));
    ToolBar2->addWidget(panel);
    ToolButton7 = toolButton(ToolBar2, u"ToolButton7"_s, u"calculator"_s, u"Computer"_s);
    connect(ToolButton2, &QToolButton::clicked, this, &TFrmConversion::CalculetteHrsmin1Click);
    connect(ToolButton7, &QToolButton::clicked, this, &TFrmConversion::Button5Click);
    connect(ComboBoxUniteDe, &QComboBox::activated, this, &TFrmConversion::ComboBoxUniteDeClick);

    ToolBar1->raise();
    ToolBar2->raise();
}

void TFrmConversion::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(u"MainMenu1"_s);
    auto item = [this](QMenu* menu, const QString& name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* units = bar->addMenu(u"Mesuring units ..  "_s);
    units->setObjectName(u"Mesuringunits1"_s);
    item(units, u"Lengths1"_s, u"Lengths"_s, &TFrmConversion::ToolButton5Click);
    item(units, u"Weight1"_s, u"Weight"_s, &TFrmConversion::ToolButton8Click);
    item(units, u"Pressure1"_s, u"Pressure"_s, &TFrmConversion::ToolButton9Click);
    item(units, u"Temperature1"_s, u"Temperature"_s, &TFrmConversion::ToolButton6Click);
    item(units, u"Volumes1"_s, u"Volumes"_s, &TFrmConversion::ToolButton2Click);
    item(units, u"N2"_s, u"------------"_s, [] {});
    item(units, u"Units1"_s, u"Else"_s, &TFrmConversion::Units1Click);

    QMenu* special = bar->addMenu(u"Spécial   "_s);
    special->setObjectName(u"Spcial1"_s);
    item(special, u"CalculetteHrsmin1"_s, u"Flying hours"_s,
         &TFrmConversion::CalculetteHrsmin1Click);
    item(special, u"ClsDiamcable1"_s, u"Wrench/Diameter  cables"_s,
         [this] { ToolButton3->click(); });
    item(special, u"Massevolumekrosne1"_s, u"Mass / volume kérosène"_s,
         [this] { ToolButton4->click(); });
    item(special, u"abledamospherestandard1"_s, u"Standard amosphere"_s,
         &TFrmConversion::abledamospherestandard1Click);

    QAction* preview = bar->addAction(u"Preview"_s);
    preview->setObjectName(u"Editiondetableau1"_s);
    connect(preview, &QAction::triggered, this, &TFrmConversion::Editiondetableau1Click);
    QAction* about = bar->addAction(u"?"_s);
    about->setObjectName(u"Apropos1"_s);
    connect(about, &QAction::triggered, this, &TFrmConversion::Label4Click);
}

int TFrmConversion::categoryIndex() const
{
    return ComboBoxUniteDe->currentIndex();
}

int TFrmConversion::pairIndex() const
{
    const int index = ComboBoxConverse->currentIndex();
    // Text typed by hand into the pair box leaves no pair selected.
    if (index < 0 || ComboBoxConverse->currentText() != ComboBoxConverse->itemText(index))
        return -1;
    return index;
}

std::optional<catalogue::Factor> TFrmConversion::lookup(Direction direction) const
{
    return catalogue::lookupFactor(categoryIndex(), pairIndex(), direction,
                                   PanelCorrection->factorText(),
                                   m_program.platform().decimalSeparator());
}

bool TFrmConversion::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated)
        FormActivate();
    return QMainWindow::event(event);
}

void TFrmConversion::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    emit closed();
}

void TFrmConversion::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_activated)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_activated)
                    FormActivate();
            },
            Qt::QueuedConnection);
}

void TFrmConversion::FormActivate()
{
    m_activated = true;
    ComboBoxConverse->setCurrentIndex(0);
    ComboBoxUniteDe->setCurrentIndex(catalogue::Mass);
    m_entry->EditAnglo->setFocus();
    m_entry->separatorTrial();
    m_entry->setSource(Direction::Haut, TValueEntry::white(), TValueEntry::beige(), false);
    PanelCorrection->showInitialFactor(m_entry->convention());
}

bool TFrmConversion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            m_entry->sourceToTopKeepingColours();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (categoryIndex() == catalogue::Lengths) {
                m_program.cleDlg().exec();
                Memo1->setFocus();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmConversion::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button ("Preview", the temperature and kerosene steps):
    // the window has no default button, and its buttons leave Enter to it.
    if (!windowkit::enterPressesFocusedButton(this, event))
        QMainWindow::keyPressEvent(event);
}

void TFrmConversion::abledamospherestandard1Click()
{
    m_program.atmosphere().exec();
}

void TFrmConversion::CalculetteHrsmin1Click()
{
    showMinimized();
    m_program.calculhrs().exec();
    showNormal();
}

void TFrmConversion::Button5Click()
{
    m_program.platform().launchCalculator();
}

void TFrmConversion::Units1Click()
{
    ComboBoxUniteDe->showPopup();
}

void TFrmConversion::ButtonTableauClick()
{
    const QString imperial = LabelSaisieAnglo->text();
    const QString metric = LabelsaisieMet->text();
    const QString pair = ComboBoxConverse->currentText();
    TWinControlForm1& reports = m_program.reports();
    reports.setFill(QColor(0xCF, 0xE7, 0xE7));
    TWinControlForm1::setCaption(reports.QRLabelCol1,
                                 u"Conversion: "_s + imperial + u" en "_s + metric);
    TWinControlForm1::setCaption(reports.QRLabelCol2,
                                 u"Conversion: "_s + metric + u" en "_s + imperial);
    TWinControlForm1::setCaption(reports.QRLabelInfo, Memo1->toPlainText());
    if (categoryIndex() == catalogue::Kerosene)
        TWinControlForm1::setCaption(reports.QRLabel1,
                                     u" Litre/Lbs kerosene:"_s + pair + u"  à  "_s +
                                         PanelCorrection->LabelTempCorrec->text() + u" °C ."_s);
    else
        TWinControlForm1::setCaption(reports.QRLabel1, u"PANEL :"_s + pair);

    TPub& pub = m_program.pub();
    pub.showRangePanel(true);
    pub.setTitle(u"Conversion - "_s + pair);
    pub.exec();
}

void TFrmConversion::Editiondetableau1Click()
{
    if (Paneltemp->isVisible())
        Paneltemp->ButtonTemperatureClick();
    else
        ButtonTableauClick();
}

void TFrmConversion::Label4Click()
{
    TPub& pub = m_program.pub();
    pub.showRangePanel(false);
    pub.exec();
}

void TFrmConversion::Label8Click()
{
    m_program.platform().shellOpen(m_program.homePage());
}

void TFrmConversion::Label10Click()
{
    m_program.platform().shellOpen(m_program.sponsorPage());
}

} // namespace mirandel
