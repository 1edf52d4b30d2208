#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The receipts of one year's archive (<yyyy>.ric in the program folder),
// as the yearly summary counts them.
struct YearReceipt
{
    QString number;
    QDate date;
    QString payer;                      // Pagatore01
    std::optional<qint64> amountCents;  // Intero; nothing when it does not read
};

namespace YearReceipts {

// The receipts of `year`, in archive order: none when the year has no
// archive (it is not created). Nothing when the archive cannot be read.
std::optional<QList<YearReceipt>> read(const QString &programFolder, int year);

} // namespace YearReceipts
