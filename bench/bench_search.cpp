// Times the list windows over large archives, against reading the archive
// file once from the page cache:
//   - Cerca with no criteria in the landlord search window over 100,000
//     landlords (about 348 MB), from the click until the results panel and
//     its count are shown;
//   - the non-expired contracts list over 100,000 contracts, from showing
//     the window until its list is filled.
// It also reports the memory the lines take against the size of their
// text, and the longest time the window went without answering.
//   bench_search [folder]   (default: a temporary folder, removed after)
#include "BenchArchives.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ArchiveScanner.h"
#include "engine/lists/NonExpiredFilter.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLineModel.h"
#include "engine/lists/SummaryLines.h"
#include "engine/lists/SummaryListing.h"
#include "engine/platform/Platform.h"
#include "widgets/contracts/TfrmSospesi.h"
#include "widgets/search/SearchWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRecords = 100000;
// Runs of each measure: the figures are the median and the best.
constexpr int kRuns = 7;

// A platform that shows nothing: a message would stop the clock.
class SilentPlatform : public Platform
{
public:
    explicit SilentPlatform(QString folder) : m_folder(std::move(folder)) {}
    void showMessage(MessageKind, const QString &) override { ++messages; }
    bool askYesNo(const QString &, DefaultAnswer) override { return false; }
    QString chooseFileToOpen(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFileToSave(const QString &, const QString &, const QString &) override { return {}; }
    void shellOpen(const QString &) override {}
    QDate today() override { return QDate(2026, 12, 9); }
    QDateTime now() override { return QDateTime(today(), QTime(10, 0)); }
    QString programFolder() override { return m_folder; }
    int messages = 0;

private:
    QString m_folder;
};

const QStringList kSurnames = {"ROSSI", "BIANCHI", "VERDI", "ESPOSITO", "ROMANO", "COLOMBO", "RICCI",
                               "MARINO", "GRECO", "BRUNO", "GALLO", "CONTI", "DE LUCA", "COSTA",
                               "GIORDANO", "MANCINI", "RIZZO", "LOMBARDI", "MORETTI", "BARBIERI"};
const QStringList kNames = {"MARIO", "ANNA", "GIUSEPPE", "MARIA", "LUCA", "GIULIA", "PAOLO",
                            "FRANCESCA", "NICOLÒ", "CHIARA", "ANDREA", "SARA"};
const QStringList kTowns = {"Perugia", "Assisi", "Città di Castello", "Foligno", "Spoleto", "Todi",
                            "Gubbio", "Orvieto", "Spello", "Castiglione del Lago"};
const QStringList kKinds = {"Appartamento", "Villa", "Monolocale", "Casale", "Attico"};

bool writeRecords(const QString &path, const RecordLayout &layout, const std::function<void(int, QStringList &)> &fill)
{
    return writeGeneratedArchive(path, layout, kRecords, fill);
}

void fillLandlord(int k, QStringList &texts)
{
    const RecordLayout &layout = RecordLayouts::locatore();
    const auto set = [&](const char *field, const QString &text) { texts[layout.indexOf(QString::fromLatin1(field))] = text; };
    set("Locatore", kSurnames.at(k % kSurnames.size()) + QLatin1Char(' ') + kNames.at(k / 7 % kNames.size())
                        + QStringLiteral(" %1").arg(k));
    set("RecapitoLoc", QStringLiteral("075 %1").arg(5000000 + k));
    set("TipoImm", kKinds.at(k % kKinds.size()));
    set("ComuneImm", kTowns.at(k / 3 % kTowns.size()));
    set("ViaImm", QStringLiteral("Via Garibaldi %1").arg(k % 200));
    set("Posti", QString::number(2 + k % 6));
}

void fillContract(int k, QStringList &texts)
{
    const RecordLayout &layout = RecordLayouts::contratto();
    const auto set = [&](const char *field, const QString &text) { texts[layout.indexOf(QString::fromLatin1(field))] = text; };
    const QDate start = QDate(2025, 1, 1).addDays(k % 900);
    const int days = 1 + k % 29;
    set("Conduttore", kSurnames.at(k % kSurnames.size()) + QLatin1Char(' ') + kNames.at(k / 5 % kNames.size()));
    set("DurataCon", QString::number(days));
    set("InizioCon", start.toString(QStringLiteral("dd/MM/yyyy")));
    set("FineCon", start.addDays(days).toString(QStringLiteral("dd/MM/yyyy")));
    set("ComuneImm", kTowns.at(k / 3 % kTowns.size()));
    set("ViaImm", QStringLiteral("Via Mazzini %1").arg(k % 150));
    set("ImpCanone", QStringLiteral("%1,00").arg(300 + k % 900));
}

// Kilobytes from /proc/self/status.
qint64 statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Gives the memory the program has freed back to the system, so that what
// the next window takes shows in the resident size instead of reusing,
// unseen, what the last window left free.
void releaseFreedMemory()
{
    malloc_trim(0);
}

// Starts a new peak of the resident memory; false where the system does
// not allow it.
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

void printTimes(const char *what, const std::vector<double> &times, const std::vector<double> &reads)
{
    const std::vector<double> r = ratios(times, reads);
    std::printf("%s: median %.0f ms, the plain read before each run median %.0f ms; "
                "ratio median %.2f x, best %.2f x\n",
                what, median(times), median(reads), median(r), best(r));
}

// The longest wait between two turns of the event loop while `work` runs.
class AnswerWatch
{
public:
    AnswerWatch()
    {
        m_tick.setInterval(5);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed() / 1e6);
            m_sinceTick.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_sinceTick.start();
        m_tick.start();
    }
    double stop()
    {
        m_tick.stop();
        return std::max(m_longest, m_sinceTick.nsecsElapsed() / 1e6);
    }

private:
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    double m_longest = 0;
};

