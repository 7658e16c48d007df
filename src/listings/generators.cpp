#include "listings/generators.h"

namespace mirandel {

void ListingGenerators::conversion() {}

void ListingGenerators::temperature() {}

void ListingGenerators::atmosphere() {}

} // namespace mirandel
