#include "ArchiveFixture.h"
#include "FakePlatform.h"
#include "StayFixture.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/GuestArchive.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/reports/Reports.h"
#include "engine/reports/TaxReturn.h"
#include "engine/tax/TaxRuleFile.h"

#include <QTest>

using StayTax::Exemption;

// The tourist tax return of a comune for a quarter or a year.
class TestTaxReturn : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void staysAreAttributedByTheirNights_data();
    void staysAreAttributedByTheirNights();
    void centsAreSummedExactlyOverManyStays();
    void exemptNightsByReason();
    void otherComuniStayOut();
    void madeFromTheArchives();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

namespace {

TaxRule riminiRule(qint64 rateCents, int maxNights = 0, int age = 0, bool residents = false)
{
    return StayFixture::riminiRule(QDate(2020, 1, 1), QDate(), rateCents, maxNights, age, residents);
}

ReportStayList listOf(const QList<ReportStay> &stays)
{
    return ReportStayList{stays, 0};
}

} // namespace

void TestTaxReturn::init()
{
    m_platform = std::make_unique<FakePlatform>();
}

void TestTaxReturn::cleanup()
{
    m_platform.reset();
}

void TestTaxReturn::staysAreAttributedByTheirNights_data()
{
    QTest::addColumn<int>("quarter");
    QTest::addColumn<int>("stays");
    QTest::addColumn<int>("nights");
    QTest::addColumn<int>("taxable");  // two guests
    QTest::addColumn<QString>("amount");
    QTest::newRow("first quarter: 30 and 31 March") << 1 << 1 << 2 << 4 << "6,00";
    QTest::newRow("second quarter: 1 April") << 2 << 1 << 1 << 2 << "3,00";
    QTest::newRow("third quarter: none") << 3 << 0 << 0 << 0 << "0,00";
    QTest::newRow("the year: once, all nights") << 0 << 1 << 3 << 6 << "9,00";
}

void TestTaxReturn::staysAreAttributedByTheirNights()
{
    QFETCH(int, quarter);
    QFETCH(int, stays);
    QFETCH(int, nights);
    QFETCH(int, taxable);
    QFETCH(QString, amount);
    const ReportStayList list = listOf({StayFixture::stay(
        1, QDate(2026, 3, 30), QDate(2026, 4, 2), {StayFixture::guest("ROSSI"), StayFixture::guest("VERDI")})});
    const TaxReturn::Summary summary = TaxReturn::compute(list, {riminiRule(150)}, StayFixture::rimini,
                                                          QStringLiteral("RIMINI (RN)"),
                                                          ReportPeriods::quarter(2026, quarter));
    QCOMPARE(summary.lines.size(), stays);
    QCOMPARE(summary.guests, stays * 2);
    QCOMPARE(summary.total.taxable, taxable);
    QCOMPARE(summary.total.amountCents, qint64(taxable) * 150);
    const ReportTable table = TaxReturn::table(summary);
    const QStringList &totals = table.sections.first().totals;
    QCOMPARE(totals.at(4), QString::number(nights));
    QCOMPARE(totals.at(6), QString::number(taxable));
    QCOMPARE(totals.last(), amount);
}

void TestTaxReturn::centsAreSummedExactlyOverManyStays()
{
    QList<ReportStay> stays;
    for (int i = 0; i < 1000; ++i) {
        const QDate arrival = QDate(2026, 1, 1).addDays(i % 90);
        stays.append(StayFixture::stay(i + 1, arrival, arrival.addDays(1), {StayFixture::guest("ROSSI")}));
    }
    const TaxReturn::Summary summary =
        TaxReturn::compute(listOf(stays), {riminiRule(10)}, StayFixture::rimini, QStringLiteral("RIMINI (RN)"),
                           ReportPeriods::quarter(2026, 1));
    QCOMPARE(summary.lines.size(), 1000);
    QCOMPARE(summary.total.amountCents, qint64(10000));
    const ReportTable table = TaxReturn::table(summary);
    QCOMPARE(table.sections.first().totals.last(), QStringLiteral("100,00"));
    QVERIFY(table.parameters.last().contains(QStringLiteral("€ 100,00")));
}

void TestTaxReturn::exemptNightsByReason()
{
    using StayFixture::guest;
    // Four nights; at most three taxed, under 12 and residents exempt.
    const QList<Guest> guests = {guest("ADULTO"), guest("BAMBINO", StayFixture::bologna, QDate(2020, 5, 5)),
                                 guest("RESIDENTE", StayFixture::rimini),
                                 guest("ASSISTENTE", StayFixture::milano, QDate(1970, 1, 1),
                                       QStringLiteral("accompagnatore di paziente"))};
    const ReportStayList list = listOf({StayFixture::stay(7, QDate(2026, 7, 1), QDate(2026, 7, 5), guests)});
    const TaxReturn::Summary summary =
        TaxReturn::compute(list, {riminiRule(200, 3, 12, true)}, StayFixture::rimini, QStringLiteral("RIMINI (RN)"),
                           ReportPeriods::quarter(2026, 3));
    QCOMPARE(summary.total.taxable, 3);
    QCOMPARE(summary.total.exemptFor(Exemption::BeyondMaxNights), 1);
    QCOMPARE(summary.total.exemptFor(Exemption::Age), 4);
    QCOMPARE(summary.total.exemptFor(Exemption::Residence), 4);
    QCOMPARE(summary.total.exemptFor(Exemption::OtherReason), 4);
    QCOMPARE(summary.total.amountCents, qint64(600));
    const QStringList row = TaxReturn::table(summary).sections.first().rows.first();
    QCOMPARE(row, (QStringList{"7", "ADULTO ANNA", "01/07/2026", "05/07/2026", "4", "4", "3", "4", "4", "4", "1", "0",
                               "6,00"}));
}

