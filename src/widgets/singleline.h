#pragma once

// Single-line fields keep no line break: text pasted or dropped with one (a spreadsheet
// cell copied with its line end) loses it before anyone reads the field.

class QWidget;

namespace mirandel::singleline {

// Gives every line edit under `root` (but the field of a spin box or date edit, which
// validates its own) a validator that removes line breaks and then applies the field's
// own validator, if any. A field given one already keeps it.
void keepFieldsOnOneLine(QWidget* root);

} // namespace mirandel::singleline
