#pragma once

#include <QString>

#include <optional>

class ArchiveFile;

// Receipt numbers already used in a year's archive. The number proposed for
// a new receipt counts the receipts stored, so two copies of the program
// that both press New before either saves propose the same number: the
// save looks again, under the archive's lock.
namespace ReceiptNumbers {

struct UsedBy
{
    qint64 position;  // from 1
    QString payer;    // its Pagatore01
    QString date;     // its Data
};

// The first receipt of the open `archive`, other than the one at
// `ownPosition` (0 for a receipt not yet stored), whose number is `number`.
// Numbers are compared as the record stores them, trimmed; numbers made of
// digits alone are compared by value, so "007" and "7" are one number.
std::optional<UsedBy> findUsed(const ArchiveFile &archive, const QString &number, qint64 ownPosition);

// "Attenzione: il numero <n> è già stato usato dalla ricevuta di <payer> del
// <date>. ... Salvare comunque la ricevuta?"
QString duplicateQuestion(const QString &number, const UsedBy &usedBy);

} // namespace ReceiptNumbers
