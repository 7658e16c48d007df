#pragma once

// Helpers for the report tests: a listing written, saved and read back the way the
// listing generators do it.

#include "listings/listingdocument.h"

#include <QString>

namespace mirandel::test {

// A conversion-like listing of `rows` tab-separated rows (in the listing document's
// defaults, as previewed listings are).
void writeRows(ListingDocument& document, int rows);

} // namespace mirandel::test
