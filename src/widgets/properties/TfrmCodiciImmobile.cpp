#include "widgets/properties/TfrmCodiciImmobile.h"

#include "engine/archive/CardOperations.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/platform/Platform.h"
#include "engine/text/TextRules.h"
#include "widgets/card/FieldInput.h"
#include "widgets/card/HighlightFrame.h"
#include "widgets/checks/EnterKeyFilter.h"
#include "widgets/platform/DialogButtons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace {

const QString kInvalidCin = QStringLiteral(
    "Attenzione: il CIN indicato non è valido.\n\r\n\r"
    "Il codice identificativo nazionale è formato dalle lettere IT seguite da non più di 16 lettere e cifre, "
    "senza spazi né simboli.");
const QString kStaleCodes = QStringLiteral(
    "I codici registrati in precedenza per questa scheda appartenevano a un altro Locatore (%1), "
    "la cui scheda è stata sostituita: non vengono mostrati.\n\r\n\r"
    "Indicare i codici dell'immobile del Locatore attuale.");
const QString kSaved = QStringLiteral("I codici dell'immobile sono stati salvati.");

int capacityOf(const char *field)
{
    const RecordLayout &layout = PropertyCodes::layout();
    return layout.capacity(layout.indexOf(QLatin1String(field)));
}

QLineEdit *addField(QGridLayout *grid, int row, const char *name, const QString &caption, int width,
                    QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lblTesto") + QLatin1String(name));
    QFont captionFont(QStringLiteral("Tahoma"));
    captionFont.setPointSize(9);
    label->setFont(captionFont);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("txt") + QLatin1String(name));
    edit->setMaxLength(capacityOf(name));
    QFont fieldFont(QStringLiteral("Verdana"));
    fieldFont.setPointSize(12);
    fieldFont.setBold(true);
    edit->setFont(fieldFont);
    edit->setFixedWidth(width);
    new HighlightFrame(edit, QStringLiteral("eff") + QLatin1String(name));
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1, Qt::AlignLeft);
    return edit;
}

// "Via Roma 3, scala B, interno 4 - Perugia"
QString propertyLine(const Record &landlord)
{
    QStringList parts;
    const auto add = [&](const char *field, const QString &prefix) {
        const QString text = landlord.value(QLatin1String(field));
        if (!text.isEmpty())
            parts.append(prefix + text);
    };
    add("ViaImm", QString());
    add("Scala", QStringLiteral("scala "));
    add("Interno", QStringLiteral("interno "));
    QString line = parts.join(QStringLiteral(", "));
    const QString comune = landlord.value(QStringLiteral("ComuneImm"));
    if (!comune.isEmpty())
        line += (line.isEmpty() ? QString() : QStringLiteral(" - ")) + comune;
    return line;
}

} // namespace

TfrmCodiciImmobile::TfrmCodiciImmobile(qint64 landlordPosition, QWidget *owner)
    // No title-bar buttons: the window is left through its own buttons.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_position(landlordPosition)
{
    setObjectName(QStringLiteral("frmCodiciImmobile"));
    setWindowTitle(QStringLiteral(" Codici dell'immobile"));
    setModal(true);

    m_property = new QLabel(this);
    m_property->setObjectName(QStringLiteral("lblImmobile"));
    m_property->setWordWrap(true);
    m_property->setFixedWidth(520);
    QFont headingFont(QStringLiteral("Tahoma"));
    headingFont.setPointSize(10);
    headingFont.setBold(true);
    m_property->setFont(headingFont);
    m_property->setStyleSheet(QStringLiteral("color: #000080;"));

    auto *grid = new QGridLayout;
    // Room around each field for its highlight.
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    m_cin = addField(grid, 0, "CIN", QStringLiteral("CIN (codice identificativo nazionale):"), 260, this);
    m_regionalCode = addField(grid, 1, "CodiceRegionale", QStringLiteral("Codice regionale:"), 260, this);
    m_apartmentId = addField(grid, 2, "IdAppartamento", QStringLiteral("ID appartamento (schedina alloggiati):"),
                             110, this);
    FieldInput::applyTypingRule(m_cin, TypingRule::TrimUpper);

    QPushButton *btnSalva = DialogButtons::make(QStringLiteral("btnSalva"), QStringLiteral("Salva"), this);
    QPushButton *btnAnnulla = DialogButtons::make(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    for (QPushButton *button : {btnSalva, btnAnnulla}) {
        button->setCursor(Qt::PointingHandCursor);
        // Enter in a field moves on; it never saves.
        button->setAutoDefault(false);
    }
    QHBoxLayout *buttons = DialogButtons::row({btnSalva, btnAnnulla});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(16);
    layout->addWidget(m_property);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_cin, m_regionalCode);
    setTabOrder(m_regionalCode, m_apartmentId);
    setTabOrder(m_apartmentId, btnSalva);
    setTabOrder(btnSalva, btnAnnulla);
    new EnterKeyFilter(m_cin, [this] { m_regionalCode->setFocus(Qt::TabFocusReason); });
    new EnterKeyFilter(m_regionalCode, [this] { m_apartmentId->setFocus(Qt::TabFocusReason); });
    new EnterKeyFilter(m_apartmentId, [btnSalva] { btnSalva->setFocus(Qt::TabFocusReason); });

    connect(btnSalva, &QPushButton::clicked, this, &TfrmCodiciImmobile::save);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    m_cin->setFocus();
}

bool TfrmCodiciImmobile::load()
{
    const QString folder = platform().programFolder();
    const std::optional<Record> landlord = PropertyCodes::landlordRecord(folder, m_position);
    if (!landlord) {
        CardOperations::showAccessDenied();
        return false;
    }
    m_owner = PropertyCodes::ownerOf(*landlord);
    m_property->setText(QStringLiteral("Locatore: %1\nImmobile: %2").arg(m_owner.name, propertyLine(*landlord)));

    const std::optional<PropertyCodes::Stored> stored = PropertyCodes::load(folder, m_position, m_owner);
    if (!stored) {
        CardOperations::showAccessDenied();
        return false;
    }
    m_cin->setText(stored->codes.cin);
    m_regionalCode->setText(stored->codes.regionalCode);
    m_apartmentId->setText(stored->codes.apartmentId);
    if (stored->link == PropertyCodes::Link::Stale)
        platform().showMessage(MessageKind::Information, kStaleCodes.arg(stored->previousOwner.name));
    return true;
}

void TfrmCodiciImmobile::save()
{
    const std::optional<QString> cin = PropertyCodes::validCin(m_cin->text());
    if (!cin) {
        platform().showMessage(MessageKind::Warning, kInvalidCin);
        m_cin->setFocus();
        m_cin->selectAll();
        return;
    }
    const PropertyCodes::Codes codes{*cin, TextRules::trimmed(m_regionalCode->text()),
                                     TextRules::trimmed(m_apartmentId->text())};
    if (!PropertyCodes::save(platform().programFolder(), m_position, m_owner, codes)) {
        CardOperations::showAccessDenied();
        return;
    }
    platform().showMessage(MessageKind::Information, kSaved);
    accept();
}
