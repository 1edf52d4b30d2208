#include "widgets/app/ProgramWindows.h"

#include "widgets/app/TfrmAvvio.h"
#include "widgets/app/TfrmCambiaPassword.h"
#include "widgets/app/TfrmPassword.h"
#include "widgets/contracts/TfrmContratti.h"
#include "widgets/landlords/TfrmLocatori.h"
#include "widgets/receipts/TfrmMenuRicevute.h"
#include "widgets/receipts/TfrmRicevuta.h"
#include "widgets/tenants/TfrmConduttori.h"

ProgramWindows::ProgramWindows()
    : m_password(std::make_unique<TfrmPassword>())
{
    m_password->setHomeWindowSource([this] { return frmAvvio(); });
    m_password->setChangePasswordWindowSource([this] { return frmCambiaPassword(); });
}

// The windows go in the reverse order of their members: the module windows
// before the home window they point back to.
ProgramWindows::~ProgramWindows() = default;

TfrmCambiaPassword *ProgramWindows::frmCambiaPassword()
{
    if (!m_changePassword) {
        m_changePassword = std::make_unique<TfrmCambiaPassword>();
        m_changePassword->setSignInWindow(m_password.get());
    }
    return m_changePassword.get();
}

TfrmAvvio *ProgramWindows::frmAvvio()
{
    if (!m_home) {
        m_home = std::make_unique<TfrmAvvio>();
        m_home->setModuleSource(1, [this] { return frmLocatori(); });
        m_home->setModuleSource(2, [this] { return frmConduttori(); });
        m_home->setModuleSource(3, [this] { return frmContratti(); });
        m_home->setModuleSource(4, [this] { return frmMenuRicevute(); });
    }
    return m_home.get();
}

TfrmRicevuta *ProgramWindows::frmRicevuta()
{
    if (!m_receipts) {
        m_receipts = std::make_unique<TfrmRicevuta>();
        m_receipts->setHomeWindow(frmAvvio());
    }
    return m_receipts.get();
}

TfrmMenuRicevute *ProgramWindows::frmMenuRicevute()
{
    if (!m_receiptYear) {
        m_receiptYear = std::make_unique<TfrmMenuRicevute>();
        m_receiptYear->setHomeWindow(frmAvvio());
        // The year window hands its year straight to the receipt window.
        m_receiptYear->setReceiptWindow(frmRicevuta());
    }
    return m_receiptYear.get();
}

TfrmContratti *ProgramWindows::frmContratti()
{
    if (!m_contracts) {
        m_contracts = std::make_unique<TfrmContratti>();
        m_contracts->setHomeWindow(frmAvvio());
    }
    return m_contracts.get();
}

TfrmLocatori *ProgramWindows::frmLocatori()
{
    if (!m_landlords) {
        m_landlords = std::make_unique<TfrmLocatori>();
        m_landlords->setHomeWindow(frmAvvio());
    }
    return m_landlords.get();
}

TfrmConduttori *ProgramWindows::frmConduttori()
{
    if (!m_tenants) {
        m_tenants = std::make_unique<TfrmConduttori>();
        m_tenants->setHomeWindow(frmAvvio());
    }
    return m_tenants.get();
}

void ProgramWindows::start()
{
    m_password->show();
}
