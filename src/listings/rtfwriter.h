#pragma once

// Writes styled text as a Rich Text Format file: \ansi with code page 1252, a font table
// and a colour table of the attributes used, sizes in half points (\fs), \b and \b0,
// \cf, \tab for tab characters and \par for each line break. Characters outside ASCII are
// \'xx in code page 1252, anything outside it \uN with "?" as fallback. The default tab
// width (\deftab) and the text's tab stops (\tx, once for every paragraph) are written so
// word processors put the columns where the report page does, on A4 paper with 10 mm
// margins (\paperw, \paperh, \margl...), wide enough for the report page's lines.

#include "listings/styledtext.h"

#include <QByteArray>

namespace mirandel::rtf {

QByteArray write(const StyledText& text);

} // namespace mirandel::rtf
