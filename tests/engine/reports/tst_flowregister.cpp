#include "FakePlatform.h"
#include "StayFixture.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/reports/FlowRegister.h"

#include <QTest>

// The monthly register of the tourist flow of a property.
class TestFlowRegister : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void presencesAreTheNightsSpentInTheMonth_data();
    void presencesAreTheNightsSpentInTheMonth();
    void eachDayBalances();
    void arrivalsAndPresencesByResidence();
    void otherPropertiesStayOut();

private:
    QList<ReportStay> sampleStays() const;

    std::unique_ptr<FakePlatform> m_platform;
    std::shared_ptr<const PoliceCodes> m_codes;
};

namespace {

using StayFixture::guest;

} // namespace

void TestFlowRegister::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_codes = PoliceTableStore::codes();
}

void TestFlowRegister::cleanup()
{
    m_codes.reset();
    m_platform.reset();
}

// Stays of one property across the ends of March 2026: from February, in
// the month, into April, a day visit, and one with a guest from abroad.
QList<ReportStay> TestFlowRegister::sampleStays() const
{
    return {
        StayFixture::stay(1, QDate(2026, 2, 26), QDate(2026, 3, 3), {guest("ROSSI"), guest("ROSSI")}),
        StayFixture::stay(2, QDate(2026, 3, 3), QDate(2026, 3, 10),
                          {guest("DUPONT", StayFixture::francia), guest("BIANCHI", StayFixture::milano),
                           guest("BIANCHI", StayFixture::milano)}),
        StayFixture::stay(3, QDate(2026, 3, 15), QDate(2026, 3, 15), {guest("VERDI")}),
        StayFixture::stay(4, QDate(2026, 3, 29), QDate(2026, 4, 4), {guest("NERI", QString())}),
        StayFixture::stay(5, QDate(2026, 1, 5), QDate(2026, 1, 9), {guest("GIALLI")}),
    };
}

void TestFlowRegister::presencesAreTheNightsSpentInTheMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("presences");
    // February: 3 nights of 2 guests; March: 2x2 + 7x3 + 0 + 3x1; April: 3.
    QTest::newRow("February") << 2 << 6;
    QTest::newRow("March") << 3 << 28;
    QTest::newRow("April") << 4 << 3;
    QTest::newRow("May") << 5 << 0;
}

void TestFlowRegister::presencesAreTheNightsSpentInTheMonth()
{
    QFETCH(int, month);
    QFETCH(int, presences);
    const QList<ReportStay> stays = sampleStays();
    const FlowRegister::Register book = FlowRegister::compute(ReportStayList{stays, 0},
                                                              stays.first().property.key, 2026, month, *m_codes);
    QCOMPARE(book.presences, presences);
    // The same as the nights of each stay in the month, guest by guest.
    const ReportPeriod period = ReportPeriods::month(2026, month);
    int nights = 0;
    for (const ReportStay &stay : stays)
        nights += int(stay.guests.size()) * ReportStays::nightsBetween(stay, period.first, period.last);
    QCOMPARE(book.presences, nights);
    int byResidence = 0;
    for (const FlowRegister::Origin &origin : book.origins)
        byResidence += origin.presences;
    QCOMPARE(byResidence, presences);
    const ReportTable table = FlowRegister::table(book);
    QCOMPARE(table.sections.at(0).rows.size(), period.first.daysInMonth());
    QCOMPARE(table.sections.at(0).totals.last(), QString::number(presences));
    QCOMPARE(table.sections.at(1).totals.last(), QString::number(presences));
}

void TestFlowRegister::eachDayBalances()
{
    const QList<ReportStay> stays = sampleStays();
    const FlowRegister::Register book =
        FlowRegister::compute(ReportStayList{stays, 0}, stays.first().property.key, 2026, 3, *m_codes);
    QCOMPARE(book.days.size(), 31);
    QCOMPARE(book.days.first().presentBefore, 2);  // the Rossi, arrived in February
    for (qsizetype i = 0; i < book.days.size(); ++i) {
        const FlowRegister::Day &day = book.days.at(i);
        QCOMPARE(day.present, day.presentBefore + day.arrivals - day.departures);
        if (i > 0)
            QCOMPARE(day.presentBefore, book.days.at(i - 1).present);
    }
    // 3 March: the Rossi leave, three arrive.
    QCOMPARE(book.days.at(2).departures, 2);
    QCOMPARE(book.days.at(2).arrivals, 3);
    // 15 March: a day visit arrives and leaves.
    QCOMPARE(book.days.at(14).arrivals, 1);
    QCOMPARE(book.days.at(14).departures, 1);
    QCOMPARE(book.days.at(14).present, 0);
    QCOMPARE(book.days.last().present, 1);
    QCOMPARE(book.arrivals, 5);
    QCOMPARE(book.departures, 6);  // the Rossi, the three of 3 March, the visit
    QCOMPARE(book.stays, 4);
}

void TestFlowRegister::arrivalsAndPresencesByResidence()
{
    const QList<ReportStay> stays = sampleStays();
    const FlowRegister::Register book =
        FlowRegister::compute(ReportStayList{stays, 0}, stays.first().property.key, 2026, 3, *m_codes);
    const QList<QStringList> rows = FlowRegister::table(book).sections.at(1).rows;
    // Italy by province first, then abroad by state, then the unknown.
    QCOMPARE(rows, (QList<QStringList>{
                       {"Italia", "BO", "1", "4"},      // the Rossi (2 nights, not arrived in March), Verdi
                       {"Italia", "MI", "2", "14"},
                       {"Estero", "FRANCIA", "1", "7"},
                       {"-", "non indicata", "1", "3"},
                   }));
}

void TestFlowRegister::otherPropertiesStayOut()
{
    QList<ReportStay> stays = sampleStays();
    stays.append(StayFixture::stay(6, QDate(2026, 3, 1), QDate(2026, 3, 31), {guest("LONTANI")},
                                   StayFixture::property(QStringLiteral("Via Altrove 9"))));
    const FlowRegister::Register book =
        FlowRegister::compute(ReportStayList{stays, 0}, stays.first().property.key, 2026, 3, *m_codes);
    QCOMPARE(book.presences, 28);
    QCOMPARE(book.property.label, QStringLiteral("Via Roma 1 - RIMINI (RN)"));
}

QTEST_GUILESS_MAIN(TestFlowRegister)
#include "tst_flowregister.moc"
