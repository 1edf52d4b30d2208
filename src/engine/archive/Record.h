#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class RecordLayout;

// One record of an archive as texts, one per field of its layout, read and
// written by field name. This is what passes between the archive operations
// and the card windows: neither side depends on the order of the fields.
class Record
{
public:
    // Every field empty.
    explicit Record(const RecordLayout &layout);

    // The record stored in `bytes` (the layout's record size), every text
    // trimmed.
    static Record decode(const RecordLayout &layout, const QByteArray &bytes);
    // The record's bytes: every text trimmed and cut to its field.
    QByteArray encode() const;

    const RecordLayout &layout() const { return *m_layout; }
    // The text of the named field; empty for a name the layout lacks.
    QString value(const QString &fieldName) const;
    // Sets the named field; a name the layout lacks is ignored.
    void setValue(const QString &fieldName, const QString &text);
    QString value(int index) const { return m_texts.at(index); }
    void setValue(int index, const QString &text) { m_texts[index] = text; }

    friend bool operator==(const Record &a, const Record &b)
    {
        return a.m_layout == b.m_layout && a.m_texts == b.m_texts;
    }

private:
    const RecordLayout *m_layout;
    QStringList m_texts;
};
