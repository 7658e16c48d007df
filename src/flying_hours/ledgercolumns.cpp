#include "flying_hours/ledgercolumns.h"

#include <QListWidget>

namespace mirandel {

using namespace Qt::StringLiterals;

namespace {

constexpr int rowHeight = 16;

QListWidget* column(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setFocusPolicy(Qt::NoFocus);
    list->hide();
    return list;
}

} // namespace

TLedgerColumns::TLedgerColumns(QWidget* parent, const QRect& geometry)
{
    ListBoxsymbol = column(parent, u"ListBoxsymbol"_s, geometry);
    ListBoxhrs = column(parent, u"ListBoxhrs"_s, geometry);
    ListBoxmn = column(parent, u"ListBoxmn"_s, geometry);
    ListBoxatt = column(parent, u"ListBoxatt"_s, geometry);
    ListBoxvfr = column(parent, u"ListBoxvfr"_s, geometry);

    // The display list: borderless, right-aligned lines of a fixed height. The lines are
    // Latin text and read left to right: a right-to-left paragraph would carry the sign and
    // the leading number to the far end of the line.
    ListBoxtext = column(parent, u"ListBoxtext"_s, geometry);
    ListBoxtext->setFrameShape(QFrame::NoFrame);
    ListBoxtext->setUniformItemSizes(true);
    ListBoxtext->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxtext->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBoxtext->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The list never takes the focus, so show its selection as clearly as a focused one.
    QPalette palette = ListBoxtext->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    ListBoxtext->setPalette(palette);
    ListBoxtext->show();
}

QList<QListWidget*> TLedgerColumns::all() const
{
    return {ListBoxsymbol, ListBoxhrs, ListBoxmn, ListBoxatt, ListBoxvfr, ListBoxtext};
}

int TLedgerColumns::count() const
{
    return ListBoxtext->count();
}

int TLedgerColumns::selected() const
{
    return ListBoxtext->currentRow();
}

void TLedgerColumns::select(int row)
{
    for (QListWidget* list : all()) {
        list->setCurrentRow(row);
        if (row < 0)
            list->clearSelection();
    }
    if (row >= 0)
        ListBoxtext->scrollToItem(ListBoxtext->item(row));
}

ledger::Row TLedgerColumns::row(int index) const
{
    return {ListBoxsymbol->item(index)->text(), ListBoxhrs->item(index)->text(),
            ListBoxmn->item(index)->text(), ListBoxatt->item(index)->text(),
            ListBoxvfr->item(index)->text()};
}

QList<ledger::Row> TLedgerColumns::rows() const
{
    QList<ledger::Row> result;
    result.reserve(count());
    for (int index = 0; index < count(); ++index)
        result.append(row(index));
    return result;
}

QStringList TLedgerColumns::lines() const
{
    QStringList result;
    for (int index = 0; index < count(); ++index)
        result.append(ListBoxtext->item(index)->text());
    return result;
}

void TLedgerColumns::addLine(const QString& line)
{
    auto* item = new QListWidgetItem(line);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setSizeHint(QSize(0, rowHeight));
    ListBoxtext->addItem(item);
}

void TLedgerColumns::append(const ledger::Row& row, const QString& line)
{
    ListBoxsymbol->addItem(row.sign);
    ListBoxhrs->addItem(row.hours);
    ListBoxmn->addItem(row.minutes);
    ListBoxatt->addItem(row.landings);
    ListBoxvfr->addItem(row.category);
    addLine(line);
}

void TLedgerColumns::remove(int index)
{
    for (QListWidget* list : all())
        delete list->takeItem(index);
}

void TLedgerColumns::clear()
{
    for (QListWidget* list : all())
        list->clear();
}

void TLedgerColumns::setValues(int index, const QString& hours, const QString& minutes,
                               const QString& landings)
{
    ListBoxhrs->item(index)->setText(hours);
    ListBoxmn->item(index)->setText(minutes);
    ListBoxatt->item(index)->setText(landings);
}

void TLedgerColumns::setCategory(int index, const QString& category)
{
    ListBoxvfr->item(index)->setText(category);
}

void TLedgerColumns::setLine(int index, const QString& line)
{
    ListBoxtext->item(index)->setText(line);
}

} // namespace mirandel
