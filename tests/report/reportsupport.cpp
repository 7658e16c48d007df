#include "reportsupport.h"

using namespace Qt::StringLiterals;

namespace mirandel::test {

void writeRows(ListingDocument& document, int rows)
{
    document.clear();
    document.formatRange(250, 100, {.size = 8, .colour = 0x000000, .bold = false});
    for (int n = 1; n <= rows; ++n)
        document.addLine(u"%1 Lb = %2 Kg\t\t\t\t\t\t\t%1 Kg = %3 Lb"_s.arg(n)
                             .arg(n * 0.454, 0, 'f', 3)
                             .arg(n * 2.205, 0, 'f', 3));
}

} // namespace mirandel::test
