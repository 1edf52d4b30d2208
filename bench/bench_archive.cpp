// Times the card operations on a landlord archive of 100,000 records and on
// one of 10 records. Records are reached by position, so both must cost the
// same, well under 10 ms an operation.
//   bench_archive [folder]   (default: a temporary folder, removed after)
#include "BenchArchives.h"
#include "engine/archive/ArchiveFile.h"
#include "engine/archive/CardOperations.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/platform/Platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A platform that shows nothing: the messages would stop the clock.
class SilentPlatform : public Platform
{
public:
    explicit SilentPlatform(QString folder) : m_folder(std::move(folder)) {}
    void showMessage(MessageKind, const QString &) override { ++messages; }
    bool askYesNo(const QString &, DefaultAnswer) override { return false; }
    QString chooseFileToOpen(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFileToSave(const QString &, const QString &, const QString &) override { return {}; }
    void shellOpen(const QString &) override {}
    QDate today() override { return QDate::currentDate(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    QString programFolder() override { return m_folder; }
    int messages = 0;

private:
    QString m_folder;
};

class BenchView : public CardView
{
public:
    Record record{RecordLayouts::locatore()};
    QString label;
    Record cardRecord() const override { return record; }
    void showCardRecord(const Record &shown) override { record = shown; }
    QString position() const override { return label; }
    void setPosition(const QString &p) override { label = p; }
    void clearCard() override { record = Record(RecordLayouts::locatore()); label.clear(); }
    void clearAttachments() override {}
    void focusFirstField() override {}
    bool checkBeforeSave() override { return true; }
};

bool writeArchive(const QString &path, int records)
{
    return writeGeneratedArchive(path, RecordLayouts::locatore(), records, [](int k, QStringList &texts) {
        texts[0] = QStringLiteral("LOCATORE %1").arg(k);
    });
}

struct Timing
{
    double median;
    double worst;
};

Timing timeIt(int repetitions, const std::function<void()> &operation)
{
    std::vector<double> samples;
    samples.reserve(repetitions);
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        operation();
        samples.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = benchFolder(argc, argv, temporary);
    SilentPlatform silent(folder);
    setPlatform(&silent);

    std::printf("%-10s %-16s %12s %12s\n", "records", "operation", "median ms", "worst ms");
    for (const int records : {10, 100000}) {
        const QString path = folder + QStringLiteral("bench_%1.pro").arg(records);
        if (!writeArchive(path, records)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        BenchView view;
        CardOperations operations(view, RecordLayouts::locatore(), CardMessages::cards());
        operations.setArchivePath(path);
        constexpr int repetitions = 200;

        const std::vector<std::pair<const char *, std::function<void()>>> cases = {
            {"First", [&] { operations.first(); }},
            {"Last", [&] { operations.last(); }},
            {"Next", [&] { view.label = QString::number(records / 2); operations.next(); }},
            {"Save-overwrite", [&] { view.label = QString::number(records / 2); operations.save(); }},
        };
        for (const auto &[name, operation] : cases) {
            operations.last();
            const Timing timing = timeIt(repetitions, operation);
            std::printf("%-10d %-16s %12.3f %12.3f\n", records, name, timing.median, timing.worst);
        }
        QFile::remove(path);
    }
    setPlatform(nullptr);
    return 0;
}
