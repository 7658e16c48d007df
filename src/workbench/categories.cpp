// The main window's category handling: the category list pick, the pair pick, the
// category reset and the category actions of the toolbar and menu. Selections made here
// from code never run the pick handlers: those are bound to the user's picks only.

#include "workbench/convers.h"

#include "app/program.h"
#include "widgets/closeupcombo.h"
#include "workbench/kerosenepanel.h"
#include "workbench/temperaturepanel.h"
#include "workbench/valueentry.h"
#include "wrench/cleangl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace mirandel {

using namespace Qt::StringLiterals;
using catalogue::Direction;

void TFrmConversion::setReference(const QString& text)
{
    Memo1->setPlainText(text);
}

void TFrmConversion::setLabels(const QString& top, const QString& bottom)
{
    LabelSaisieAnglo->setText(top);
    LabelsaisieMet->setText(bottom);
}

void TFrmConversion::fillPairs(int category)
{
    ComboBoxConverse->clear();
    ComboBoxConverse->addItems(catalogue::pairCaptions(category));
}

void TFrmConversion::ComboBoxUniteDeClick()
{
    const int category = categoryIndex();
    if (category < 0)
        return;
    ComboBoxConverse->clear();
    m_entry->colourFields(TValueEntry::grey(), TValueEntry::white());
    if (category == catalogue::Temperatures) {
        Paneltemp->setupFromCategoryList();
    } else {
        const catalogue::Category& entry = catalogue::category(category);
        fillPairs(category);
        if (entry.listPickReference)
            setReference(*entry.listPickReference);
        const catalogue::Pair& first = entry.pairs.front();
        setLabels(first.topLabel, first.bottomLabel);
    }
    initialise();
}

void TFrmConversion::initialise()
{
    PanelCorrection->hide();
    Paneltemp->hide();
    const int category = categoryIndex();
    if (category == catalogue::Temperatures)
        Paneltemp->show();
    if (category == catalogue::Kerosene)
        PanelCorrection->show();
    m_entry->resetSource(Direction::Bas, false);
    ComboBoxConverse->setCurrentIndex(ComboBoxConverse->count() > 0 ? 0 : -1);
    // The temperature panel hides the entry fields: the focus goes where the toolbar
    // route puts it, so keys never land in a field the user cannot see.
    if (category == catalogue::Temperatures)
        Paneltemp->focusCelsiusSlider();
    else
        m_entry->EditMetrique->setFocus();
}

void TFrmConversion::ComboBoxConverseCloseUp()
{
    const int category = categoryIndex();
    const int pair = pairIndex();
    if (catalogue::hasSeveralPairs(category) && pair >= 0) {
        const catalogue::Pair& chosen =
            catalogue::category(category).pairs[static_cast<size_t>(pair)];
        setLabels(chosen.topLabel, chosen.bottomLabel);
        if (chosen.pairPickReference)
            setReference(*chosen.pairPickReference);
    }
    m_entry->setSource(Direction::Bas, TValueEntry::grey(), TValueEntry::white(), true);
}

void TFrmConversion::categoryAction(int category, const QString& reference, const QString& top,
                                    const QString& bottom, const QColor& topColour)
{
    fillPairs(category);
    ComboBoxUniteDe->setCurrentIndex(category);
    setReference(reference);
    setLabels(top, bottom);
    m_entry->colourFields(topColour, TValueEntry::white());
    initialise();
}

void TFrmConversion::ToolButton5Click()
{
    categoryAction(catalogue::Lengths, u"1 inch=25,4mm\n1mm=0,03937 inch"_s, u"inch"_s, u"mm"_s,
                   TValueEntry::beige());
}

void TFrmConversion::ToolButton3Click()
{
    ToolButton5Click();
    m_program.cleDlg().exec();
    Memo1->setFocus();
}

void TFrmConversion::ToolButton8Click()
{
    categoryAction(catalogue::Mass, u"1lb = 0,4536 kg \n1Kg= 2,2046 lbs \n1lb=16 oz "_s, u"Lb"_s,
                   u"Kg"_s, TValueEntry::beige());
}

void TFrmConversion::ToolButton2Click()
{
    categoryAction(catalogue::Capacity, u"1 US pint=0,47 l    1l=2,11US pint"_s, u"US pint"_s,
                   u"litres"_s, TValueEntry::grey());
}

void TFrmConversion::ToolButton9Click()
{
    categoryAction(catalogue::Pressure, u"1psi=68,95mb     1bar=14,5psi"_s, u"psi"_s, u"bar"_s,
                   TValueEntry::beige());
}

void TFrmConversion::ToolButton4Click()
{
    categoryAction(catalogue::Kerosene,
                   u"1litre = 1,76368 Lbs    1Lb = 0.56699 litre       à 15°c  "_s, u"LbS"_s,
                   u"Litres"_s, TValueEntry::beige());
}

void TFrmConversion::ToolButton6Click()
{
    Paneltemp->show();
    Paneltemp->setupFromToolbar();
    ComboBoxUniteDe->setCurrentIndex(catalogue::Temperatures);
    Paneltemp->focusCelsiusSlider();
}

} // namespace mirandel
