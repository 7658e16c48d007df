#include "listings/tabcolumns.h"

namespace mirandel::tabcolumns {

QList<int> stops(std::initializer_list<Column> columns)
{
    QList<int> twips;
    for (const Column& column : columns)
        for (int k = column.longestRun - 1; k >= 0; --k)
            twips.append(column.twips - k);
    return twips;
}

} // namespace mirandel::tabcolumns
