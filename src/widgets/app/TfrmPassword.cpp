#include "widgets/app/TfrmPassword.h"

#include "widgets/card/HighlightFrame.h"
#include "engine/password/PasswordStore.h"
#include "widgets/app/TfrmCambiaPassword.h"
#include "engine/text/TextRules.h"
#include "engine/platform/Platform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The scrambling works on 8-bit character counts.
constexpr int kMaxPasswordLength = 255;

QString wrongPasswordMessage()
{
    return QStringLiteral("Attenzione: password errata.");
}

QString readErrorMessage()
{
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                          "della password. Si consiglia di reinstallare il software.");
}

} // namespace

TfrmPassword::TfrmPassword(QWidget *parent)
    // No title-bar buttons: the window can only be left through its own
    // buttons or the right password.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_imgLogo(new QLabel(this))
    , m_lblRigo05(new QLabel(QStringLiteral("Immetti la password e premi OK."), this))
    , m_txtPassword(new QLineEdit(this))
    , m_cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , m_cmdEsci(new QPushButton(QStringLiteral("Esci"), this))
    , m_btnCambiaPassword(new QPushButton(QStringLiteral("Cambia password"), this))
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Vacanzio - Accesso"));

    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setPixmap(logoPicture());
    m_imgLogo->setAlignment(Qt::AlignCenter);
    m_lblRigo05->setObjectName(QStringLiteral("lblRigo05"));

    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    preparePasswordField(m_txtPassword);
    m_lblRigo05->setBuddy(m_txtPassword);

    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    m_cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    m_btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    // Enter in the field is handled explicitly below; no button may
    // swallow it as a default button.
    for (QPushButton *button : {m_cmdOK, m_cmdEsci, m_btnCambiaPassword}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        styleButton(button);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdEsci);

    // The spacing leaves room for the highlight around the field.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_imgLogo);
    layout->addWidget(m_lblRigo05);
    layout->addWidget(m_txtPassword);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    new HighlightFrame(m_txtPassword, QStringLiteral("effPassword"));

    connect(m_txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOkButton);
    connect(m_txtPassword, &QLineEdit::returnPressed, this, [this] {
        if (!TextRules::trimmed(m_txtPassword->text()).isEmpty())
            cmdOKClick();
    });
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(m_cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(m_btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);

    adjustSize();
}

void TfrmPassword::setHomeWindow(QWidget *home)
{
    setHomeWindowSource([guarded = QPointer<QWidget>(home)] { return guarded.data(); });
}

void TfrmPassword::setHomeWindowSource(std::function<QWidget *()> source)
{
    m_home = std::move(source);
}

void TfrmPassword::setChangePasswordWindow(TfrmCambiaPassword *window)
{
    setChangePasswordWindowSource([guarded = QPointer<TfrmCambiaPassword>(window)] { return guarded.data(); });
}

void TfrmPassword::setChangePasswordWindowSource(std::function<TfrmCambiaPassword *()> source)
{
    m_changeWindow = std::move(source);
}

void TfrmPassword::returnToSignIn()
{
    m_txtPassword->clear();
    show();
    raise();
    activateWindow();
    m_txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    // A spontaneous show is the window system restoring the window; only a
    // show by the program starts a new attempt.
    if (!event->spontaneous()) {
        centreOnScreen(this);
        m_txtPassword->setFocus();
    }
    QWidget::showEvent(event);
}

void TfrmPassword::closeEvent(QCloseEvent *event)
{
    // The window has no close box, but some window managers offer one
    // anyway and Alt+F4 always works. Left running without a window, the
    // program could never be ended by the user: any close ends it, as
    // "Esci" does.
    event->accept();
    QCoreApplication::quit();
}

