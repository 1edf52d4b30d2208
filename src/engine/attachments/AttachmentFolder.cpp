#include "engine/attachments/AttachmentFolder.h"

#include "engine/attachments/AttachmentName.h"
#include "engine/diagnostics/Logging.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 kChunkSize = 64 * 1024;

} // namespace

AttachmentFolder::AttachmentFolder(const QString &programFolder)
    : m_path(QDir(programFolder).filePath(folderName()))
{
}

QString AttachmentFolder::folderName()
{
    return QStringLiteral("Documenti_Allegati");
}

QString AttachmentFolder::path() const
{
    return m_path;
}

QString AttachmentFolder::filePath(const QString &fileName) const
{
    if (!AttachmentName::isSafe(fileName))
        return QString();
    const QString candidate = QDir(m_path).filePath(fileName);
    const QFileInfo info(candidate);
    // A link placed in the folder by somebody else may point anywhere; only
    // one whose target is a file of the folder itself is followed.
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (target.isEmpty() || QFileInfo(target).absolutePath() != QDir(m_path).canonicalPath())
            return QString();
    }
    return candidate;
}

bool AttachmentFolder::holds(const QString &fileName) const
{
    const QString target = filePath(fileName);
    return !target.isEmpty() && QFileInfo::exists(target);
}

QString AttachmentFolder::freeName(const QString &name) const
{
    constexpr int kMostNumbers = 9999;
    const auto taken = [this](const QString &candidate) {
        const QFileInfo info(QDir(m_path).filePath(candidate));
        return info.exists() || info.isSymLink();
    };
    if (!taken(name))
        return name;
    for (int n = 2; n <= kMostNumbers; ++n) {
        const QString candidate = AttachmentName::numbered(name, n);
        if (!taken(candidate))
            return candidate;
    }
    return QString();
}

bool AttachmentFolder::create() const
{
    return QDir().mkpath(m_path);
}

bool AttachmentFolder::copyIn(const QString &source, const QString &fileName) const
{
    const QString target = filePath(fileName);
    if (target.isEmpty())
        return false;
    if (!create()) {
        qCWarning(lcFiles) << "cannot create the attachments folder" << m_path;
        return false;
    }

    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        qCWarning(lcFiles) << "cannot read" << source << ":" << input.errorString();
        return false;
    }
    QSaveFile output(target);
    // Unbuffered, so that a short write shows in write()'s count; through
    // the buffer it would happen inside commit(), which could then install
    // the cut file.
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcFiles) << "cannot write" << target << ":" << output.errorString();
        return false;
    }
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = input.read(chunk.data(), chunk.size());
        if (got < 0) {
            qCWarning(lcFiles) << "cannot read" << source << ":" << input.errorString();
            output.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
        if (output.write(chunk.constData(), got) != got) {
            qCWarning(lcFiles) << "cannot write" << target << ":" << output.errorString();
            output.cancelWriting();
            return false;
        }
    }
    return output.commit();
}

QString AttachmentFolder::openCommand(const QString &fileName) const
{
    const QString target = filePath(fileName);
    if (target.isEmpty())
        return QString();
    return QLatin1Char('"') + QDir::toNativeSeparators(target) + QLatin1Char('"');
}
