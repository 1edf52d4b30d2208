#include "engine/zip/ZipReader.h"

#include <QFile>

#include <zip.h>

namespace {

constexpr qsizetype kChunk = 256 * 1024;

QString libzipError(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

} // namespace

ZipReader::ZipReader(const QString &path)
    : m_path(path)
{
}

ZipReader::~ZipReader()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool ZipReader::open()
{
    if (m_archive)
        return true;
    int code = 0;
    m_archive = zip_open(QFile::encodeName(m_path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        m_error = libzipError(&error);
        zip_error_fini(&error);
        return false;
    }
    return true;
}

QStringList ZipReader::names() const
{
    QStringList result;
    if (!m_archive)
        return result;
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char *name = zip_get_name(m_archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS))
            result.append(QString::fromUtf8(name));
    }
    return result;
}

QList<ZipReader::Entry> ZipReader::entries() const
{
    QList<Entry> result;
    if (!m_archive)
        return result;
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS, &stat) != 0)
            continue;
        Entry entry;
        entry.name = QString::fromUtf8(stat.name);
        if (stat.valid & ZIP_STAT_MTIME)
            entry.modified = QDateTime::fromSecsSinceEpoch(stat.mtime);
        result.append(entry);
    }
    return result;
}

bool ZipReader::contains(const QString &name) const
{
    return m_archive && zip_name_locate(m_archive, name.toUtf8().constData(), ZIP_FL_ENC_GUESS) >= 0;
}

std::optional<QByteArray> ZipReader::read(const QString &name)
{
    QByteArray content;
    if (!read(name, [&content](const char *data, qsizetype size) { content.append(data, size); }))
        return std::nullopt;
    return content;
}

bool ZipReader::read(const QString &name, const std::function<void(const char *, qsizetype)> &sink)
{
    if (!m_archive)
        return false;
    zip_file_t *file = zip_fopen(m_archive, name.toUtf8().constData(), ZIP_FL_ENC_GUESS);
    if (!file) {
        m_error = libzipError(zip_get_error(m_archive));
        return false;
    }
    // libzip checks the CRC-32 as the end of the entry is read, and reports
    // a short entry as an error.
    QByteArray chunk(kChunk, Qt::Uninitialized);
    bool ok = true;
    for (;;) {
        const zip_int64_t got = zip_fread(file, chunk.data(), static_cast<zip_uint64_t>(chunk.size()));
        if (got < 0) {
            m_error = libzipError(zip_file_get_error(file));
            ok = false;
            break;
        }
        if (got == 0)
            break;
        sink(chunk.constData(), static_cast<qsizetype>(got));
    }
    zip_fclose(file);
    return ok;
}

bool ZipReader::verifyAll()
{
    if (!open())
        return false;
    const QStringList entries = names();
    for (const QString &entry : entries) {
        if (!read(entry, [](const char *, qsizetype) {}))
            return false;
    }
    return true;
}