void TfrmPassword::cmdOKClick()
{
    const QString typed = PasswordStore::normalized(m_txtPassword->text());
    // The button is disabled then; an empty text could otherwise match a
    // missing password file.
    if (typed.isEmpty())
        return;

    // Read afresh at every attempt and dropped right after the comparison.
    const std::optional<QString> stored = PasswordStore(platform().programFolder()).read();
    if (!stored) {
        platform().showMessage(MessageKind::Plain, readErrorMessage());
        return;
    }
    if (*stored == typed) {
        // The sign-in window is never shown again: keep no password in it.
        m_txtPassword->clear();
        if (QWidget *home = m_home ? m_home() : nullptr)
            home->show();
        hide();
        return;
    }
    platform().showMessage(MessageKind::Plain, wrongPasswordMessage());
    m_txtPassword->clear();
    m_txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    // Closing ends the program (closeEvent).
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    TfrmCambiaPassword *window = m_changeWindow ? m_changeWindow() : nullptr;
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
    hide();
}

void TfrmPassword::updateOkButton()
{
    m_cmdOK->setEnabled(!TextRules::trimmed(m_txtPassword->text()).isEmpty());
}

void TfrmPassword::centreOnScreen(QWidget *window)
{
    // setGeometry places the client area whether or not the window manager
    // has framed the window yet; move() places the frame once it is known,
    // so the window would jump on coming back from the change-password
    // window.
    if (const QScreen *shown = window->screen())
        window->setGeometry(QRect(shown->availableGeometry().center() - window->rect().center(), window->size()));
}

void TfrmPassword::preparePasswordField(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(kMaxPasswordLength);
    // The same face as the card fields, so the dots are easy to count.
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(12);
    font.setBold(true);
    field->setFont(font);
    field->setMinimumHeight(30);
}

void TfrmPassword::styleButton(QPushButton *button)
{
    // The style's own padding leaves "Cambia password" touching its frame.
    button->setMinimumSize(std::max(96, button->sizeHint().width() + 20), 30);
}

QPixmap TfrmPassword::logoPicture()
{
    const QSizeF size(320, 96);
    QPixmap picture(size.toSize());
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A summer sky fading into the window's white.
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x2F, 0x80, 0xD6));
    sky.setColorAt(1.0, QColor(0xE8, 0xF4, 0xFF));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), size), 12, 12);

    // The sun behind the roof.
    painter.setBrush(QColor(0xFF, 0xD2, 0x4A));
    painter.drawEllipse(QPointF(80, 22), 11, 11);

    // A green strip of garden under the house.
    painter.setBrush(QColor(0x7C, 0xC5, 0x76));
    painter.drawRoundedRect(QRectF(8, 80, 92, 8), 4, 4);

    // The holiday home: walls, roof, door and two windows.
    const QPen outline(QColor(0x6B, 0x40, 0x22), 1.5);
    painter.setPen(outline);
    painter.setBrush(QColor(0xFF, 0xF3, 0xDC));
    painter.drawRect(QRectF(20, 46, 50, 36));
    painter.setBrush(QColor(0xD2, 0x5A, 0x3A));
    painter.drawPolygon(QPolygonF{QPointF(13, 48), QPointF(45, 16), QPointF(77, 48)});
    painter.setBrush(QColor(0x8B, 0x5A, 0x2B));
    painter.drawRect(QRectF(39, 62, 12, 20));
    painter.setBrush(QColor(0xA8, 0xDC, 0xF7));
    painter.drawRect(QRectF(25, 54, 10, 10));
    painter.drawRect(QRectF(55, 54, 10, 10));

    // The golden key, leaning on the house: bow, shaft and two teeth.
    QPen key(QColor(0xC8, 0x8A, 0x12), 3.0, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(key);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(78, 72), 6, 6);
    painter.drawLine(QPointF(84, 72), QPointF(104, 72));
    painter.drawLine(QPointF(97, 72), QPointF(97, 78));
    painter.drawLine(QPointF(102, 72), QPointF(102, 77));

    // The name, with a soft light shadow to lift it from the sky.
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(34);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    const QRectF nameBox(114, 0, size.width() - 118, size.height());
    const QString name = QStringLiteral("Vacanzio");
    painter.setPen(QColor(255, 255, 255, 170));
    painter.drawText(nameBox.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.setPen(QColor(0x10, 0x36, 0x66));
    painter.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, name);

    return picture;
}
