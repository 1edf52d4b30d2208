#include "engine/zip/ZipWriter.h"

#include "engine/diagnostics/Logging.h"
#include "engine/files/ReplacingFile.h"
#include "engine/zip/ZipReader.h"

#include <QSet>

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

struct ZipWriter::Entry
{
    QString name;
    time_t modified = 0;
    Producer producer;
    std::optional<QByteArray> content;  // while libzip reads it
    qsizetype position = 0;
    zip_error_t error{};
};

namespace {

// An entry's content, made by its producer when libzip opens it and dropped
// when libzip closes it.
zip_int64_t entryCallback(void *state, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *entry = static_cast<ZipWriter::Entry *>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        entry->content = entry->producer();
        entry->position = 0;
        if (!entry->content) {
            zip_error_set(&entry->error, ZIP_ER_READ, EIO);
            return -1;
        }
        return 0;
    case ZIP_SOURCE_READ: {
        if (!entry->content)
            return 0;
        const qsizetype left = entry->content->size() - entry->position;
        const qsizetype count = std::min<qsizetype>(left, static_cast<qsizetype>(std::min<zip_uint64_t>(length, 1 << 30)));
        std::memcpy(data, entry->content->constData() + entry->position, static_cast<size_t>(count));
        entry->position += count;
        return count;
    }
    case ZIP_SOURCE_CLOSE:
        entry->content.reset();
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &entry->error);
        if (!stat)
            return -1;
        zip_stat_init(stat);
        stat->valid |= ZIP_STAT_MTIME;
        stat->mtime = entry->modified;
        if (entry->content) {
            stat->valid |= ZIP_STAT_SIZE;
            stat->size = static_cast<zip_uint64_t>(entry->content->size());
        }
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&entry->error, data, length);
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&entry->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// The new file that libzip writes the zip into: the descriptor of a
// ReplacingFile, which has no name for libzip to make its own temporary
// file beside.
struct Output
{
    int fd = -1;
    zip_uint64_t readPosition = 0;
    zip_uint64_t writePosition = 0;
    zip_error_t error{};
};

zip_int64_t fileSize(Output *output)
{
    struct stat info {};
    if (::fstat(output->fd, &info) != 0) {
        zip_error_set(&output->error, ZIP_ER_READ, errno);
        return -1;
    }
    return info.st_size;
}

