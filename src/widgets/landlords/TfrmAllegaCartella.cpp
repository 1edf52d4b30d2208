#include "widgets/landlords/TfrmAllegaCartella.h"

#include "engine/attachments/AttachmentFolder.h"
#include "engine/attachments/AttachmentName.h"
#include "engine/platform/Platform.h"
#include "engine/text/TextRules.h"
#include "widgets/card/CardWindow.h"
#include "widgets/platform/ClickableLabel.h"
#include "widgets/platform/Pictures.h"
#include "widgets/platform/WindowPlacement.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 560;
constexpr int kInstructionHeight = 92;

const QString kLandlordsTag = QStringLiteral("locatori");
const QString kTenantsTag = QStringLiteral("conduttori");

QString dialogTitle()
{
    return QStringLiteral("Selezionare il file da allegare:");
}

// One entry, every file: Qt reads "*.*" as names with a dot on Linux and
// macOS, so the pattern is "*" behind the description Windows users know.
QString dialogFilter()
{
    return QStringLiteral("Tutti i file (*.*)|*");
}

QString overwriteQuestion()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                          "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

QString copyFailure()
{
    return QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
                          "allegati.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella "
                          "del programma.");
}

QString renamedNotice(const QString &name)
{
    return QStringLiteral("Il nome del file contiene caratteri che la scheda non può conservare, o è troppo "
                          "lungo: il file è stato allegato con il nome\n\r\n\r%1").arg(name);
}

QString number(int slot)
{
    return QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
}

// The paper clip and the three lines that tell how the window is used.
QPixmap instructionPicture()
{
    QPixmap picture(kWidth - 24, kInstructionHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(120, 150, 200));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.drawPixmap(12, (kInstructionHeight - 56) / 2, Pictures::pixmap(Picture::Attach, 56));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    const QStringList lines = {
        QStringLiteral("1. Scegliere i file da allegare con i pulsanti \"Sfoglia...\"."),
        QStringLiteral("2. Premere \"Applica e chiudi\", poi il pulsante Salva nella scheda."),
        QStringLiteral("Il pulsante \"Apri\" apre il file allegato con il programma adatto."),
    };
    const int lineHeight = (kInstructionHeight - 16) / static_cast<int>(lines.size());
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(82, 8 + i * lineHeight, picture.width() - 90, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
    return picture;
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setMinimumSize(96, 28);
    // Enter in a description field must not press a button by surprise.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner)
    // No title-bar buttons: the window is left through its own buttons.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_callerTag(new QLabel(this))
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));

    m_callerTag->setObjectName(QStringLiteral("lblMemory"));
    m_callerTag->hide();

    auto *instruction = new QLabel(this);
    instruction->setObjectName(QStringLiteral("imgLogo"));
    instruction->setPixmap(instructionPicture());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(instruction);
    for (int slot = 1; slot <= SlotCount; ++slot)
        layout->addWidget(buildSlot(slot));

    QPushButton *btnAnnulla = makeButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    QPushButton *btnApplica = makeButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    btnApplica->setMinimumWidth(130);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    layout->addLayout(buttons);
    // Fixed here, before the window exists on screen, rather than by the
    // layout at its first show.
    setFixedSize(sizeHint());

    // Through each slot in turn: name, "Sfoglia...", "Apri", description.
    QWidget *previous = nullptr;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const Slot &controls = m_slots[slot - 1];
        auto *browse = findChild<QPushButton *>(QStringLiteral("btnSfoglia") + number(slot));
        for (QWidget *next : {static_cast<QWidget *>(controls.file), static_cast<QWidget *>(browse),
                              static_cast<QWidget *>(controls.open), static_cast<QWidget *>(controls.description)}) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
    }
    setTabOrder(previous, btnAnnulla);
    setTabOrder(btnAnnulla, btnApplica);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
}

