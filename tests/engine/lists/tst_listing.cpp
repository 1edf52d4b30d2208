#include "SearchFixture.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ArchiveScanner.h"
#include "engine/lists/NonExpiredFilter.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLines.h"
#include "engine/lists/SummaryListing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Outcome = ArchiveScanner::Outcome;
using Verdict = SummaryListing::Verdict;

Q_DECLARE_METATYPE(Verdict)

namespace {

const QDate kToday(2026, 12, 9);

Record contract(const QString &tenant, const QString &end)
{
    return SearchFixture::record(RecordLayouts::contratto(), {{"Conduttore", tenant}, {"FineCon", end}});
}

Record tenant(const QString &name, const QString &town, const QString &notes = QString())
{
    return SearchFixture::record(RecordLayouts::conduttore(),
                                  {{"Conduttore", name}, {"ComuneImm", town}, {"Note", notes}});
}

} // namespace

// Reading an archive in blocks, listing it, finding a line's records again,
// and the non-expired filter.
class TestListing : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void scanVisitsEveryWholeRecordInOrder_data();
    void scanVisitsEveryWholeRecordInOrder();
    void scanCreatesAMissingArchive();
    void scanFailsWhereNoArchiveCanBe();
    void scanStopsWhenAsked();
    void listingFollowsTheFilter();
    void listingGivesTheLinesOfTheListedRecords_data();
    void listingGivesTheLinesOfTheListedRecords();
    void traceBackFindsEveryRecordWithTheLine();
    void traceBackComparesTrimmedLinesExactly_data();
    void traceBackComparesTrimmedLinesExactly();
    void nonExpiredEndDates_data();
    void nonExpiredEndDates();
    void nonExpiredListStopsAtTheFirstUnreadableDate();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestListing::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestListing::scanVisitsEveryWholeRecordInOrder_data()
{
    QTest::addColumn<qint64>("blockBytes");
    const qint64 size = RecordLayouts::conduttore().recordSize();
    QTest::newRow("one record a block") << size;
    QTest::newRow("less than a record") << qint64(1);
    QTest::newRow("two and a half records") << size * 5 / 2;
    QTest::newRow("three records") << size * 3;
    QTest::newRow("the default") << ArchiveScanner::kDefaultBlockBytes;
}

void TestListing::scanVisitsEveryWholeRecordInOrder()
{
    QFETCH(qint64, blockBytes);
    const RecordLayout &layout = RecordLayouts::conduttore();
    QList<Record> records;
    for (int i = 1; i <= 7; ++i)
        records.append(tenant(QStringLiteral("INQUILINO %1").arg(i), QStringLiteral("Perugia")));
    // A fragment after the last whole record is not a record.
    QVERIFY(SearchFixture::write(path("a.pro"), records, QByteArray(100, 'z')));

    ArchiveScanner scanner(path("a.pro"), layout.recordSize());
    scanner.setBlockBytes(blockBytes);
    QList<qint64> numbers;
    QList<QByteArray> seen;
    QList<qint64> progress;
    const Outcome outcome = scanner.scan(
        [&](qint64 k, const char *record) {
            numbers.append(k);
            seen.append(QByteArray(record, layout.recordSize()));
            return ArchiveScanner::Step::Continue;
        },
        [&](qint64 done, qint64 total) {
            progress.append(done);
            return total == 7;
        });
    QCOMPARE(outcome, Outcome::Completed);
    QCOMPARE(numbers, (QList<qint64>{1, 2, 3, 4, 5, 6, 7}));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(seen.at(i), records.at(i).encode());
    QCOMPARE(progress.last(), qint64(7));
    QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
}

void TestListing::scanCreatesAMissingArchive()
{
    ArchiveScanner scanner(path("Archivio_Conduttori.pro"), RecordLayouts::conduttore().recordSize());
    int visited = 0;
    QCOMPARE(scanner.scan([&](qint64, const char *) {
        ++visited;
        return ArchiveScanner::Step::Continue;
    }),
             Outcome::Completed);
    QCOMPARE(visited, 0);
    QVERIFY(QFile::exists(path("Archivio_Conduttori.pro")));
    QCOMPARE(QFileInfo(path("Archivio_Conduttori.pro")).size(), qint64(0));
}

