#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// One field of a record layout: its name and its capacity in characters.
struct RecordFieldDef
{
    const char *name;
    int capacity;
};

// The layout of one kind of archive record: a sequence of ShortString fields
// with no gaps, each taking capacity + 1 bytes.
class RecordLayout
{
public:
    RecordLayout(QString archiveName, std::initializer_list<RecordFieldDef> fields);
    // For layouts built by a program (a block of fields repeated); the
    // names must outlive the layout.
    RecordLayout(QString archiveName, std::vector<RecordFieldDef> fields);

    // The archive's file name ("Archivio_Locatori.pro"); empty for the
    // receipts, whose file is named after the year.
    const QString &archiveName() const { return m_archiveName; }
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    QString name(int index) const { return QString::fromLatin1(m_fields[index].name); }
    int capacity(int index) const { return m_fields[index].capacity; }
    int size(int index) const { return m_fields[index].capacity + 1; }
    int offset(int index) const { return m_offsets[index]; }
    int recordSize() const { return m_recordSize; }
    // The index of the field of that name, or -1.
    int indexOf(const QString &name) const;

    // The record's bytes from one text per field, in layout order; missing
    // texts are stored empty.
    QByteArray encode(const QStringList &texts) const;
    // One trimmed text per field from a record's bytes (recordSize() of them).
    QStringList decode(const QByteArray &record) const;

private:
    QString m_archiveName;
    std::vector<RecordFieldDef> m_fields;
    std::vector<int> m_offsets;
    int m_recordSize = 0;
};
