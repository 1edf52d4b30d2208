#pragma once

#include "engine/guests/Guest.h"
#include "engine/reports/ReportStays.h"
#include "engine/tax/TaxRule.h"

#include <QDate>
#include <QList>
#include <QString>

// Stays and guests for the report tests, made in memory as the archives'
// reader gives them.
namespace StayFixture {

// Police codes of the places the tests use.
inline const QString rimini = QStringLiteral("408099014");
inline const QString bologna = QStringLiteral("408037006");
inline const QString milano = QStringLiteral("403015146");
inline const QString francia = QStringLiteral("100000215");

Guest guest(const QString &surname, const QString &residence = bologna, const QDate &birthDate = QDate(1980, 1, 1),
            const QString &exemption = QString());

// A property of Rimini by its street.
ReportProperty property(const QString &street, const QString &comuneCode = rimini);

// A rule of Rimini's tourist tax; an invalid `to` has no end.
TaxRule riminiRule(const QDate &from, const QDate &to, qint64 rateCents, int maxNights = 0, int age = 0,
                   bool residentsExempt = false);

ReportStay stay(qint64 position, const QDate &arrival, const QDate &departure, const QList<Guest> &guests,
                const ReportProperty &where = property(QStringLiteral("Via Roma 1")));

} // namespace StayFixture
