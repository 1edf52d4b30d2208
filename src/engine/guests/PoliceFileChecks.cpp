#include "engine/guests/PoliceFileChecks.h"

#include "engine/guests/PoliceCodes.h"
#include "engine/guests/PoliceFileLayout.h"
#include "engine/guests/PoliceText.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <optional>

namespace {

// "Ospite 2 (ROSSI ANNA)", as the file would write the names.
QString guestLabel(int position, const Guest &guest)
{
    const QString names =
        TextRules::trimmed(PoliceText::letters(guest.surname) + QLatin1Char(' ') + PoliceText::letters(guest.name));
    const QString label = QStringLiteral("Ospite %1").arg(position);
    return names.isEmpty() ? label : label + QStringLiteral(" (") + names + QLatin1Char(')');
}

// The checks of one guest, collecting its problems.
class GuestCheck
{
public:
    GuestCheck(QStringList &problems, int position, const Guest &guest, const PoliceCodes &codes)
        : m_problems(problems), m_label(guestLabel(position, guest)), m_guest(guest), m_codes(codes)
    {
    }

    void problem(const QString &what) { m_problems.append(m_label + QStringLiteral(": ") + what); }

    void names()
    {
        text(m_guest.surname, QStringLiteral("il cognome"));
        text(m_guest.name, QStringLiteral("il nome"));
    }

    void sex()
    {
        const QChar sex = m_guest.sex.toUpper();
        if (sex != u'M' && sex != u'F')
            problem(QStringLiteral("manca il sesso."));
    }

    void birth(const QDate &arrival)
    {
        if (!m_guest.birthDate.isValid())
            problem(QStringLiteral("manca la data di nascita."));
        else if (arrival.isValid() && m_guest.birthDate > arrival)
            problem(QStringLiteral("la data di nascita (%1) è successiva alla data di arrivo (%2).")
                        .arg(DateText::format(m_guest.birthDate), DateText::format(arrival)));

        const std::optional<PolicePlace> place = known(m_guest.birthPlace, QStringLiteral("il luogo di nascita"));
        if (place && place->isCeased() && m_guest.birthDate.isValid() && !place->existedOn(m_guest.birthDate))
            problem(QStringLiteral("il luogo di nascita %1 non esisteva più alla data di nascita (cessato il %2).")
                        .arg(place->label(), DateText::format(place->endDate)));
    }

    void citizenship()
    {
        const std::optional<PolicePlace> state = known(m_guest.citizenship, QStringLiteral("la cittadinanza"));
        if (!state)
            return;
        if (state->kind != PlaceKind::State)
            problem(QStringLiteral("la cittadinanza è quella di uno stato, non del comune %1.").arg(state->label()));
        else if (state->isCeased())
            problem(QStringLiteral("la cittadinanza %1 non è più valida (cessata il %2).")
                        .arg(state->label(), DateText::format(state->endDate)));
    }

    void document()
    {
        const QString type = TextRules::upperAscii(TextRules::trimmed(m_guest.documentType));
        if (type.isEmpty())
            problem(QStringLiteral("manca il tipo di documento."));
        else if (!m_codes.hasDocumentType(type))
            problem(QStringLiteral("il tipo di documento \"%1\" non è nelle tabelle della Questura.").arg(type));

        const QString number = PoliceText::documentNumber(m_guest.documentNumber);
        if (number.isEmpty())
            problem(QStringLiteral("manca il numero del documento."));
        // Cut, it would be another document's number.
        else if (number.size() > PoliceFileLayout::DocumentNumber.width)
            problem(QStringLiteral("il numero del documento supera i %1 caratteri.")
                        .arg(PoliceFileLayout::DocumentNumber.width));

        const std::optional<PolicePlace> place =
            known(m_guest.documentPlace, QStringLiteral("il luogo di rilascio del documento"));
        if (place && place->isCeased())
            problem(QStringLiteral("il luogo di rilascio del documento %1 non è più valido (cessato il %2).")
                        .arg(place->label(), DateText::format(place->endDate)));
    }

private:
    void text(const QString &value, const QString &what)
    {
        if (TextRules::trimmed(value).isEmpty())
            problem(QStringLiteral("manca ") + what + QLatin1Char('.'));
        else if (!PoliceText::hasLetter(PoliceText::letters(value)))
            problem(what + QStringLiteral(" va scritto in lettere dell'alfabeto latino."));
    }