void TestListing::scanFailsWhereNoArchiveCanBe()
{
    // A missing folder, and a folder standing where the archive should be.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.pro")));
    for (const QString &where : {path("missing/a.pro"), path("folder.pro")}) {
        ArchiveScanner scanner(where, 100);
        QCOMPARE(scanner.scan([](qint64, const char *) { return ArchiveScanner::Step::Continue; }),
                 Outcome::Failed);
    }
}

void TestListing::scanStopsWhenAsked()
{
    const RecordLayout &layout = RecordLayouts::conduttore();
    QList<Record> records(10, tenant(QStringLiteral("X"), QString()));
    QVERIFY(SearchFixture::write(path("a.pro"), records));
    ArchiveScanner scanner(path("a.pro"), layout.recordSize());
    scanner.setBlockBytes(layout.recordSize() * 4);

    int visited = 0;
    QCOMPARE(scanner.scan([&](qint64 k, const char *) {
        ++visited;
        return k == 3 ? ArchiveScanner::Step::Stop : ArchiveScanner::Step::Continue;
    }),
             Outcome::Stopped);
    QCOMPARE(visited, 3);

    visited = 0;
    QCOMPARE(scanner.scan(
                 [&](qint64, const char *) {
                     ++visited;
                     return ArchiveScanner::Step::Continue;
                 },
                 [](qint64 done, qint64) { return done < 4; }),
             Outcome::Cancelled);
    QCOMPARE(visited, 4);

    // A cancel once the last block is read comes after the whole archive.
    visited = 0;
    QCOMPARE(scanner.scan(
                 [&](qint64, const char *) {
                     ++visited;
                     return ArchiveScanner::Step::Continue;
                 },
                 [](qint64 done, qint64 total) { return done < total; }),
             Outcome::Completed);
    QCOMPARE(visited, 10);
}

void TestListing::listingFollowsTheFilter()
{
    const RecordLayout &layout = RecordLayouts::conduttore();
    QVERIFY(SearchFixture::write(path("a.pro"), {tenant("ROSSI", "Roma"), tenant("", "Todi"), tenant("BIANCHI", "Assisi"),
                                                  tenant("VERDI", "Spello")}));
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), layout);
    SummaryLines lines;
    const auto outcome = SummaryListing::list(ArchiveScanner(path("a.pro"), layout.recordSize()), builder,
                                              [&](const char *record) {
                                                  const QString name = Record::decode(layout, QByteArray(record, layout.recordSize())).value(QStringLiteral("Conduttore"));
                                                  if (name.isEmpty())
                                                      return Verdict::Skip;
                                                  return name == QLatin1String("VERDI") ? Verdict::StopListing : Verdict::List;
                                              },
                                              lines);
    QCOMPARE(outcome, Outcome::Stopped);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.line(0), builder.line(tenant("ROSSI", "Roma")));
    QCOMPARE(lines.line(1), builder.line(tenant("BIANCHI", "Assisi")));
}

void TestListing::listingGivesTheLinesOfTheListedRecords_data()
{
    QTest::addColumn<int>("stopAt");  // the record judged StopListing; 0: none
    QTest::addColumn<int>("blockRecords");
    for (int blockRecords : {1, 3, 7, 1000}) {
        QTest::addRow("all, blocks of %d", blockRecords) << 0 << blockRecords;
        QTest::addRow("stop at the second record, blocks of %d", blockRecords) << 2 << blockRecords;
        QTest::addRow("stop in the middle, blocks of %d", blockRecords) << 11 << blockRecords;
        QTest::addRow("stop at the last record, blocks of %d", blockRecords) << 20 << blockRecords;
    }
}

