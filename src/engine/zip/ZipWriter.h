#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Writes a zip file with libzip, the way the program writes every file: the
// zip is built in a new unnamed file beside the target (ReplacingFile), read
// back and checked entry by entry (ZipReader::verifyAll), and only then
// takes the target's name. A failure leaves nothing under the target name
// and an older file of that name as it was.
//
// Each entry's content is asked for only when libzip comes to write that
// entry and dropped right after, so that one entry at a time is in memory
// and a producer can read its file under a lock held just for that read.
class ZipWriter
{
public:
    // The content of an entry, or nothing when it cannot be read.
    using Producer = std::function<std::optional<QByteArray>()>;

    explicit ZipWriter(QString target);
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    // `name` is the entry's path inside the zip ('/' between folders).
    void add(const QString &name, const QDateTime &modified, Producer producer);
    // Writes, checks and puts the zip in place. False on any failure, with
    // errorString() saying why.
    bool write();
    QString errorString() const { return m_error; }

    // An entry waiting to be written (libzip's source callbacks reach it).
    struct Entry;

private:
    QString m_target;
    std::vector<std::unique_ptr<Entry>> m_entries;
    QString m_error;
};
