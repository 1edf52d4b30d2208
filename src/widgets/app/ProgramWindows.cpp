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
    , m_changePassword(std::make_unique<TfrmCambiaPassword>())
    , m_home(std::make_unique<TfrmAvvio>())
    , m_receiptYear(std::make_unique<TfrmMenuRicevute>())
    , m_receipts(std::make_unique<TfrmRicevuta>())
    , m_contracts(std::make_unique<TfrmContratti>())
    , m_landlords(std::make_unique<TfrmLocatori>())
    , m_tenants(std::make_unique<TfrmConduttori>())
{
    m_password->setHomeWindow(m_home.get());
    m_password->setChangePasswordWindow(m_changePassword.get());
    m_changePassword->setSignInWindow(m_password.get());

    m_landlords->setHomeWindow(m_home.get());
    m_tenants->setHomeWindow(m_home.get());
    m_contracts->setHomeWindow(m_home.get());
    m_receipts->setHomeWindow(m_home.get());
    m_receiptYear->setHomeWindow(m_home.get());
    m_receiptYear->setReceiptWindow(m_receipts.get());
    m_home->setModuleWindow(1, m_landlords.get());
    m_home->setModuleWindow(2, m_tenants.get());
    m_home->setModuleWindow(3, m_contracts.get());
    m_home->setModuleWindow(4, m_receiptYear.get());
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    m_password->show();
}
