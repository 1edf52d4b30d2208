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

namespace {

// The window kept in `slot`, built and wired by `wire` the first time.
template<typename Window, typename Wiring>
Window *builtOnce(std::unique_ptr<Window> &slot, Wiring wire)
{
    if (!slot) {
        slot = std::make_unique<Window>();
        wire(slot.get());
    }
    return slot.get();
}

} // namespace

TfrmCambiaPassword *ProgramWindows::frmCambiaPassword()
{
    return builtOnce(m_changePassword, [this](TfrmCambiaPassword *window) { window->setSignInWindow(m_password.get()); });
}

TfrmAvvio *ProgramWindows::frmAvvio()
{
    return builtOnce(m_home, [this](TfrmAvvio *home) {
        home->setModuleSource(1, [this] { return frmLocatori(); });
        home->setModuleSource(2, [this] { return frmConduttori(); });
        home->setModuleSource(3, [this] { return frmContratti(); });
        home->setModuleSource(4, [this] { return frmMenuRicevute(); });
    });
}

TfrmRicevuta *ProgramWindows::frmRicevuta()
{
    return builtOnce(m_receipts, [this](TfrmRicevuta *window) { window->setHomeWindow(frmAvvio()); });
}

TfrmMenuRicevute *ProgramWindows::frmMenuRicevute()
{
    return builtOnce(m_receiptYear, [this](TfrmMenuRicevute *window) {
        window->setHomeWindow(frmAvvio());
        // The year window hands its year straight to the receipt window.
        window->setReceiptWindow(frmRicevuta());
    });
}

TfrmContratti *ProgramWindows::frmContratti()
{
    return builtOnce(m_contracts, [this](TfrmContratti *window) { window->setHomeWindow(frmAvvio()); });
}

TfrmLocatori *ProgramWindows::frmLocatori()
{
    return builtOnce(m_landlords, [this](TfrmLocatori *window) { window->setHomeWindow(frmAvvio()); });
}

TfrmConduttori *ProgramWindows::frmConduttori()
{
    return builtOnce(m_tenants, [this](TfrmConduttori *window) { window->setHomeWindow(frmAvvio()); });
}

void ProgramWindows::start()
{
    m_password->show();
}
