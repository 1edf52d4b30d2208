#pragma once

class QPrinter;

// The print dialog, apart from the engine's platform because it needs a
// printer. The real one is Qt's (the default printer preselected); tests
// install their own with setPrintDialog().
class PrintDialog
{
public:
    virtual ~PrintDialog() = default;
    // Shows the dialog for `printer`; true when the user confirms.
    virtual bool run(QPrinter *printer) = 0;
};

// The print dialog in use: Qt's unless a test installed another.
PrintDialog &printDialog();
// Installs a print dialog (not owned); nullptr restores Qt's.
void setPrintDialog(PrintDialog *replacement);
