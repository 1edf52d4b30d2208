#pragma once

#include <QString>

// The start number of automatic receipt numbering, as the numbering window's
// field holds it.
namespace StartNumber {

// The field's text once the user leaves it: "1" for a blank field; a number
// (digits, optionally followed by ',' and a decimal part) rounded to a whole
// number, halves up, in plain decimal digits ("007" gives "7", "12,5" gives
// "13"); "1" for anything else, including a number beyond 64 bits.
QString afterFocusLoss(const QString &text);

} // namespace StartNumber
