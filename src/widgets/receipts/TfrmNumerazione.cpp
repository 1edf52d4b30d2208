#include "widgets/receipts/TfrmNumerazione.h"

#include "engine/platform/Platform.h"
#include "engine/receipts/StartNumber.h"
#include "engine/settings/IniFile.h"
#include "engine/text/TextRules.h"
#include "widgets/card/FieldInput.h"
#include "widgets/card/HighlightFrame.h"
#include "widgets/platform/DialogButtons.h"

#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MaxStartLength = 5;
constexpr int InstructionWidth = 400;

const QString ReceiptsTag = QStringLiteral("ricevute");
const QString SettingsFile = QStringLiteral("Ricevute_Generiche.ini");
const QString NumberingSection = QStringLiteral("Numerazione Ricevute");
const QString StartKey = QStringLiteral("Inizio");

QLabel *makeInstruction(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("imgLogo"));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setText(QStringLiteral(
        "<p>Utilizzare la presente funzione se si vuole far partire la numerazione automatica "
        "delle ricevute da un numero superiore a 1.</p>"
        "<p style=\"color:#c00000;\">Attenzione: per sfruttare la numerazione automatica bisogna "
        "premere il pulsante Nuovo prima di compilare il documento.</p>"));
    label->setMargin(10);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAutoFillBackground(true);
    QPalette white = label->palette();
    white.setColor(QPalette::Window, Qt::white);
    label->setPalette(white);
    label->setFixedWidth(InstructionWidth);
    // A wrapped label asks for its height only once its width is known.
    label->setMinimumHeight(label->heightForWidth(InstructionWidth));
    return label;
}

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget *owner)
    // No title-bar buttons: the window is left through its own buttons. As a
    // dialog with an owner, Qt centres it on the owner's window.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_callerTag(new QLabel(this))
{
    setObjectName(QStringLiteral("frmNumerazione"));

    m_callerTag->setObjectName(QStringLiteral("lblMemory"));
    m_callerTag->hide();

    QLabel *instruction = makeInstruction(this);

    auto *group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    group->setObjectName(QStringLiteral("grpNumerazione"));
    m_txtInizio = new QLineEdit(QStringLiteral("1"), group);
    m_txtInizio->setObjectName(QStringLiteral("txtInizio"));
    m_txtInizio->setMaxLength(MaxStartLength);
    QFont fieldFont(QStringLiteral("Verdana"));
    fieldFont.setPointSize(12);
    fieldFont.setBold(true);
    m_txtInizio->setFont(fieldFont);
    m_txtInizio->setFixedWidth(110);
    new HighlightFrame(m_txtInizio, QStringLiteral("effInizio"));
    auto *groupLayout = new QHBoxLayout(group);
    // Room all round the field for its highlight.
    groupLayout->setContentsMargins(14, 10, 14, 12);
    groupLayout->addWidget(m_txtInizio);
    groupLayout->addStretch();

    m_btnApplica = DialogButtons::make(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    QPushButton *btnAnnulla = DialogButtons::make(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);

    QHBoxLayout *buttons = DialogButtons::row({m_btnApplica, btnAnnulla});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(instruction);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_txtInizio, m_btnApplica);
    setTabOrder(m_btnApplica, btnAnnulla);

    new DigitOnlyKeyFilter(m_txtInizio, [this] { m_btnApplica->setFocus(); });
    m_txtInizio->installEventFilter(this);
    // A value longer than the field's limit (read from the file) keeps the
    // limit lifted only until the user's edits bring it within.
    connect(m_txtInizio, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_txtInizio->maxLength() > MaxStartLength && text.size() <= MaxStartLength)
            m_txtInizio->setMaxLength(MaxStartLength);
    });
    connect(m_btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmNumerazione::setCallerTag(const QString &tag)
{
    m_callerTag->setText(tag);
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

bool TfrmNumerazione::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtInizio && event->type() == QEvent::FocusOut) {
        // Leaving the field for another control; not another window taking
        // over, nor the field's own context menu opening for a paste.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtInizioExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmNumerazione::formShow()
{
    if (isForReceipts()) {
        const IniFile settings(platform().programFolder() + SettingsFile);
        setStartText(settings.readString(NumberingSection, StartKey));
    }
    if (TextRules::trimmed(m_txtInizio->text()).isEmpty())
        setStartText(QStringLiteral("1"));
    m_txtInizio->setFocus();
    // The first key typed replaces the number shown.
    m_txtInizio->selectAll();
}

void TfrmNumerazione::txtInizioExit()
{
    const QString ruled = StartNumber::afterFocusLoss(m_txtInizio->text());
    if (ruled != m_txtInizio->text())
        setStartText(ruled);
}

void TfrmNumerazione::btnApplicaClick()
{
    // Normally run already, when the button took the focus from the field;
    // run here too so that what is stored has always been through it.
    txtInizioExit();
    if (isForReceipts()) {
        IniFile settings(platform().programFolder() + SettingsFile);
        settings.writeString(NumberingSection, StartKey, TextRules::trimmed(m_txtInizio->text()));
    }
    accept();
}

bool TfrmNumerazione::isForReceipts() const
{
    return m_callerTag->text() == ReceiptsTag;
}

void TfrmNumerazione::setStartText(const QString &text)
{
    m_txtInizio->setMaxLength(std::max<int>(MaxStartLength, text.size()));
    m_txtInizio->setText(text);
}