void TestTaxReturn::otherComuniStayOut()
{
    ReportStayList list = listOf(
        {StayFixture::stay(1, QDate(2026, 2, 1), QDate(2026, 2, 3), {StayFixture::guest("ROSSI")}),
         StayFixture::stay(2, QDate(2026, 2, 1), QDate(2026, 2, 3), {StayFixture::guest("VERDI")},
                           StayFixture::property(QStringLiteral("Via Indipendenza 2"), StayFixture::bologna)),
         StayFixture::stay(3, QDate(2026, 2, 1), QDate(2026, 2, 3), {StayFixture::guest("NERI")},
                           StayFixture::property(QStringLiteral("Via Sconosciuta 3"), QString()))});
    list.unreadable = 2;
    const TaxReturn::Summary summary = TaxReturn::compute(list, {riminiRule(100)}, StayFixture::rimini,
                                                          QStringLiteral("RIMINI (RN)"), ReportPeriods::quarter(2026, 1));
    QCOMPARE(summary.lines.size(), 1);
    QCOMPARE(summary.lines.first().stay->position, qint64(1));
    QCOMPARE(summary.unknownComune, 1);
    QVERIFY(TaxReturn::table(summary).notes.join(QLatin1Char('\n')).contains(QStringLiteral("2 contratti")));
}

void TestTaxReturn::madeFromTheArchives()
{
    const RecordLayout &contracts = RecordLayouts::contratto();
    const ArchiveFixture::Fields rossi = {
        {"Conduttore", "ROSSI MARIO"}, {"InizioCon", "30/03/2026"}, {"FineCon", "02/04/2026"},
        {"ComuneImm", "Rimini"},       {"ProvImm", "rn"},           {"ViaImm", "Via Roma 1"},
        {"ComuneRes", "BOLOGNA"},      {"ProvRes", "BO"},           {"DataNascCon", "17/05/1980"}};
    const ArchiveFixture::Fields verdi = {
        {"Conduttore", "VERDI LUCA"}, {"InizioCon", "10/03/2026"}, {"FineCon", "12/03/2026"},
        {"ComuneImm", "RIMINI"},      {"ProvImm", "RN"},           {"ViaImm", "Via Roma 1"},
        {"ComuneRes", "RIMINI"},      {"ProvRes", "RN"}};
    const ArchiveFixture::Fields broken = {{"Conduttore", "NERI"}, {"InizioCon", "31/02/2026"}};
    QVERIFY(ArchiveFixture::write(m_platform->filePath(contracts.archiveName()),
                                  {ArchiveFixture::record(contracts, rossi), ArchiveFixture::record(contracts, verdi),
                                   ArchiveFixture::record(contracts, broken)}));
    // The first stay has its list: the tenant and a child; the second none.
    Guest child = StayFixture::guest("ROSSI", StayFixture::bologna, QDate(2019, 1, 1));
    QVERIFY(GuestArchive::save(m_platform->folder(), 1, {QStringLiteral("ROSSI MARIO"), QStringLiteral("30/03/2026")},
                               {StayFixture::guest("ROSSI"), child}));
    QVERIFY(TaxRuleFile::save(m_platform->folder(), {riminiRule(100, 0, 14, true)}));

    ReportRequest request;
    request.kind = ReportKind::TaxReturn;
    request.year = 2026;
    request.quarter = 1;
    request.comuneCode = StayFixture::rimini;
    request.comuneLabel = QStringLiteral("RIMINI (RN)");
    const std::optional<ReportTable> table =
        Reports::make(request, m_platform->folder(), *PoliceTableStore::codes());
    QVERIFY(table);
    const ReportSection &section = table->sections.first();
    QCOMPARE(section.rows.size(), 2);
    // By arrival: VERDI, resident of Rimini and alone (no list), then ROSSI.
    QCOMPARE(section.rows.at(0).mid(0, 2), (QStringList{"2", "VERDI LUCA"}));
    QCOMPARE(section.rows.at(0).at(8), QStringLiteral("2"));  // exempt as a resident
    QCOMPARE(section.rows.at(1).mid(4, 4), (QStringList{"2", "2", "2", "2"}));  // nights, guests, taxable, age
    QCOMPARE(section.totals.last(), QStringLiteral("2,00"));
    const QString notes = table->notes.join(QLatin1Char('\n'));
    QVERIFY(notes.contains(QStringLiteral("Per 1 soggiorni non è registrato l'elenco degli ospiti")));
    QVERIFY(notes.contains(QStringLiteral("1 contratti con date mancanti")));
}

QTEST_GUILESS_MAIN(TestTaxReturn)
#include "tst_taxreturn.moc"
