// Times the double-booking check that saving a contract runs, over 100,000
// contracts, each run against a plain read of the same file from the page
// cache made just before it (the speed of this machine drifts from second to
// second; the ratio of two neighbouring times much less):
//   - contracts of 1,500 properties, none overlapping the contract saved:
//     every record is compared, and only its property's have their dates
//     read;
//   - contracts of one property, back to back, and the contract saved after
//     the last: every record's dates are read (the worst case).
// Each check is timed as the save runs it: the archive opened with its
// lock, read, closed. There is no index or cache to warm.
//   bench_booking [folder]   (default: a temporary folder, removed after)
#include "BenchArchives.h"
#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/contracts/BookingOverlap.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 100000;
constexpr int kRuns = 9;
constexpr double kGoalMs = 100.0;

const QStringList kTowns = {"Perugia", "Assisi", "Città di Castello", "Foligno", "Spoleto", "Todi",
                            "Gubbio", "Orvieto", "Spello", "Castiglione del Lago"};

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

struct Case
{
    const char *what;
    std::function<void(int k, QStringList &texts)> fill;
    Record saved;
};

void set(QStringList &texts, const char *field, const QString &text)
{
    texts[RecordLayouts::contratto().indexOf(QString::fromLatin1(field))] = text;
}

Record contract(const QString &comune, const QString &via, const QDate &start, const QDate &end)
{
    Record record(RecordLayouts::contratto());
    record.setValue(QStringLiteral("ComuneImm"), comune);
    record.setValue(QStringLiteral("ViaImm"), via);
    record.setValue(QStringLiteral("InizioCon"), dateText(start));
    record.setValue(QStringLiteral("FineCon"), dateText(end));
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = benchFolder(argc, argv, temporary);
    const QString path = folder + RecordLayouts::contratto().archiveName();
    const QDate first(2025, 1, 1);

    const std::vector<Case> cases = {
        {"1,500 properties, no overlap",
         [&](int k, QStringList &texts) {
             const QDate start = first.addDays(k % 900);
             set(texts, "ComuneImm", kTowns.at(k / 3 % kTowns.size()));
             set(texts, "ViaImm", QStringLiteral("Via Mazzini %1").arg(k % 150));
             set(texts, "InizioCon", dateText(start));
             set(texts, "FineCon", dateText(start.addDays(1 + k % 29)));
         },
         contract(QStringLiteral("Perugia"), QStringLiteral("Via Mazzini 7"), QDate(2030, 7, 1), QDate(2030, 7, 8))},
        {"one property, stays back to back",
         [&](int k, QStringList &texts) {
             const QDate start = first.addDays(qint64(k - 1) * 3);
             set(texts, "ComuneImm", QStringLiteral("Perugia"));
             set(texts, "ViaImm", QStringLiteral("Via Mazzini 7"));
             set(texts, "InizioCon", dateText(start));
             set(texts, "FineCon", dateText(start.addDays(3)));
         },
         contract(QStringLiteral("Perugia"), QStringLiteral("Via Mazzini 7"), first.addDays(qint64(kRecords) * 3),
                  first.addDays(qint64(kRecords) * 3 + 7))},
    };

    bool allWithinGoal = true;
    for (const Case &run : cases) {
        if (!writeGeneratedArchive(path, RecordLayouts::contratto(), kRecords, run.fill)) {
            std::fprintf(stderr, "cannot write the archive in %s\n", qPrintable(folder));
            return 1;
        }
        readOnce(path);  // into the page cache
        std::vector<double> times;
        std::vector<double> reads;
        for (int i = 0; i < kRuns; ++i) {
            reads.push_back(readOnce(path));
            QElapsedTimer timer;
            timer.start();
            ArchiveFile archive(path, RecordLayouts::contratto().recordSize());
            if (!archive.open()) {
                std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
                return 1;
            }
            const std::optional<BookingOverlap::Booking> booking
                = BookingOverlap::findOverlap(archive, run.saved, 0);
            archive.close();
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (booking) {
                std::fprintf(stderr, "%s: unexpected overlap with contract %lld\n", run.what,
                             static_cast<long long>(booking->position));
                return 1;
            }
        }
        const double worst = *std::max_element(times.begin(), times.end());
        allWithinGoal = allWithinGoal && worst <= kGoalMs;
        const std::vector<double> r = ratios(times, reads);
        std::printf("%s, %d contracts (%.1f MB):\n"
                    "  check: median %.1f ms, best %.1f ms, worst %.1f ms\n"
                    "  the plain read before each run: median %.1f ms; ratio median %.2f x, best %.2f x\n",
                    run.what, kRecords, QFile(path).size() / 1048576.0, median(times), best(times), worst,
                    median(reads), median(r), best(r));
    }
    std::printf("every check within %.0f ms: %s\n", kGoalMs, allWithinGoal ? "yes" : "NO");
    QFile::remove(path);
    return allWithinGoal ? 0 : 2;
}
