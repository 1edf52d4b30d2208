// Times the reports of the reports window over 1,000 stays, each made as the
// window makes it at a click: both archives read (contracts and guests),
// the stays' comuni looked up, the tax computed night by night, the table
// laid out on its pages by the report engine. Each run is paired with a
// plain read of the same two files made just before it (the speed of this
// machine drifts; the ratio of two neighbouring times much less). The code
// tables are loaded once before, as the program keeps them.
//   bench_reports [folder]   (default: a temporary folder, removed after)
#include "BenchArchives.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/platform/Platform.h"
#include "engine/report/ReportLayout.h"
#include "engine/reports/Reports.h"
#include "engine/reports/TableReport.h"
#include "engine/tax/TaxRuleFile.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStays = 1000;
constexpr int kGuests = 3;
constexpr int kRuns = 9;
constexpr double kGoalMs = 1000.0;

const QStringList kStreets = {"Via Roma 1", "Viale Vespucci 12", "Via Trieste 3", "Via Dante 40"};

// The program folder and the clock, nothing else: a benchmark shows no
// window.
class BenchPlatform : public Platform
{
public:
    explicit BenchPlatform(QString folder) : m_folder(std::move(folder)) {}
    void showMessage(MessageKind, const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString &, DefaultAnswer) override { return false; }
    QString chooseFileToOpen(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFileToSave(const QString &, const QString &, const QString &) override { return {}; }
    void shellOpen(const QString &) override {}
    QDate today() override { return QDate(2026, 12, 31); }
    QDateTime now() override { return QDateTime(today(), QTime(12, 0)); }
    QString programFolder() override { return m_folder; }

private:
    QString m_folder;
};

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate arrivalOf(int k)
{
    return QDate(2026, 1, 1).addDays((k * 7) % 360);
}

// Three guests a stay, from Bologna, Milan and France; one in ten a child.
bool writeGuests(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(kStays) * GuestArchive::layout().recordSize());
    const QStringList residences = {"408037006", "403015146", "100000215"};
    for (int k = 1; k <= kStays; ++k) {
        QList<Guest> guests;
        for (int g = 0; g < kGuests; ++g) {
            Guest guest;
            guest.type = g == 0 ? GuestType::HeadOfFamily : GuestType::FamilyMember;
            guest.surname = QStringLiteral("OSPITE%1").arg(k);
            guest.name = QStringLiteral("NOME%1").arg(g);
            guest.birthDate = (k + g) % 10 == 0 ? QDate(2020, 1, 1) : QDate(1980, 1, 1);
            guest.residence = residences.at(g);
            guests.append(guest);
        }
        bytes += GuestArchive::encode({QStringLiteral("CONDUTTORE %1").arg(k), dateText(arrivalOf(k))}, guests);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void set(QStringList &texts, const char *field, const QString &text)
{
    texts[RecordLayouts::contratto().indexOf(QString::fromLatin1(field))] = text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = benchFolder(argc, argv, temporary);
    BenchPlatform bench(folder);
    setPlatform(&bench);

    const QString contracts = folder + RecordLayouts::contratto().archiveName();
    const QString guests = folder + GuestArchive::fileName();
    const bool written =
        writeGeneratedArchive(contracts, RecordLayouts::contratto(), kStays,
                              [](int k, QStringList &texts) {
                                  const QDate arrival = arrivalOf(k);
                                  set(texts, "Conduttore", QStringLiteral("CONDUTTORE %1").arg(k));
                                  set(texts, "Locatore", QStringLiteral("BIANCHI LUCIA"));
                                  set(texts, "CodFiscLoc", QStringLiteral("BNCLCU70A41H294K"));
                                  set(texts, "ComuneImm", QStringLiteral("RIMINI"));
                                  set(texts, "ProvImm", QStringLiteral("RN"));
                                  set(texts, "ViaImm", kStreets.at(k % kStreets.size()));
                                  set(texts, "Scala", QString());
                                  set(texts, "Interno", QString());
                                  set(texts, "InizioCon", dateText(arrival));
                                  set(texts, "FineCon", dateText(arrival.addDays(1 + k % 9)));
                                  set(texts, "ImpCanone", QStringLiteral("%1,00").arg(300 + k % 500));
                              })
        && writeGuests(guests)
        && TaxRuleFile::save(folder, {TaxRule{"408099014", "RIMINI", "RN", QDate(2026, 1, 1), QDate(2026, 6, 30),
                                              150, 7, 14, true},
                                      TaxRule{"408099014", "RIMINI", "RN", QDate(2026, 7, 1), QDate(), 200, 7, 14,
                                              true}});
    if (!written) {
        std::fprintf(stderr, "cannot write the archives in %s\n", qPrintable(folder));
        return 1;
    }

    QElapsedTimer tables;
    tables.start();
    const std::shared_ptr<const PoliceCodes> codes = PoliceTableStore::codes();
    std::printf("code tables loaded once: %.0f ms\n", tables.nsecsElapsed() / 1e6);

    const std::optional<ReportStayList> stays = ReportStays::read(folder, *codes);
    const QByteArray property = stays ? Reports::properties(*stays).first().key : QByteArray();
    struct Case
    {
        const char *what;
        ReportRequest request;
    };
    const std::vector<Case> cases = {
        {"tax return of the year",
         {ReportKind::TaxReturn, 2026, 0, QStringLiteral("408099014"), QStringLiteral("RIMINI (RN)"), {}, 1}},
        {"yearly summary, all properties", {ReportKind::YearSummary, 2026, 0, {}, {}, {}, 1}},
        {"register of August, one property", {ReportKind::FlowRegister, 2026, 0, {}, {}, property, 8}},
    };

    bool allWithinGoal = true;
    readOnce(contracts);
    readOnce(guests);
    for (const Case &run : cases) {
        std::vector<double> times;
        std::vector<double> reads;
        int pages = 0;
        for (int i = 0; i < kRuns; ++i) {
            reads.push_back(readOnce(contracts) + readOnce(guests));
            QElapsedTimer timer;
            timer.start();
            const std::optional<ReportTable> table = Reports::make(run.request, folder, *codes);
            if (!table) {
                std::fprintf(stderr, "%s: the archives cannot be read\n", run.what);
                return 1;
            }
            const Report::PreparedReport report = Report::prepare(TableReport::pageTemplate(*table), QDate(2026, 12, 31));
            times.push_back(timer.nsecsElapsed() / 1e6);
            pages = int(report.pages.size());
        }
        const double worst = *std::max_element(times.begin(), times.end());
        allWithinGoal = allWithinGoal && worst <= kGoalMs;
        const std::vector<double> r = ratios(times, reads);
        std::printf("%s, %d stays of %d guests (%d pages):\n"
                    "  made and laid out: median %.1f ms, best %.1f ms, worst %.1f ms\n"
                    "  the plain read of both archives before each run: median %.2f ms; ratio median %.0f x\n",
                    run.what, kStays, kGuests, pages, median(times), best(times), worst, median(reads), median(r));
    }
    std::printf("every report within %.0f ms: %s\n", kGoalMs, allWithinGoal ? "yes" : "NO");
    setPlatform(nullptr);
    QFile::remove(contracts);
    QFile::remove(guests);
    QFile::remove(folder + TaxRuleFile::fileName());
    return allWithinGoal ? 0 : 2;
}
