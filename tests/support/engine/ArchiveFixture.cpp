#include "ArchiveFixture.h"

#include "engine/archive/RecordLayout.h"

#include <QFile>

namespace ArchiveFixture {

QByteArray record(const RecordLayout &layout, const Fields &fields)
{
    QByteArray bytes(layout.recordSize(), '#');
    for (int i = 0; i < layout.fieldCount(); ++i)
        bytes[layout.offset(i)] = '\0';
    for (const auto &[name, text] : fields) {
        const int index = layout.indexOf(name);
        Q_ASSERT_X(index >= 0, "ArchiveFixture::record", qPrintable(name));
        const QByteArray kept = text.left(layout.capacity(index));
        bytes[layout.offset(index)] = static_cast<char>(kept.size());
        bytes.replace(layout.offset(index) + 1, kept.size(), kept);
    }
    return bytes;
}

bool write(const QString &path, const QList<QByteArray> &records, const QByteArray &trailer)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QByteArray &bytes : records) {
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.write(trailer) == trailer.size();
}

} // namespace ArchiveFixture
