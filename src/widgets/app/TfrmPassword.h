#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class TfrmCambiaPassword;

// The sign-in window, the first window of the program. The right password
// hands over to the home window; "Esci" ends the program; "Cambia password"
// hands over to the change-password window, which hands back when it closes.
class TfrmPassword : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // The window shown after the right password. Not owned.
    void setHomeWindow(QWidget *home);
    // The same, asked for only when it is to be shown, so that the program
    // can build it then.
    void setHomeWindowSource(std::function<QWidget *()> source);
    // The window "Cambia password" opens. Not owned.
    void setChangePasswordWindow(TfrmCambiaPassword *window);
    void setChangePasswordWindowSource(std::function<TfrmCambiaPassword *()> source);

    // Comes back after the change-password window: the password field is
    // emptied, the window is shown and the field takes the focus.
    void returnToSignIn();

    // What the password windows share: the program's logo, password fields
    // (hidden text, length limit, font), room around the button texts, and
    // their place on the screen.
    static QPixmap logoPicture();
    static void preparePasswordField(QLineEdit *field);
    static void styleButton(QPushButton *button);
    static void centreOnScreen(QWidget *window);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    void updateOkButton();

    QLabel *m_imgLogo;
    QLabel *m_lblRigo05;
    QLineEdit *m_txtPassword;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdEsci;
    QPushButton *m_btnCambiaPassword;

    std::function<QWidget *()> m_home;
    std::function<TfrmCambiaPassword *()> m_changeWindow;
};
