#pragma once

// The six aligned columns of the flight-time ledger, one list each. Only the display list
// `ListBoxtext` is seen; the other five lie hidden under it. Row r is the r-th entry of
// every list and one index is selected in all six at once.

#include "flying_hours/ledger.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QListWidget;
class QWidget;

namespace mirandel {

class TLedgerColumns
{
public:
    // Creates the six lists as children of `parent`, the display list at `geometry`.
    TLedgerColumns(QWidget* parent, const QRect& geometry);

    int count() const;
    // The selected row, -1 when none.
    int selected() const;
    // Selects `row` (-1: no row) in all six lists.
    void select(int row);

    ledger::Row row(int index) const;
    QList<ledger::Row> rows() const;
    QStringList lines() const;

    void append(const ledger::Row& row, const QString& line);
    void remove(int index);
    // Empties the six lists.
    void clear();
    void setValues(int index, const QString& hours, const QString& minutes,
                   const QString& landings);
    void setCategory(int index, const QString& category);
    void setLine(int index, const QString& line);

    QListWidget* ListBoxsymbol;
    QListWidget* ListBoxhrs;
    QListWidget* ListBoxmn;
    QListWidget* ListBoxatt;
    QListWidget* ListBoxvfr;
    QListWidget* ListBoxtext;

private:
    QList<QListWidget*> all() const;
    void addLine(const QString& line);
};

} // namespace mirandel
