#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// Reads a zip file (the container of an .xlsx workbook) through its central
// directory: the names of its entries and their contents, stored or
// deflated. Enough to tell a complete file from a cut or damaged one, which
// is what the .xlsx export checks before putting its file in place.
// Multi-disk and ZIP64 files are refused.
class ZipReader
{
public:
    explicit ZipReader(const QString &path);

    // Reads the end record and the central directory; false when the file is
    // not a complete zip (cut, damaged, or not a zip at all).
    bool open();
    QStringList names() const;
    bool contains(const QString &name) const;
    // The content of one entry, checked against its size and CRC-32;
    // nothing when it is missing or does not match.
    std::optional<QByteArray> read(const QString &name);
    // The same, handed to `sink` piece by piece instead of kept whole; false
    // when the entry is missing or does not match (`sink` may have had part
    // of it by then).
    bool read(const QString &name, const std::function<void(const char *, qsizetype)> &sink);
    // Reads every entry without keeping it, checking each one as read()
    // does: true when the whole file is sound.
    bool verifyAll();

private:
    struct Entry
    {
        QString name;
        quint16 method;
        quint32 crc;
        quint32 compressedSize;
        quint32 size;
        quint32 localOffset;
    };

    bool readDirectory(qint64 offset, qint64 size, int count);
    // Feeds the entry's content to `sink` in pieces; true when the content
    // matches the directory.
    bool extract(const Entry &entry, const std::function<void(const char *, qsizetype)> &sink);
    const Entry *find(const QString &name) const;

    QFile m_file;
    std::vector<Entry> m_entries;
    qint64 m_directoryOffset = 0;
};
