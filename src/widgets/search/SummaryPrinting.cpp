#include "widgets/search/SummaryPrinting.h"

#include "widgets/print/SummaryPrinter.h"

#include <utility>

namespace SummaryPrinting {

namespace {

// The report engine's summary, unless a test installed another.
void reportSummary(QWidget *listWindow, const QString &title, const QStringList &lines, Output output)
{
    if (output == Output::Preview)
        SummaryPrinter::preview(listWindow, title, lines);
    else
        SummaryPrinter::print(listWindow, title, lines);
}

Printer &installed()
{
    static Printer printer = reportSummary;
    return printer;
}

} // namespace

void install(Printer printer)
{
    installed() = std::move(printer);
}

bool isInstalled()
{
    return static_cast<bool>(installed());
}

void print(QWidget *listWindow, const QString &title, const QStringList &lines, Output output)
{
    if (const Printer &printer = installed())
        printer(listWindow, title, lines, output);
}

} // namespace SummaryPrinting
