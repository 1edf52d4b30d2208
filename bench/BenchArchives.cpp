#include "BenchArchives.h"

#include "engine/archive/RecordLayout.h"

#include <QFile>

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
