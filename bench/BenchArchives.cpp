#include "BenchArchives.h"

#include "engine/archive/RecordLayout.h"
#include "engine/archive/ArchiveScanner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

QString benchFolder(int argc, char *argv[], const QTemporaryDir &temporary)
{
    return argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/')
                    : temporary.path() + QLatin1Char('/');
}

bool writeGeneratedArchive(const QString &path, const RecordLayout &layout, int records,
                           const std::function<void(int k, QStringList &texts)> &fill)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QStringList texts;
    for (int i = 0; i < layout.fieldCount(); ++i)
        texts.append(QStringLiteral("%1 valore di prova").arg(layout.name(i)));
    QByteArray chunk;
    for (int k = 1; k <= records; ++k) {
        fill(k, texts);
        chunk += layout.encode(texts);
        if (chunk.size() > (8 << 20) || k == records) {
            if (file.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    return true;
}

double readOnce(const QString &path)
{
    static QByteArray block(int(ArchiveScanner::kDefaultBlockBytes), '\0');
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    QElapsedTimer timer;
    timer.start();
    while (file.read(block.data(), block.size()) > 0) {
    }
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

double best(const std::vector<double> &samples)
{
    return *std::min_element(samples.begin(), samples.end());
}

std::vector<double> ratios(const std::vector<double> &times, const std::vector<double> &reads)
{
    std::vector<double> result;
    for (std::size_t i = 0; i < times.size(); ++i)
        result.push_back(times[i] / reads[i]);
    return result;
}