struct Measure
{
    std::vector<double> times;
    std::vector<double> reads;  // the plain read before each run
    double longestWait = 0;
    qint64 peakKb = 0;
    qint64 keptKb = 0;
    qint64 lines = 0;
    qint64 characters = 0;
    qint64 linesBytes = 0;
};

void report(const char *what, const Measure &measure, bool peakKnown)
{
    const double textMb = measure.characters * 2 / 1048576.0;
    std::printf("%s\n", what);
    std::printf("  lines %lld, text %.1f MB (%lld characters as UTF-16)\n", (long long)measure.lines, textMb,
                (long long)measure.characters);
    const std::vector<double> r = ratios(measure.times, measure.reads);
    std::printf("  time: median %.0f ms, the plain read before each run median %.0f ms; "
                "ratio median %.2f x, best %.2f x\n",
                median(measure.times), median(measure.reads), median(r), best(r));
    std::printf("  longest wait of the window %.0f ms\n", measure.longestWait);
    std::printf("  lines held %.1f MB = %.2f x their text\n", measure.linesBytes / 1048576.0,
                measure.linesBytes / 1048576.0 / textMb);
    std::printf("  memory kept %.1f MB = %.2f x the text; peak %s%.1f MB = %.2f x the text\n",
                measure.keptKb / 1024.0, measure.keptKb / 1024.0 / textMb, peakKnown ? "" : "(since start) ",
                measure.peakKb / 1024.0, measure.peakKb / 1024.0 / textMb);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = benchFolder(argc, argv, temporary);
    SilentPlatform silent(folder);
    setPlatform(&silent);

    const QString landlords = folder + RecordLayouts::locatore().archiveName();
    const QString contracts = folder + RecordLayouts::contratto().archiveName();
    if (!writeRecords(landlords, RecordLayouts::locatore(), fillLandlord)
        || !writeRecords(contracts, RecordLayouts::contratto(), fillContract)) {
        std::fprintf(stderr, "cannot write the archives in %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("landlords %.1f MB, contracts %.1f MB, %d records each\n", QFile(landlords).size() / 1048576.0,
                QFile(contracts).size() / 1048576.0, kRecords);

    // Warm the page cache. Each run is timed right after a plain read of
    // the same file, and compared with it: the speed of this machine drifts
    // from one second to the next, the ratio of two neighbouring times much
    // less.
    readOnce(landlords);
    readOnce(contracts);

    // The engine alone: read, build, sort.
    {
        std::vector<double> times;
        std::vector<double> reads;
        for (int i = 0; i < kRuns; ++i) {
            const SummaryLineBuilder builder(SummaryLayouts::landlords(), RecordLayouts::locatore());
            SummaryLines lines;
            reads.push_back(readOnce(landlords));
            QElapsedTimer timer;
            timer.start();
            SummaryListing::list(ArchiveScanner(landlords, RecordLayouts::locatore().recordSize()), builder, {}, lines);
            const double listed = timer.nsecsElapsed() / 1e6;
            lines.sort();
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (i == 0)
                std::printf("engine, landlords: read and build %.0f ms, with the sort %.0f ms\n", listed, times.back());
        }
        printTimes("engine, landlords", times, reads);
    }

    {
        std::vector<double> times;
        std::vector<double> reads;
        for (int i = 0; i < kRuns; ++i) {
            const SummaryLineBuilder builder(SummaryLayouts::contracts(), RecordLayouts::contratto());
            SummaryLines lines;
            reads.push_back(readOnce(contracts));
            QElapsedTimer timer;
            timer.start();
            SummaryListing::list(ArchiveScanner(contracts, RecordLayouts::contratto().recordSize()), builder,
                                 NonExpiredFilter(RecordLayouts::contratto(), silent.today()), lines);
            lines.sort();
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        printTimes("engine, non-expired contracts", times, reads);
        std::printf("\n");
    }

    AnswerWatch watch;
    QWidget owner;
    bool peakKnown = true;

    // Cerca with no criteria: a new window each time, as the program does.
    Measure search;
    for (int i = 0; i < kRuns; ++i) {
        TfrmTrovaLocatori window(&owner);
        window.show();
        QCoreApplication::processEvents();
        auto *cerca = window.findChild<QPushButton *>(QStringLiteral("btnCerca"));
        search.reads.push_back(readOnce(landlords));
        releaseFreedMemory();
        const qint64 before = statusKb("VmRSS:");
        peakKnown = resetPeak() && peakKnown;
        watch.start();
        QElapsedTimer timer;
        timer.start();
        cerca->click();
        search.times.push_back(timer.nsecsElapsed() / 1e6);
        const double waited = watch.stop();
        if (i == 0) {
            search.longestWait = waited;
            search.peakKb = statusKb("VmHWM:") - before;
            search.keptKb = statusKb("VmRSS:") - before;
            search.lines = window.model().lines().size();
            search.characters = window.model().lines().characterCount();
            search.linesBytes = window.model().lines().memoryBytes();
            std::printf("count label: %s\n", qPrintable(window.findChild<QLabel *>(QStringLiteral("lblTrovate"))->text()));
        }
        window.reject();
    }
    report("Cerca with no criteria, 100,000 landlords:", search, peakKnown);

    // The non-expired contracts, listed when the window is shown.
    Measure nonExpired;
    for (int i = 0; i < kRuns; ++i) {
        TfrmSospesi window(&owner);
        nonExpired.reads.push_back(readOnce(contracts));
        releaseFreedMemory();
        const qint64 before = statusKb("VmRSS:");
        peakKnown = resetPeak() && peakKnown;
        watch.start();
        QElapsedTimer timer;
        timer.start();
        window.show();
        while (!window.isFilled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        nonExpired.times.push_back(timer.nsecsElapsed() / 1e6);
        const double waited = watch.stop();
        if (i == 0) {
            nonExpired.longestWait = waited;
            nonExpired.peakKb = statusKb("VmHWM:") - before;
            nonExpired.keptKb = statusKb("VmRSS:") - before;
            nonExpired.lines = window.model().lines().size();
            nonExpired.characters = window.model().lines().characterCount();
            nonExpired.linesBytes = window.model().lines().memoryBytes();
        }
        window.reject();
    }
    std::printf("\n");
    report("Non-expired contracts, 100,000 contracts:", nonExpired, peakKnown);

    if (silent.messages)
        std::printf("\nmessages shown: %d\n", silent.messages);
    QFile::remove(landlords);
    QFile::remove(contracts);
    setPlatform(nullptr);
    return 0;
}
