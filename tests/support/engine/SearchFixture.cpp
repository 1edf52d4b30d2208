#include "SearchFixture.h"

#include "engine/archive/RecordLayout.h"

#include <QFile>

namespace SearchFixture {

Record record(const RecordLayout &layout, std::initializer_list<std::pair<const char *, QString>> values)
{
    Record result(layout);
    for (const auto &[field, text] : values) {
        Q_ASSERT_X(layout.indexOf(QString::fromLatin1(field)) >= 0, "SearchFixture", field);
        result.setValue(QString::fromLatin1(field), text);
    }
    return result;
}

QByteArray withRawField(const RecordLayout &layout, QByteArray bytes, const char *field, const QByteArray &text)
{
    const int index = layout.indexOf(QString::fromLatin1(field));
    Q_ASSERT_X(index >= 0 && text.size() <= layout.capacity(index), "SearchFixture", field);
    const int offset = layout.offset(index);
    bytes[offset] = static_cast<char>(text.size());
    for (int i = 0; i < text.size(); ++i)
        bytes[offset + 1 + i] = text.at(i);
    return bytes;
}

bool write(const QString &path, const QList<Record> &records, const QByteArray &tail)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const Record &record : records) {
        const QByteArray bytes = record.encode();
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return tail.isEmpty() || file.write(tail) == tail.size();
}

} // namespace SearchFixture
