#include "engine/archive/RecordLayout.h"

#include "engine/archive/ShortStringField.h"

#include <utility>

RecordLayout::RecordLayout(QString archiveName, std::initializer_list<RecordFieldDef> fields)
    : RecordLayout(std::move(archiveName), std::vector<RecordFieldDef>(fields))
{
}

RecordLayout::RecordLayout(QString archiveName, std::vector<RecordFieldDef> fields)
    : m_archiveName(std::move(archiveName))
    , m_fields(std::move(fields))
{
    m_offsets.reserve(m_fields.size());
    for (const RecordFieldDef &field : m_fields) {
        m_offsets.push_back(m_recordSize);
        m_recordSize += field.capacity + 1;
    }
}

int RecordLayout::indexOf(const QString &name) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        if (name == QLatin1String(m_fields[i].name))
            return i;
    }
    return -1;
}

QByteArray RecordLayout::encode(const QStringList &texts) const
{
    QByteArray record;
    record.reserve(m_recordSize);
    for (int i = 0; i < fieldCount(); ++i)
        record.append(ShortStringField::store(i < texts.size() ? texts.at(i) : QString(), capacity(i)));
    return record;
}

QStringList RecordLayout::decode(const QByteArray &record) const
{
    Q_ASSERT(record.size() >= m_recordSize);
    QStringList texts;
    texts.reserve(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        texts.append(ShortStringField::load(record.constData() + m_offsets[i], capacity(i)));
    return texts;
}
