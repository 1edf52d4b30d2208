#pragma once

class QApplication;

// The program's start: process-wide formats, the windows that live for the
// whole run, the sign-in window first.
namespace Startup {

// Sets the formats every window relies on: dates as dd/mm/yyyy, the comma
// as decimal separator.
void setProcessFormats();

int run(QApplication &application);

} // namespace Startup
