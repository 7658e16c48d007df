#pragma once

// Single-line fields keep no line break: text pasted or dropped with one (a spreadsheet
// cell copied with its line end) loses it before anyone reads the field.

class QWidget;

namespace mirandel::singleline {

// Gives every line edit under `root` that has no validator of its own (the inner field of
// a date edit has one) a validator that removes line breaks and accepts everything else.
void keepFieldsOnOneLine(QWidget* root);

} // namespace mirandel::singleline
