#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TfrmPassword;

// The change-password window, opened from the sign-in window. It asks for
// the old password and twice for the new one; whenever it closes, by "OK" or
// "Chiudi", the sign-in window comes back with an empty password field.
class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

    // The window shown again when this one closes. Not owned.
    void setSignInWindow(TfrmPassword *window);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdOKClick();
    void updateOkButton();
    // Empties both new-password fields and puts the focus back on the first.
    void restartNewPassword(const QString &message);

    QLabel *m_imgLogo;
    QLabel *m_lblRigo05;
    QLineEdit *m_txtPasswordOld;
    QLabel *m_lblRigo06;
    QLineEdit *m_txtPasswordNew;
    QLabel *m_lblRigo07;
    QLineEdit *m_txtConferma;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdEsci;

    QPointer<TfrmPassword> m_signIn;
};
