#pragma once

// Reads a Rich Text Format file into styled text: the text, tab characters and line
// breaks (\par, \line), per character the font, size, colour and weight, and the tab
// stops (\tx) of the first paragraph, which the text keeps for all its lines. Groups keep
// their own state; unknown control words are passed over and unknown or ignorable
// destinations (\*, stylesheet, info, pictures, headers...) skipped, so files saved by word
// processors read as well as our own. Text that is not RTF is read as plain lines in code
// page 1252. Any input gives a result in time proportional to its size.

#include "listings/styledtext.h"

#include <QByteArray>

namespace mirandel::rtf {

StyledText read(const QByteArray& bytes);

} // namespace mirandel::rtf
