#include "app/ProgramWindows.h"

#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "landlords/TfrmLocatori.h"

ProgramWindows::ProgramWindows()
    : m_password(std::make_unique<TfrmPassword>())
    , m_changePassword(std::make_unique<TfrmCambiaPassword>())
    , m_home(std::make_unique<TfrmAvvio>())
    , m_landlords(std::make_unique<TfrmLocatori>())
{
    m_password->setHomeWindow(m_home.get());
    m_password->setChangePasswordWindow(m_changePassword.get());
    m_changePassword->setSignInWindow(m_password.get());

    m_landlords->setHomeWindow(m_home.get());
    m_home->setModuleWindow(1, m_landlords.get());
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start()
{
    m_password->show();
}
