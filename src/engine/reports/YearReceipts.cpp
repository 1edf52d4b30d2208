#include "engine/reports/YearReceipts.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/diagnostics/Logging.h"
#include "engine/text/DateText.h"
#include "engine/text/EuroAmount.h"

#include <QDir>
#include <QFile>

namespace YearReceipts {

std::optional<QList<YearReceipt>> read(const QString &programFolder, int year)
{
    QList<YearReceipt> receipts;
    const RecordLayout &layout = RecordLayouts::ricevuta();
    const QString path = QDir(programFolder).filePath(QString::number(year) + QStringLiteral(".ric"));
    if (!QFile::exists(path))
        return receipts;
    ArchiveFile archive(path, layout.recordSize());
    const bool read = archive.open() && archive.scan([&](qint64, const QByteArray &bytes) {
        const Record record = Record::decode(layout, bytes);
        receipts.append({record.value(QStringLiteral("NumRic")),
                         DateText::parse(record.value(QStringLiteral("Data"))).value_or(QDate()),
                         record.value(QStringLiteral("Pagatore01")),
                         EuroAmount::parseCents(record.value(QStringLiteral("Intero")))});
        return true;
    });
    if (!read) {
        qCWarning(lcArchive) << "the yearly summary cannot read" << path;
        return std::nullopt;
    }
    return receipts;
}

} // namespace YearReceipts