zip_int64_t outputCallback(void *state, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *output = static_cast<Output *>(state);
    switch (command) {
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_WRITABLE;
    case ZIP_SOURCE_STAT: {
        auto *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &output->error);
        const zip_int64_t size = fileSize(output);
        if (!stat || size < 0)
            return -1;
        zip_stat_init(stat);
        stat->valid |= ZIP_STAT_SIZE;
        stat->size = static_cast<zip_uint64_t>(size);
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_OPEN:
        output->readPosition = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const ssize_t got = ::pread(output->fd, data, length, static_cast<off_t>(output->readPosition));
        if (got < 0) {
            zip_error_set(&output->error, ZIP_ER_READ, errno);
            return -1;
        }
        output->readPosition += static_cast<zip_uint64_t>(got);
        return got;
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_SEEK:
    case ZIP_SOURCE_SEEK_WRITE: {
        const bool writing = command == ZIP_SOURCE_SEEK_WRITE;
        const zip_int64_t size = fileSize(output);
        if (size < 0)
            return -1;
        zip_uint64_t &position = writing ? output->writePosition : output->readPosition;
        const zip_int64_t target = zip_source_seek_compute_offset(position, static_cast<zip_uint64_t>(size), data,
                                                                  length, &output->error);
        if (target < 0)
            return -1;
        position = static_cast<zip_uint64_t>(target);
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(output->readPosition);
    case ZIP_SOURCE_TELL_WRITE:
        return static_cast<zip_int64_t>(output->writePosition);
    case ZIP_SOURCE_BEGIN_WRITE:
    case ZIP_SOURCE_ROLLBACK_WRITE:
    case ZIP_SOURCE_REMOVE:
        output->writePosition = 0;
        if (::ftruncate(output->fd, 0) != 0) {
            zip_error_set(&output->error, ZIP_ER_WRITE, errno);
            return -1;
        }
        return 0;
    case ZIP_SOURCE_WRITE: {
        const char *bytes = static_cast<const char *>(data);
        zip_uint64_t left = length;
        while (left > 0) {
            const ssize_t written = ::pwrite(output->fd, bytes, left, static_cast<off_t>(output->writePosition));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                // A full disk: a short write comes back as no room left.
                zip_error_set(&output->error, ZIP_ER_WRITE, written < 0 ? errno : ENOSPC);
                return -1;
            }
            bytes += written;
            left -= static_cast<zip_uint64_t>(written);
            output->writePosition += static_cast<zip_uint64_t>(written);
        }
        return static_cast<zip_int64_t>(length);
    }
    case ZIP_SOURCE_COMMIT_WRITE:
        // Flushed to the disk by ReplacingFile::commit, after the check.
        return 0;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&output->error, data, length);
    case ZIP_SOURCE_FREE:
        return 0;
    default:
        zip_error_set(&output->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

QString errorText(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

} // namespace

ZipWriter::ZipWriter(QString target)
    : m_target(std::move(target))
{
}

ZipWriter::~ZipWriter()
{
    for (const auto &entry : m_entries)
        zip_error_fini(&entry->error);
}

void ZipWriter::add(const QString &name, const QDateTime &modified, Producer producer)
{
    auto entry = std::make_unique<Entry>();
    entry->name = name;
    entry->modified = static_cast<time_t>(modified.toSecsSinceEpoch());
    entry->producer = std::move(producer);
    zip_error_init(&entry->error);
    m_entries.push_back(std::move(entry));
}

bool ZipWriter::write()
{
    ReplacingFile file(m_target);
    if (!file.create()) {
        m_error = QStringLiteral("cannot create the new file: ") + Logging::systemError();
        return false;
    }

    Output output;
    output.fd = file.handle();
    zip_error_init(&output.error);
    zip_error_t error;
    zip_error_init(&error);
    const auto fail = [&](const QString &why) {
        m_error = why;
        qCWarning(lcBackup) << "cannot write" << m_target << ":" << why;
        zip_error_fini(&error);
        zip_error_fini(&output.error);
        return false;
    };

    zip_source_t *destination = zip_source_function_create(outputCallback, &output, &error);
    if (!destination)
        return fail(errorText(&error));
    zip_t *archive = zip_open_from_source(destination, ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(destination);
        return fail(errorText(&error));
    }
    for (const auto &entry : m_entries) {
        zip_source_t *source = zip_source_function_create(entryCallback, entry.get(), &error);
        const zip_int64_t index =
            source ? zip_file_add(archive, entry->name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            const QString why = source ? QString::fromLocal8Bit(zip_strerror(archive)) : errorText(&error);
            if (source)
                zip_source_free(source);
            zip_discard(archive);
            return fail(entry->name + QStringLiteral(": ") + why);
        }
        zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), entry->modified, 0);
    }
    // Every entry's content is made and written here.
    if (zip_close(archive) != 0) {
        const QString why = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        return fail(why);
    }

    // Read back before it takes the name: every entry there, whole.
    ZipReader check(file.temporaryPath());
    if (!check.verifyAll())
        return fail(QStringLiteral("the written zip does not read back: ") + check.errorString());
    QSet<QString> expected;
    for (const auto &entry : m_entries)
        expected.insert(entry->name);
    const QStringList written = check.names();
    if (written.size() != qsizetype(m_entries.size()) || QSet<QString>(written.begin(), written.end()) != expected)
        return fail(QStringLiteral("the written zip does not hold the entries given"));
    if (!file.commit())
        return fail(QStringLiteral("cannot put the zip in place: ") + Logging::systemError());
    zip_error_fini(&error);
    zip_error_fini(&output.error);
    return true;
}
