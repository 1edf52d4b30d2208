#include "widgets/checks/CheckWindow.h"

#include "engine/text/TextRules.h"
#include "widgets/platform/DialogButtons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Height = 254;
constexpr int HeadingHeight = 76;
constexpr int Margin = 18;

QFont codeFont()
{
    QFont font(QStringLiteral("Courier New"), 20, QFont::Bold);
    // Where Courier New is missing, another monospaced face keeps the code's
    // characters in even columns.
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

CheckWindow::CheckWindow(const Setup &setup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_maxLength(setup.maxLength)
{
    setObjectName(setup.objectName);
    setWindowTitle(setup.caption);
    setFixedSize(setup.width, Height);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(setup.width, HeadingHeight);
    logo->setPixmap(CheckHeading::picture(setup.width, HeadingHeight, setup.icon, setup.title));

    auto *instruction = new QLabel(setup.instruction, this);
    instruction->setObjectName(QStringLiteral("lblTitolo"));
    instruction->setWordWrap(true);

    m_field = new QLineEdit(this);
    m_field->setObjectName(setup.fieldName);
    m_field->setFont(codeFont());
    m_field->setMaxLength(setup.maxLength);
    m_field->setAlignment(Qt::AlignCenter);
    m_field->setMinimumHeight(44);
    connect(m_field, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_field->maxLength() > m_maxLength && text.size() <= m_maxLength)
            m_field->setMaxLength(m_maxLength);
    });

    const QSize buttonSize(104, 30);
    m_checkButton = DialogButtons::make(QStringLiteral("btnControlla"), QStringLiteral("Controlla"), this, buttonSize);
    auto *closeButton = DialogButtons::make(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this, buttonSize);
    connect(m_checkButton, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    // A faint rule sets the buttons apart from the field above them.
    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    QHBoxLayout *buttons = DialogButtons::row({m_checkButton, closeButton});

    auto *body = new QVBoxLayout;
    body->setContentsMargins(Margin, 16, Margin, 14);
    body->setSpacing(10);
    body->addWidget(instruction);
    body->addWidget(m_field);
    body->addStretch();
    body->addWidget(separator);
    body->addLayout(buttons);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(logo);
    window->addLayout(body);

    setTabOrder(m_field, m_checkButton);
    setTabOrder(m_checkButton, closeButton);
}

void CheckWindow::setValue(const QString &value)
{
    m_field->setMaxLength(std::max<int>(m_maxLength, value.size()));
    m_field->setText(value);
}

QString CheckWindow::valueToCheck() const
{
    return TextRules::upperAscii(TextRules::trimmed(m_field->text()));
}

void CheckWindow::returnToField()
{
    m_field->setFocus();
}

void CheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen();
        m_field->setFocus();
    }
}

void CheckWindow::centreOnScreen()
{
    if (const QScreen *display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
}
