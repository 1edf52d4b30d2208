#pragma once

#include <memory>

class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmConduttori;
class TfrmContratti;
class TfrmLocatori;
class TfrmMenuRicevute;
class TfrmRicevuta;
class TfrmPassword;

// The windows that live for the whole run, wired together: sign-in, change
// password, home and the module windows. Only the sign-in window is built
// at start; every other one is built the first time it is reached (through
// its accessor, by the window that shows it) and then kept until the end
// of the run, so the first window appears as soon as a bare window would.
class ProgramWindows
{
public:
    ProgramWindows();
    ~ProgramWindows();

    TfrmPassword *frmPassword() const { return m_password.get(); }
    TfrmCambiaPassword *frmCambiaPassword();
    TfrmAvvio *frmAvvio();
    TfrmMenuRicevute *frmMenuRicevute();
    TfrmRicevuta *frmRicevuta();
    TfrmContratti *frmContratti();
    TfrmLocatori *frmLocatori();
    TfrmConduttori *frmConduttori();

    // Shows the sign-in window, the first of the program.
    void start();

private:
    std::unique_ptr<TfrmPassword> m_password;
    std::unique_ptr<TfrmCambiaPassword> m_changePassword;
    std::unique_ptr<TfrmAvvio> m_home;
    std::unique_ptr<TfrmRicevuta> m_receipts;
    std::unique_ptr<TfrmMenuRicevute> m_receiptYear;
    std::unique_ptr<TfrmContratti> m_contracts;
    std::unique_ptr<TfrmLocatori> m_landlords;
    std::unique_ptr<TfrmConduttori> m_tenants;
};
