#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Where the printed summary of the list windows plugs in: the report
// engine's (SummaryPrinter) unless another is installed. Without one the
// list windows keep their Stampa and Anteprima buttons disabled, so that no
// button ever does nothing.
namespace SummaryPrinting {

enum class Output { Printer, Preview };

// Prints (through the print dialog) or previews the summary titled `title`
// of `lines`, in list order; the list window stays open.
using Printer = std::function<void(QWidget *listWindow, const QString &title,
                                   const QStringList &lines, Output output)>;

// Installs the printer; an empty one removes it.
void install(Printer printer);
bool isInstalled();
void print(QWidget *listWindow, const QString &title, const QStringList &lines, Output output);

} // namespace SummaryPrinting
