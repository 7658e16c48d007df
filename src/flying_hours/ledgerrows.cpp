// The calculator's row operations: the up and down steps and the click on a display line
// (row selection), the add and delete actions and the category action of the radio
// buttons. Selecting a row does not recompute by itself; turning on a radio button that
// was off runs the category action, which does.

#include "flying_hours/calculhrs.h"

#include "flying_hours/hoursentry.h"
#include "flying_hours/ledger.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace mirandel {

using namespace Qt::StringLiterals;

void Tfrmcalculhrs::ToolButtonhautClick()
{
    if (m_columns->count() > 0)
        selectRow(std::max(m_columns->selected() - 1, 0));
}

void Tfrmcalculhrs::ToolButtonbasClick()
{
    if (m_columns->count() > 0)
        selectRow(std::min(m_columns->selected() + 1, m_columns->count() - 1));
}

void Tfrmcalculhrs::ListBoxtextClick(int row)
{
    if (row >= 0 && row < m_columns->count())
        selectRow(row);
}

void Tfrmcalculhrs::selectRow(int row)
{
    m_columns->select(row);
    loadRow(row);
    EditHrs->setFocus();
}

void Tfrmcalculhrs::loadRow(int row)
{
    const ledger::Row values = m_columns->row(row);
    m_entry->setFields(values.hours, values.minutes, values.landings);
    LABELVOL->setText(values.category);
    turnOnCategory(values.category);
}

void Tfrmcalculhrs::turnOnCategory(const QString& category)
{
    if (category == ledger::vfr())
        RadioButtonvfr->setChecked(true);
    else if (category == ledger::ifr())
        RadioButtonifr->setChecked(true);
    else if (category == ledger::night())
        RadioButtonnuit->setChecked(true);
}

void Tfrmcalculhrs::categoryAction(const QString& category)
{
    LABELVOL->setText(category);
    const int row = m_columns->selected();
    if (row >= 0)
        m_columns->setCategory(row, category);
    recompute();
    EditHrs->setFocus();
}

void Tfrmcalculhrs::RadioButtonvfrClick()
{
    categoryAction(ledger::vfr());
}

void Tfrmcalculhrs::RadioButtonnuitClick()
{
    categoryAction(ledger::night());
}

void Tfrmcalculhrs::RadioButtonifrClick()
{
    categoryAction(ledger::ifr());
}

void Tfrmcalculhrs::add(const QString& sign)
{
    const QString category = LABELVOL->text();
    m_columns->append({sign, u"0"_s, u"0"_s, u"0"_s, category},
                      ledger::unformattedLine(sign, category));
    m_columns->select(m_columns->count() - 1);
    m_entry->setFields(u"0"_s, u"0"_s, u"0"_s);
    m_entry->focusHours();
}

void Tfrmcalculhrs::ToolButtonplusClick()
{
    add(ledger::plus());
}

void Tfrmcalculhrs::ToolButtonmoinsClick()
{
    add(ledger::minus());
}

void Tfrmcalculhrs::ToolButtondeleteClick()
{
    const int selected = m_columns->selected();
    const int previous = std::max(selected - 1, 0);
    if (m_columns->count() > 1 && selected >= 0)
        m_columns->remove(selected);
    m_columns->select(previous);
    loadRow(previous);
    recompute();
    EditHrs->setFocus();
}

} // namespace mirandel
