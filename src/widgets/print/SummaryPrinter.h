#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The printed summary of a list window on the report engine: landscape A4,
// the title, the lines, the footer with the date. Printed through the
// print dialog, or shown in the preview window (which can also save it as
// PDF, so that a list can be sent by e-mail). The list window stays open.
namespace SummaryPrinter {

void print(QWidget *listWindow, const QString &title, const QStringList &lines);
void preview(QWidget *listWindow, const QString &title, const QStringList &lines);

} // namespace SummaryPrinter