void TestListing::listingGivesTheLinesOfTheListedRecords()
{
    QFETCH(int, stopAt);
    QFETCH(int, blockRecords);
    const RecordLayout &layout = RecordLayouts::conduttore();
    QList<Record> records;
    for (int i = 1; i <= 20; ++i)
        records.append(tenant(i % 4 == 0 ? QString() : QStringLiteral("INQUILINO %1").arg(i), QStringLiteral("Città %1").arg(i)));
    QVERIFY(SearchFixture::write(path("a.pro"), records));
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), layout);
    ArchiveScanner scanner(path("a.pro"), layout.recordSize());
    scanner.setBlockBytes(layout.recordSize() * blockRecords);
    const int nameOffset = layout.offset(layout.indexOf(QStringLiteral("Conduttore")));
    const int cityOffset = layout.offset(layout.indexOf(QStringLiteral("ComuneImm")));
    const QByteArray stopCity = QStringLiteral("Città %1").arg(stopAt).toLatin1();
    // Blank names are skipped; the chosen record stops the listing.
    const SummaryListing::RecordFilter filter = [&](const char *record) {
        const int cityLength = static_cast<unsigned char>(record[cityOffset]);
        if (stopAt > 0 && QByteArray(record + cityOffset + 1, cityLength) == stopCity)
            return Verdict::StopListing;
        return record[nameOffset] == 0 ? Verdict::Skip : Verdict::List;
    };

    // The lines the filter lists, record by record, up to the stop.
    QStringList expected{QStringLiteral("già in lista")};
    for (int i = 1; i <= 20 && i != stopAt; ++i) {
        if (i % 4 != 0)
            expected.append(builder.line(records.at(i - 1)));
    }
    // Into a list that holds lines already, as a second reading would.
    SummaryLines lines(QStringList{QStringLiteral("già in lista")});
    QCOMPARE(SummaryListing::list(scanner, builder, filter, lines),
             stopAt > 0 ? Outcome::Stopped : Outcome::Completed);
    QCOMPARE(lines.toStringList(), expected);
    qsizetype characters = 0;
    for (const QString &line : expected)
        characters += line.size();
    QCOMPARE(lines.characterCount(), characters);
}

void TestListing::traceBackFindsEveryRecordWithTheLine()
{
    const RecordLayout &layout = RecordLayouts::conduttore();
    // Records 2 to 4 differ in what the line does not show (the notes; a
    // trailing blank is not stored); 5 and 6 differ beyond the name's width
    // of 28.
    const QList<Record> records = {
        tenant("BIANCHI ANNA", "Assisi"),
        tenant("ROSSI MARIO", "Perugia", "prima scheda"),
        tenant("ROSSI MARIO", "Perugia ", "terza"),
        tenant("ROSSI MARIO", "Perugia", "seconda scheda"),
        tenant("DELLA ROVERE GUIDOBALDO MONTEFELTRO", "Urbino"),
        tenant("DELLA ROVERE GUIDOBALDO MONTANARI", "Urbino"),
    };
    QVERIFY(SearchFixture::write(path("a.pro"), records));
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), layout);
    const ArchiveScanner archive(path("a.pro"), layout.recordSize());

    SummaryListing::TraceResult traced = SummaryListing::traceBack(archive, builder, builder.line(records.at(1)));
    QCOMPARE(traced.outcome, Outcome::Completed);
    QCOMPARE(traced.records.size(), std::size_t(3));
    QCOMPARE(traced.records.at(0).number, qint64(2));
    QCOMPARE(traced.records.at(1).number, qint64(3));
    QCOMPARE(traced.records.at(2).number, qint64(4));
    // The last in archive order is the one that stays.
    QCOMPARE(Record::decode(layout, traced.records.back().bytes).value(QStringLiteral("Note")),
             QStringLiteral("seconda scheda"));

    traced = SummaryListing::traceBack(archive, builder, builder.line(records.at(4)));
    QCOMPARE(traced.records.size(), std::size_t(2));
    QCOMPARE(traced.records.at(0).number, qint64(5));
    QCOMPARE(traced.records.at(1).number, qint64(6));

    traced = SummaryListing::traceBack(archive, builder, builder.line(records.at(0)));
    QCOMPARE(traced.records.size(), std::size_t(1));
    QCOMPARE(traced.records.at(0).number, qint64(1));
    QCOMPARE(traced.records.at(0).bytes, records.at(0).encode());
}

