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

// The windows that live for the whole run, created in their order and wired
// together: sign-in, change password, home and the module windows.
class ProgramWindows
{
public:
    ProgramWindows();
    ~ProgramWindows();

    TfrmPassword *frmPassword() const { return m_password.get(); }
    TfrmCambiaPassword *frmCambiaPassword() const { return m_changePassword.get(); }
    TfrmAvvio *frmAvvio() const { return m_home.get(); }
    TfrmMenuRicevute *frmMenuRicevute() const { return m_receiptYear.get(); }
    TfrmRicevuta *frmRicevuta() const { return m_receipts.get(); }
    TfrmContratti *frmContratti() const { return m_contracts.get(); }
    TfrmLocatori *frmLocatori() const { return m_landlords.get(); }
    TfrmConduttori *frmConduttori() const { return m_tenants.get(); }

    // Shows the sign-in window, the first of the program.
    void start();

private:
    std::unique_ptr<TfrmPassword> m_password;
    std::unique_ptr<TfrmCambiaPassword> m_changePassword;
    std::unique_ptr<TfrmAvvio> m_home;
    std::unique_ptr<TfrmMenuRicevute> m_receiptYear;
    std::unique_ptr<TfrmRicevuta> m_receipts;
    std::unique_ptr<TfrmContratti> m_contracts;
    std::unique_ptr<TfrmLocatori> m_landlords;
    std::unique_ptr<TfrmConduttori> m_tenants;
};