    // The place of the code, when it is given and known.
    std::optional<PolicePlace> known(const QString &value, const QString &what)
    {
        const QString code = TextRules::trimmed(value);
        if (code.isEmpty()) {
            problem(QStringLiteral("manca ") + what + QLatin1Char('.'));
            return std::nullopt;
        }
        std::optional<PolicePlace> place = m_codes.place(code);
        if (!place)
            problem(what + QStringLiteral(" (codice %1) non è nelle tabelle della Questura.").arg(code));
        return place;
    }

    QStringList &m_problems;
    QString m_label;
    const Guest &m_guest;
    const PoliceCodes &m_codes;
};

void checkStay(QStringList &problems, const Stay &stay, qsizetype guestCount)
{
    if (!stay.arrival.isValid())
        problems.append(QStringLiteral("Manca la data di arrivo."));
    if (stay.nights <= 0)
        problems.append(QStringLiteral("Il soggiorno deve durare almeno una notte."));
    else if (stay.nights > PoliceFileLayout::MaxNights)
        problems.append(QStringLiteral("Il portale non accetta soggiorni di più di %1 notti: questo è di %2.")
                            .arg(PoliceFileLayout::MaxNights)
                            .arg(stay.nights));
    const QString apartment = TextRules::trimmed(stay.apartmentId);
    if (!apartment.isEmpty()) {
        const QString written = PoliceText::documentNumber(apartment);
        if (written.isEmpty() || written.size() > PoliceFileLayout::ApartmentId.width)
            problems.append(QStringLiteral("L'identificativo dell'appartamento \"%1\" non è valido: "
                                           "sono da 1 a %2 lettere o cifre.")
                                .arg(apartment)
                                .arg(PoliceFileLayout::ApartmentId.width));
    }
    if (guestCount == 0)
        problems.append(QStringLiteral("Non c'è nessun ospite."));
}

// Who stays with whom: one single guest alone, or one head followed by the
// members of its kind.
void checkParty(GuestCheck &check, const QList<Guest> &guests, qsizetype index, qsizetype &head)
{
    const GuestType type = guests.at(index).type;
    switch (type) {
    case GuestType::Single:
        if (guests.size() > 1)
            check.problem(QStringLiteral("un ospite singolo alloggia da solo: chi alloggia con altri è capo "
                                         "famiglia o capo gruppo, oppure familiare o membro del gruppo."));
        return;
    case GuestType::HeadOfFamily:
    case GuestType::HeadOfGroup:
        if (head >= 0)
            check.problem(QStringLiteral("c'è già un capo famiglia o capo gruppo, l'ospite %1: "
                                         "gli altri ospiti sono suoi familiari o membri del gruppo.")
                              .arg(head + 1));
        else
            head = index;
        return;
    case GuestType::FamilyMember:
    case GuestType::GroupMember: {
        const bool family = type == GuestType::FamilyMember;
        if (head < 0) {
            check.problem(family ? QStringLiteral("un familiare segue il suo capo famiglia, che manca prima di lui.")
                                 : QStringLiteral("un membro del gruppo segue il suo capo gruppo, che manca prima di lui."));
            return;
        }
        const GuestType headType = guests.at(head).type;
        if (family && headType != GuestType::HeadOfFamily)
            check.problem(QStringLiteral("è indicato come familiare, ma l'ospite %1 è un capo gruppo: "
                                         "va indicato come membro del gruppo.")
                              .arg(head + 1));
        else if (!family && headType != GuestType::HeadOfGroup)
            check.problem(QStringLiteral("è indicato come membro del gruppo, ma l'ospite %1 è un capo famiglia: "
                                         "va indicato come familiare.")
                              .arg(head + 1));
        return;
    }
    }
    check.problem(QStringLiteral("il tipo di alloggiato (%1) non è valido.").arg(static_cast<int>(type)));
}

} // namespace

namespace PoliceFileChecks {

QStringList problems(const Stay &stay, const QList<Guest> &guests, const PoliceCodes &codes)
{
    QStringList found;
    checkStay(found, stay, guests.size());
    qsizetype head = -1;
    for (qsizetype i = 0; i < guests.size(); ++i) {
        const Guest &guest = guests.at(i);
        GuestCheck check(found, int(i) + 1, guest, codes);
        checkParty(check, guests, i, head);
        check.names();
        check.sex();
        check.birth(stay.arrival);
        check.citizenship();
        if (isHead(guest.type))
            check.document();
    }
    return found;
}

} // namespace PoliceFileChecks
