#include "engine/export/ZipReader.h"

#include <zlib.h>

#include <QtEndian>

#include <algorithm>

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 DirectorySignature = 0x02014b50;
constexpr quint32 LocalSignature = 0x04034b50;
constexpr qint64 EndSize = 22;
constexpr qint64 MaxCommentSize = 0xFFFF;
constexpr qint64 DirectoryEntrySize = 46;
constexpr qint64 LocalHeaderSize = 30;
constexpr qint64 InputChunk = 256 * 1024;
constexpr qint64 OutputChunk = 256 * 1024;

quint16 u16(const char *at) { return qFromLittleEndian<quint16>(at); }
quint32 u32(const char *at) { return qFromLittleEndian<quint32>(at); }

} // namespace

ZipReader::ZipReader(const QString &path)
    : m_file(path)
{
}

bool ZipReader::open()
{
    m_entries.clear();
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly))
        return false;
    const qint64 fileSize = m_file.size();
    if (fileSize < EndSize)
        return false;

    // The end record sits at the very end, behind a comment of at most 64 KB.
    const qint64 tailSize = std::min(fileSize, EndSize + MaxCommentSize);
    if (!m_file.seek(fileSize - tailSize))
        return false;
    const QByteArray tail = m_file.read(tailSize);
    if (tail.size() != tailSize)
        return false;
    for (qint64 at = tailSize - EndSize; at >= 0; --at) {
        const char *end = tail.constData() + at;
        if (u32(end) != EndSignature)
            continue;
        const quint16 commentSize = u16(end + 20);
        if (at + EndSize + commentSize != tailSize)
            continue;  // the signature's bytes inside some other data
        const quint16 disk = u16(end + 4);
        const quint16 directoryDisk = u16(end + 6);
        const quint16 entriesHere = u16(end + 8);
        const quint16 entries = u16(end + 10);
        const quint32 directorySize = u32(end + 12);
        const quint32 directoryOffset = u32(end + 16);
        if (disk != 0 || directoryDisk != 0 || entriesHere != entries)
            return false;
        if (entries == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF)
            return false;  // ZIP64
        const qint64 endOffset = fileSize - tailSize + at;
        // Nothing may lie between the directory and the end record.
        if (qint64(directoryOffset) + directorySize != endOffset)
            return false;
        return readDirectory(directoryOffset, directorySize, entries);
    }
    return false;
}

bool ZipReader::readDirectory(qint64 offset, qint64 size, int count)
{
    if (!m_file.seek(offset))
        return false;
    const QByteArray directory = m_file.read(size);
    if (directory.size() != size)
        return false;
    qint64 at = 0;
    for (int i = 0; i < count; ++i) {
        if (at + DirectoryEntrySize > size)
            return false;
        const char *entry = directory.constData() + at;
        if (u32(entry) != DirectorySignature)
            return false;
        const quint16 nameSize = u16(entry + 28);
        const quint16 extraSize = u16(entry + 30);
        const quint16 commentSize = u16(entry + 32);
        const qint64 entrySize = DirectoryEntrySize + nameSize + extraSize + commentSize;
        if (at + entrySize > size)
            return false;
        Entry parsed{QString::fromUtf8(entry + DirectoryEntrySize, nameSize), u16(entry + 10),
                     u32(entry + 16), u32(entry + 20), u32(entry + 24), u32(entry + 42)};
        if (parsed.method != 0 && parsed.method != Z_DEFLATED)
            return false;
        if (parsed.method == 0 && parsed.compressedSize != parsed.size)
            return false;
        // Each entry's data must end before the directory starts.
        if (qint64(parsed.localOffset) + LocalHeaderSize + parsed.compressedSize > offset)
            return false;
        m_entries.push_back(parsed);
        at += entrySize;
    }
    if (at != size)
        return false;
    m_directoryOffset = offset;
    return true;
}

QStringList ZipReader::names() const
{
    QStringList list;
    for (const Entry &entry : m_entries)
        list.append(entry.name);
    return list;
}

bool ZipReader::contains(const QString &name) const
{
    return find(name) != nullptr;
}

const ZipReader::Entry *ZipReader::find(const QString &name) const
{
    const auto found = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                    [&name](const Entry &entry) { return entry.name == name; });
    return found == m_entries.cend() ? nullptr : &*found;
}

std::optional<QByteArray> ZipReader::read(const QString &name)
{
    const Entry *entry = find(name);
    if (!entry)
        return std::nullopt;
    QByteArray content;
    content.reserve(entry->size);
    if (!extract(*entry, [&content](const char *data, qsizetype size) { content.append(data, size); }))
        return std::nullopt;
    return content;
}

bool ZipReader::read(const QString &name, const std::function<void(const char *, qsizetype)> &sink)
{
    const Entry *entry = find(name);
    return entry && extract(*entry, sink);
}

bool ZipReader::verifyAll()
{
    return std::all_of(m_entries.cbegin(), m_entries.cend(), [this](const Entry &entry) {
        return extract(entry, [](const char *, qsizetype) {});
    });
}

bool ZipReader::extract(const Entry &entry, const std::function<void(const char *, qsizetype)> &sink)
{
    if (!m_file.seek(entry.localOffset))
        return false;
    const QByteArray local = m_file.read(LocalHeaderSize);
    if (local.size() != LocalHeaderSize || u32(local.constData()) != LocalSignature)
        return false;
    const qint64 dataStart = qint64(entry.localOffset) + LocalHeaderSize + u16(local.constData() + 26)
                             + u16(local.constData() + 28);
    if (dataStart + entry.compressedSize > m_directoryOffset || !m_file.seek(dataStart))
        return false;

    quint32 crc = crc32(0, nullptr, 0);
    qint64 produced = 0;
    auto take = [&](const char *data, qsizetype size) {
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data), static_cast<uInt>(size));
        produced += size;
        sink(data, size);
    };

    qint64 remaining = entry.compressedSize;
    if (entry.method == 0) {
        while (remaining > 0) {
            const QByteArray piece = m_file.read(std::min(remaining, InputChunk));
            if (piece.isEmpty())
                return false;
            take(piece.constData(), piece.size());
            remaining -= piece.size();
        }
        return produced == entry.size && crc == entry.crc;
    }

    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    QByteArray input;
    QByteArray output(OutputChunk, Qt::Uninitialized);
    int status = Z_OK;
    bool failed = false;
    while (status != Z_STREAM_END && !failed) {
        if (stream.avail_in == 0 && remaining > 0) {
            input = m_file.read(std::min(remaining, InputChunk));
            if (input.isEmpty()) {
                failed = true;
                break;
            }
            remaining -= input.size();
            stream.next_in = reinterpret_cast<Bytef *>(input.data());
            stream.avail_in = static_cast<uInt>(input.size());
        }
        stream.next_out = reinterpret_cast<Bytef *>(output.data());
        stream.avail_out = static_cast<uInt>(output.size());
        status = inflate(&stream, Z_NO_FLUSH);
        // Z_BUF_ERROR only asks for more input; with none left the data
        // was cut before the end of its stream.
        if (status == Z_BUF_ERROR)
            failed = stream.avail_in == 0 && remaining == 0;
        else if (status != Z_OK && status != Z_STREAM_END)
            failed = true;
        take(output.constData(), output.size() - stream.avail_out);
    }
    // The stream must end exactly where the entry's data does.
    const bool complete = !failed && status == Z_STREAM_END && stream.avail_in == 0 && remaining == 0;
    inflateEnd(&stream);
    return complete && produced == entry.size && crc == entry.crc;
}
