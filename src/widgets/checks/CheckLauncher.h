#pragma once

#include <QString>

class QWidget;

// How the card windows open the check windows: created for one use, the
// value written into the field, shown modally, destroyed.
namespace CheckLauncher {

// A fiscal code made of digits only is a company's, which is its VAT
// number: it opens the VAT number check instead.
void checkFiscalCode(QWidget *owner, const QString &code);
void checkVatNumber(QWidget *owner, const QString &number);

} // namespace CheckLauncher