void TestListing::traceBackComparesTrimmedLinesExactly_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("found");
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), RecordLayouts::conduttore());
    const QString line = builder.line(tenant("ROSSI MARIO", "Perugia"));
    QTest::newRow("as listed") << line << 1;
    QTest::newRow("blanks around") << QStringLiteral("  ") + line + QStringLiteral(" \t") << 1;
    QTest::newRow("another letter case") << line.toLower() << 0;
    QTest::newRow("the beginning only") << line.left(40) << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestListing::traceBackComparesTrimmedLinesExactly()
{
    QFETCH(QString, chosen);
    QFETCH(int, found);
    const RecordLayout &layout = RecordLayouts::conduttore();
    QVERIFY(SearchFixture::write(path("a.pro"), {tenant("ROSSI MARIO", "Perugia")}));
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), layout);
    // The line ends in "Posti: " with no places: trimming matters.
    QVERIFY(builder.line(tenant("ROSSI MARIO", "Perugia")).endsWith(QLatin1Char(' ')));
    const auto traced = SummaryListing::traceBack(ArchiveScanner(path("a.pro"), layout.recordSize()), builder, chosen);
    QCOMPARE(int(traced.records.size()), found);
}

void TestListing::nonExpiredEndDates_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("yesterday") << "08/12/2026" << Verdict::Skip;
    QTest::newRow("today") << "09/12/2026" << Verdict::List;
    QTest::newRow("tomorrow") << "10/12/2026" << Verdict::List;
    QTest::newRow("next month") << "15/01/2027" << Verdict::List;
    QTest::newRow("last year") << "31/12/2025" << Verdict::Skip;
    QTest::newRow("same day, next year") << "09/12/2027" << Verdict::List;
    QTest::newRow("empty") << "" << Verdict::StopListing;
    QTest::newRow("not a day") << "31/11/2026" << Verdict::StopListing;
    QTest::newRow("not a date") << "fine mese" << Verdict::StopListing;
    QTest::newRow("two-digit year") << "10/12/26" << Verdict::StopListing;
    QTest::newRow("year 0") << "10/12/0000" << Verdict::StopListing;
    QTest::newRow("one-digit day, today") << "9/12/2026" << Verdict::List;
    QTest::newRow("one-digit day and month, earlier") << "8/1/2026" << Verdict::Skip;
    QTest::newRow("29 February of a leap year") << "29/02/2028" << Verdict::List;
    QTest::newRow("29 February of another year") << "29/02/2027" << Verdict::StopListing;
    QTest::newRow("letters in the digits") << "1O/12/2026" << Verdict::StopListing;
    QTest::newRow("other separators") << "10-12-2026" << Verdict::StopListing;
}

void TestListing::nonExpiredEndDates()
{
    QFETCH(QString, end);
    QFETCH(Verdict, verdict);
    QCOMPARE(NonExpiredFilter::judgeEndDate(end, kToday), verdict);
    const NonExpiredFilter filter(RecordLayouts::contratto(), kToday);
    QCOMPARE(filter(contract(QStringLiteral("X"), end).encode().constData()), verdict);
}

void TestListing::nonExpiredListStopsAtTheFirstUnreadableDate()
{
    const RecordLayout &layout = RecordLayouts::contratto();
    QVERIFY(SearchFixture::write(path("Archivio_Contratti.pro"),
                                  {contract("ALFA", "10/12/2026"), contract("BETA", "08/12/2026"),
                                   contract("", "09/12/2026"), contract("GAMMA", "15/01/2027"),
                                   contract("DELTA", ""), contract("EPSILON", "10/12/2026")}));
    const SummaryLineBuilder builder(SummaryLayouts::contracts(), layout);
    SummaryLines lines;
    const auto outcome = SummaryListing::list(ArchiveScanner(path("Archivio_Contratti.pro"), layout.recordSize()),
                                              builder, NonExpiredFilter(layout, kToday), lines);
    QCOMPARE(outcome, Outcome::Stopped);
    QStringList names;
    for (qsizetype i = 0; i < lines.size(); ++i)
        names.append(lines.line(i).left(28).trimmed().toString());
    // An empty tenant name is listed like any other.
    QCOMPARE(names, (QStringList{"ALFA", "", "GAMMA"}));
}

QTEST_APPLESS_MAIN(TestListing)
#include "tst_listing.moc"
