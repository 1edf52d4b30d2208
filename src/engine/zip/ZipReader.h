#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct zip;

// Reads a zip file (the container of an .xlsx workbook, a backup) with
// libzip: the names of its entries and their contents, each checked against
// its size and CRC-32. Enough to tell a complete file from a cut or damaged
// one, which is what the .xlsx export and the backups check before putting
// a file in place, and what a restore checks before using one.
class ZipReader
{
public:
    explicit ZipReader(const QString &path);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    // Reads the central directory, checking it against the entries' own
    // headers; false when the file is not a complete zip (cut, damaged, or
    // not a zip at all).
    bool open();
    QStringList names() const;
    // Each entry's name, size and modification time, as the directory
    // gives them (unchecked until the entry is read).
    struct Entry
    {
        QString name;
        QDateTime modified;
    };
    QList<Entry> entries() const;
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
    // What went wrong last, in libzip's words (for the log).
    QString errorString() const { return m_error; }

private:
    QString m_path;
    zip *m_archive = nullptr;
    QString m_error;
};
