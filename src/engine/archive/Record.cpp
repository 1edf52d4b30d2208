#include "engine/archive/Record.h"

#include "engine/archive/RecordLayout.h"

Record::Record(const RecordLayout &layout)
    : m_layout(&layout)
{
    m_texts.resize(layout.fieldCount());
}

Record Record::decode(const RecordLayout &layout, const QByteArray &bytes)
{
    Record record(layout);
    record.m_texts = layout.decode(bytes);
    return record;
}

QByteArray Record::encode() const
{
    return m_layout->encode(m_texts);
}

QString Record::value(const QString &fieldName) const
{
    const int index = m_layout->indexOf(fieldName);
    return index < 0 ? QString() : m_texts.at(index);
}

void Record::setValue(const QString &fieldName, const QString &text)
{
    const int index = m_layout->indexOf(fieldName);
    if (index >= 0)
        m_texts[index] = text;
}