QWidget *TfrmAllegaCartella::buildSlot(int slot)
{
    const QString n = number(slot);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("shpFile") + n);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedWidth(kWidth - 24);

    // Two captions per slot, numbered through the window: the name's is
    // odd, the description's even.
    auto *nameCaption = new QLabel(QStringLiteral("Nome %1° file allegato:").arg(slot), frame);
    nameCaption->setObjectName(QStringLiteral("lblCampo") + number(2 * slot - 1));
    auto *descriptionCaption = new QLabel(QStringLiteral("Descrizione %1° file allegato:").arg(slot), frame);
    descriptionCaption->setObjectName(QStringLiteral("lblCampo") + number(2 * slot));

    Slot &controls = m_slots[slot - 1];
    controls.file = new QLineEdit(frame);
    controls.file->setObjectName(QStringLiteral("txtFile") + n);
    controls.file->setReadOnly(true);

    auto *eraser = new ClickableLabel(frame);
    eraser->setObjectName(QStringLiteral("imgCancella") + n);
    eraser->setPixmap(Pictures::pixmap(Picture::Eraser, 22));
    eraser->setToolTip(QStringLiteral("Cancella il nome del file"));

    QPushButton *browse = makeButton(QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."), frame);
    controls.open = makeButton(QStringLiteral("btnApri") + n, QStringLiteral("Apri"), frame);
    controls.open->setEnabled(false);

    controls.description = new QLineEdit(frame);
    controls.description->setObjectName(QStringLiteral("txtDesc") + n);

    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(nameCaption, 0, 0, 1, 4);
    grid->addWidget(controls.file, 1, 0);
    grid->addWidget(eraser, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(controls.open, 1, 3);
    grid->addWidget(descriptionCaption, 2, 0, 1, 4);
    grid->addWidget(controls.description, 3, 0, 1, 4);
    grid->setColumnStretch(0, 1);

    connect(controls.file, &QLineEdit::textChanged, this, [this, slot] { updateOpenButton(slot); });
    connect(browse, &QPushButton::clicked, this, [this, slot] { btnSfogliaClick(slot); });
    connect(controls.open, &QPushButton::clicked, this, [this, slot] { btnApriClick(slot); });
    connect(eraser, &ClickableLabel::clicked, this, [this, slot] { imgCancellaClick(slot); });
    return frame;
}

void TfrmAllegaCartella::setCallerTag(const QString &tag)
{
    m_callerTag->setText(tag);
}

void TfrmAllegaCartella::setSlot(int slot, const QString &fileName, const QString &description)
{
    Q_ASSERT(slot >= 1 && slot <= SlotCount);
    Slot &controls = m_slots[slot - 1];
    controls.file->setText(fileName);
    controls.file->setCursorPosition(0);
    controls.description->setText(description);
    controls.description->setCursorPosition(0);
}

void TfrmAllegaCartella::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacement::centreOnScreen(this);
}

void TfrmAllegaCartella::updateOpenButton(int slot)
{
    Slot &controls = m_slots[slot - 1];
    controls.open->setEnabled(!TextRules::trimmed(controls.file->text()).isEmpty());
}

void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    Slot &controls = m_slots[slot - 1];
    const QString chosen = platform().chooseFileToOpen(dialogTitle(), dialogFilter());
    // A cancelled dialog ends the action: nothing is copied, nothing asked.
    if (chosen.isEmpty())
        return;
    const AttachmentFolder folder(platform().programFolder());
    const QString realName = QFileInfo(chosen).fileName();
    // The card stores exactly the name of the file in the folder, so a name
    // the record cannot hold is changed before the copy, not after.
    const QString storable = AttachmentName::storable(realName);
    const bool renamed = storable != realName;
    QString name = storable;
    if (renamed) {
        // A changed name must not overwrite a file of another name's.
        name = folder.freeName(storable);
    } else if (folder.holds(name) && !platform().askYesNo(overwriteQuestion())) {
        // The slot now refers to the file already in the folder.
        showSlotName(controls, name);
        return;
    }
    if (name.isEmpty() || !folder.copyIn(chosen, name)) {
        // The slot keeps what it had: never a name with no file behind it.
        platform().showMessage(MessageKind::Warning, copyFailure());
        return;
    }
    showSlotName(controls, name);
    if (renamed)
        platform().showMessage(MessageKind::Information, renamedNotice(name));
}

void TfrmAllegaCartella::showSlotName(Slot &controls, const QString &name)
{
    controls.file->setText(name);
    controls.file->setCursorPosition(0);
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    const QString name = TextRules::trimmed(m_slots[slot - 1].file->text());
    // A name with a folder part (read from a changed archive) opens nothing.
    const QString command = AttachmentFolder(platform().programFolder()).openCommand(name);
    if (!command.isEmpty())
        platform().shellOpen(command);
}

void TfrmAllegaCartella::imgCancellaClick(int slot)
{
    // Only the name: the description stays and the copy in the folder is
    // left alone, since another card may share it.
    m_slots[slot - 1].file->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    CardWindow *card = callerWindow();
    if (!card)
        return;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const Slot &controls = m_slots[slot - 1];
        card->setFieldText(QStringLiteral("File") + number(slot), TextRules::trimmed(controls.file->text()));
        card->setFieldText(QStringLiteral("Desc") + number(slot), TextRules::trimmed(controls.description->text()));
    }
    accept();
}

CardWindow *TfrmAllegaCartella::callerWindow() const
{
    const QString tag = TextRules::trimmed(m_callerTag->text());
    QString windowName;
    if (tag == kLandlordsTag)
        windowName = QStringLiteral("frmLocatori");
    else if (tag == kTenantsTag)
        windowName = QStringLiteral("frmConduttori");
    else
        return nullptr;
    // Normally the owner; the tag, not the owner, says which window it is.
    if (auto *owner = qobject_cast<CardWindow *>(parentWidget()); owner && owner->objectName() == windowName)
        return owner;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *card = qobject_cast<CardWindow *>(window); card && card->objectName() == windowName)
            return card;
    }
    return nullptr;
}
