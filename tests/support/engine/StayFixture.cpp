#include "StayFixture.h"

#include "engine/archive/RecordLayouts.h"
#include "engine/properties/PropertyAddress.h"

namespace StayFixture {

Guest guest(const QString &surname, const QString &residence, const QDate &birthDate, const QString &exemption)
{
    Guest result;
    result.surname = surname;
    result.name = QStringLiteral("ANNA");
    result.birthDate = birthDate;
    result.residence = residence;
    result.taxExemption = exemption;
    return result;
}

ReportProperty property(const QString &street, const QString &comuneCode)
{
    const PropertyAddress::Texts texts{QStringLiteral("RIMINI"), street, QString(), QString()};
    return {PropertyAddress(RecordLayouts::contratto(), texts).key(), street + QStringLiteral(" - RIMINI (RN)"),
            QStringLiteral("RIMINI"), QStringLiteral("RN"), comuneCode};
}

TaxRule riminiRule(const QDate &from, const QDate &to, qint64 rateCents, int maxNights, int age,
                   bool residentsExempt)
{
    return TaxRule{rimini, QStringLiteral("RIMINI"), QStringLiteral("RN"), from, to, rateCents, maxNights, age,
                   residentsExempt};
}

ReportStay stay(qint64 position, const QDate &arrival, const QDate &departure, const QList<Guest> &guests,
                const ReportProperty &where)
{
    ReportStay result;
    result.position = position;
    result.arrival = arrival;
    result.departure = departure;
    result.property = where;
    result.landlord = QStringLiteral("BIANCHI LUCIA");
    result.landlordFiscalCode = QStringLiteral("BNCLCU70A41H294K");
    result.tenant = guests.isEmpty() ? QString() : guests.first().surname + QStringLiteral(" ANNA");
    result.guests = guests;
    result.guestsRecorded = true;
    return result;
}

} // namespace StayFixture
