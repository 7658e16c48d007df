#include "listings/pubfree.h"

#include "platform/windowkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mirandel {

using namespace Qt::StringLiterals;
using windowkit::place;

TPub::TPub(Program& program, QWidget* parent) : QDialog(parent), m_program(program)
{
    setObjectName(u"TPub"_s);
    windowkit::setupFixedWindow(this, u"MIRANDEL"_s, {335, 217}, windowkit::TitleButtons::None);
    OKButton = place<QPushButton>(this, u"OKButton"_s, {104, 86, 81, 25}, u"OK"_s);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    PanelTableau = place<QWidget>(this, u"PanelTableau"_s, {25, 46, 289, 128});
    PanelTableau->setAutoFillBackground(true);
    LabelTitre = place<QLabel>(PanelTableau, u"LabelTitre"_s, {7, 7, 274, 16}, u"Listing"_s);
    Edit1 = place<QLineEdit>(PanelTableau, u"Edit1"_s, {49, 34, 54, 20}, u"1"_s);
    Edit2 = place<QLineEdit>(PanelTableau, u"Edit2"_s, {50, 60, 53, 21}, u"100"_s);
    Edit3 = place<QLineEdit>(PanelTableau, u"Edit3"_s, {84, 90, 41, 21}, u"1"_s);
    RadioButton1 =
        place<QRadioButton>(PanelTableau, u"RadioButton1"_s, {195, 26, 84, 17}, u"Preview"_s);
    RadioButton2 =
        place<QRadioButton>(PanelTableau, u"RadioButton2"_s, {196, 44, 69, 17}, u"Export"_s);
    RadioButton1->setChecked(true);
    Button2 = place<QPushButton>(PanelTableau, u"Button2"_s, {202, 68, 73, 24}, u"Apply"_s);
    Button1 = place<QPushButton>(PanelTableau, u"Button1"_s, {202, 97, 73, 23}, u"Cancel"_s);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
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
}

} // namespace mirandel
