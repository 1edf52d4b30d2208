#include "widgets/app/TfrmCambiaPassword.h"

#include "widgets/card/HighlightFrame.h"
#include "engine/password/PasswordStore.h"
#include "widgets/app/TfrmPassword.h"
#include "engine/text/TextRules.h"
#include "engine/platform/Platform.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString wrongOldPasswordMessage()
{
    return QStringLiteral("Attenzione: vecchia password errata.");
}

QString notConfirmedMessage()
{
    return QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                          "E' necessario reinserire entrambi i valori.");
}

QString unstorableCharactersMessage()
{
    return QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi. "
                          "E' necessario reinserire entrambi i valori usando solo lettere, "
                          "cifre e simboli dell'alfabeto occidentale.");
}

QString changeErrorMessage()
{
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                          "della password. Si consiglia di reinstallare il software.");
}

QString successMessage()
{
    return QStringLiteral("Modifica della password completata con successo.");
}

// The password file keeps 8 bits per character: anything beyond would be
// stored as a different character and the password could never be typed.
bool isStorable(const QString &password)
{
    return std::all_of(password.cbegin(), password.cend(),
                       [](QChar c) { return c.unicode() < 256; });
}

QLineEdit *newPasswordField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    TfrmPassword::preparePasswordField(field);
    field->setMinimumWidth(200);
    return field;
}

QLabel *newLabel(const QString &name, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    // No title-bar buttons: the window is left through "OK" or "Chiudi".
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_imgLogo(new QLabel(this))
    , m_txtPasswordOld(newPasswordField(QStringLiteral("txtPasswordOld"), this))
    , m_txtPasswordNew(newPasswordField(QStringLiteral("txtPasswordNew"), this))
    , m_txtConferma(newPasswordField(QStringLiteral("txtConferma"), this))
    , m_cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , m_cmdEsci(new QPushButton(QStringLiteral("Chiudi"), this))
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));

    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setPixmap(TfrmPassword::logoPicture());
    m_imgLogo->setAlignment(Qt::AlignCenter);
    m_lblRigo05 = newLabel(QStringLiteral("lblRigo05"), QStringLiteral("Vecchia password:"),
                           m_txtPasswordOld, this);
    m_lblRigo06 = newLabel(QStringLiteral("lblRigo06"), QStringLiteral("Nuova password:"),
                           m_txtPasswordNew, this);
    m_lblRigo07 = newLabel(QStringLiteral("lblRigo07"), QStringLiteral("Conferma nuova password:"),
                           m_txtConferma, this);

    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    m_cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    // Enter only moves between the fields: no button may take it as the
    // default button.
    for (QPushButton *button : {m_cmdOK, m_cmdEsci}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        TfrmPassword::styleButton(button);
    }

    // The spacing leaves room for the highlights around the fields.
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(14);
    fields->setVerticalSpacing(10);
    fields->addWidget(m_lblRigo05, 0, 0);
    fields->addWidget(m_txtPasswordOld, 0, 1);
    fields->addWidget(m_lblRigo06, 1, 0);
    fields->addWidget(m_txtPasswordNew, 1, 1);
    fields->addWidget(m_lblRigo07, 2, 0);
    fields->addWidget(m_txtConferma, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdEsci);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(m_imgLogo);
    layout->addLayout(fields);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    new HighlightFrame(m_txtPasswordOld, QStringLiteral("effPasswordOld"));
    new HighlightFrame(m_txtPasswordNew, QStringLiteral("effPasswordNew"));
    new HighlightFrame(m_txtConferma, QStringLiteral("effConferma"));

    // Enter goes round the three fields and never presses OK, so that a
    // half-typed change is never sent by accident.
    const QList<QLineEdit *> chain{m_txtPasswordOld, m_txtPasswordNew, m_txtConferma};
    for (qsizetype i = 0; i < chain.size(); ++i) {
        QLineEdit *next = chain.at((i + 1) % chain.size());
        connect(chain.at(i), &QLineEdit::returnPressed, next, [next] { next->setFocus(); });
        connect(chain.at(i), &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOkButton);
    }
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(m_cmdEsci, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
}

void TfrmCambiaPassword::setSignInWindow(TfrmPassword *window)
{
    m_signIn = window;
}

void TfrmCambiaPassword::showEvent(QShowEvent *event)
{
    // A spontaneous show is the window system restoring the window; only a
    // show by the program starts a new change.
    if (!event->spontaneous()) {
        m_txtPasswordOld->clear();
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        // The client area, as for the sign-in window, so that the two
        // windows take turns in the same place.
        TfrmPassword::centreOnScreen(this);
        m_txtPasswordOld->setFocus();
    }
    QWidget::showEvent(event);
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *event)
{
    // The sign-in window is shown before this one hides, so that the
    // program never passes through a moment without a visible window.
    if (isVisible() && m_signIn)
        m_signIn->returnToSignIn();
    QWidget::closeEvent(event);
}

void TfrmCambiaPassword::cmdOKClick()
{
    const QString oldPassword = PasswordStore::normalized(m_txtPasswordOld->text());
    const QString newPassword = TextRules::trimmed(m_txtPasswordNew->text());
    const QString confirmation = TextRules::trimmed(m_txtConferma->text());
    // The button is disabled then; an empty old password could otherwise
    // match a missing password file.
    if (oldPassword.isEmpty() || newPassword.isEmpty() || confirmation.isEmpty())
        return;

    const PasswordStore store(platform().programFolder());
    const std::optional<QString> stored = store.read();
    if (!stored) {
        platform().showMessage(MessageKind::Plain, changeErrorMessage());
        return;
    }
    if (*stored != oldPassword) {
        platform().showMessage(MessageKind::Plain, wrongOldPasswordMessage());
        m_txtPasswordOld->clear();
        m_txtPasswordOld->setFocus();
        return;
    }
    // Letter case counts here, although both would be stored alike: a
    // confirmation typed differently is a sign of a mistyped password.
    if (newPassword != confirmation) {
        restartNewPassword(notConfirmedMessage());
        return;
    }
    if (!isStorable(newPassword)) {
        restartNewPassword(unstorableCharactersMessage());
        return;
    }
    if (!store.write(newPassword)) {
        platform().showMessage(MessageKind::Plain, changeErrorMessage());
        return;
    }
    platform().showMessage(MessageKind::Plain, successMessage());
    close();
}

void TfrmCambiaPassword::restartNewPassword(const QString &message)
{
    platform().showMessage(MessageKind::Plain, message);
    m_txtPasswordNew->clear();
    m_txtConferma->clear();
    m_txtPasswordNew->setFocus();
}

void TfrmCambiaPassword::updateOkButton()
{
    const bool complete = !TextRules::trimmed(m_txtPasswordOld->text()).isEmpty()
        && !TextRules::trimmed(m_txtPasswordNew->text()).isEmpty()
        && !TextRules::trimmed(m_txtConferma->text()).isEmpty();
    m_cmdOK->setEnabled(complete);
}
