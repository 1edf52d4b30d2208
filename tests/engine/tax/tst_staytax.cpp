#include "StayFixture.h"
#include "engine/tax/StayTax.h"

#include <QTest>

using StayTax::Exemption;

// The tourist tax of one stay, night by night and guest by guest.
class TestStayTax : public QObject
{
    Q_OBJECT
private slots:
    void acrossAChangeOfRateEachNightPaysItsOwnRate();
    void ageExemption_data();
    void ageExemption();
    void residenceExemption_data();
    void residenceExemption();
    void otherReasonExemptsEveryNight();
    void mostNightsAreCountedFromTheFirstNight_data();
    void mostNightsAreCountedFromTheFirstNight();
    void ageComesBeforeTheOtherReasons();
    void nightsWithoutARuleAreNotTaxed();
    void aStayOfNoNightsPaysNothing();
    void ageOn_data();
    void ageOn();
};

namespace {

using StayFixture::riminiRule;

Guest guest(const QDate &birthDate = QDate(1980, 5, 17), const QString &residence = StayFixture::bologna,
            const QString &exemption = QString())
{
    Guest g;
    g.surname = QStringLiteral("ROSSI");
    g.name = QStringLiteral("MARIO");
    g.birthDate = birthDate;
    g.residence = residence;
    g.taxExemption = exemption;
    return g;
}

StayTax::Stay stay(const QDate &arrival, const QDate &departure, const QList<Guest> &guests)
{
    return {StayFixture::rimini, arrival, departure, guests};
}

} // namespace

void TestStayTax::acrossAChangeOfRateEachNightPaysItsOwnRate()
{
    const QList<TaxRule> rules = {riminiRule(QDate(2025, 1, 1), QDate(2025, 12, 31), 150),
                                  riminiRule(QDate(2026, 1, 1), QDate(), 200)};
    const StayTax::Result tax =
        StayTax::compute(stay(QDate(2025, 12, 30), QDate(2026, 1, 3), {guest(), guest()}), rules);
    QCOMPARE(tax.guests.size(), 2);
    // 30 and 31 December at 1,50, 1 and 2 January at 2,00.
    for (const StayTax::GuestTax &each : tax.guests) {
        QCOMPARE(each.nights.taxable, 4);
        QCOMPARE(each.nights.amountCents, qint64(2 * 150 + 2 * 200));
        QCOMPARE(each.rates.size(), 2);
        QCOMPARE(each.rates.at(0).rateCents, qint64(150));
        QCOMPARE(each.rates.at(0).nights, 2);
        QCOMPARE(each.rates.at(1).rateCents, qint64(200));
        QCOMPARE(each.rates.at(1).nights, 2);
    }
    QCOMPARE(tax.total.taxable, 8);
    QCOMPARE(tax.total.amountCents, qint64(1400));
    QCOMPARE(tax.total.exemptTotal(), 0);
}

void TestStayTax::ageExemption_data()
{
    QTest::addColumn<QDate>("birthDate");
    QTest::addColumn<int>("taxable");
    QTest::addColumn<int>("exemptForAge");
    // Arrival 10/07/2026, 3 nights, exempt under 14.
    QTest::newRow("13 years old") << QDate(2012, 12, 1) << 0 << 3;
    QTest::newRow("14 on the day of arrival") << QDate(2012, 7, 10) << 3 << 0;
    QTest::newRow("turns 14 during the stay") << QDate(2012, 7, 11) << 0 << 3;
    QTest::newRow("adult") << QDate(1980, 1, 1) << 3 << 0;
    QTest::newRow("no birth date") << QDate() << 3 << 0;
}

void TestStayTax::ageExemption()
{
    QFETCH(QDate, birthDate);
    QFETCH(int, taxable);
    QFETCH(int, exemptForAge);
    const QList<TaxRule> rules = {riminiRule(QDate(2026, 1, 1), QDate(2026, 12, 31), 200, 0, 14)};
    const StayTax::Result tax = StayTax::compute(stay(QDate(2026, 7, 10), QDate(2026, 7, 13), {guest(birthDate)}), rules);
    QCOMPARE(tax.total.taxable, taxable);
    QCOMPARE(tax.total.exemptFor(Exemption::Age), exemptForAge);
    QCOMPARE(tax.total.amountCents, qint64(taxable) * 200);
}

void TestStayTax::residenceExemption_data()
{
    QTest::addColumn<bool>("residentsExempt");
    QTest::addColumn<QString>("residence");
    QTest::addColumn<int>("exemptForResidence");
    QTest::newRow("resident, residents exempt") << true << StayFixture::rimini << 2;
    QTest::newRow("resident, residents pay") << false << StayFixture::rimini << 0;
    QTest::newRow("from elsewhere") << true << StayFixture::bologna << 0;
    QTest::newRow("residence unknown") << true << QString() << 0;
}

void TestStayTax::residenceExemption()
{
    QFETCH(bool, residentsExempt);
    QFETCH(QString, residence);
    QFETCH(int, exemptForResidence);
    const QList<TaxRule> rules = {riminiRule(QDate(2026, 1, 1), QDate(), 150, 0, 0, residentsExempt)};
    const StayTax::Result tax =
        StayTax::compute(stay(QDate(2026, 8, 1), QDate(2026, 8, 3), {guest(QDate(1980, 1, 1), residence)}), rules);
    QCOMPARE(tax.total.exemptFor(Exemption::Residence), exemptForResidence);
    QCOMPARE(tax.total.taxable, 2 - exemptForResidence);
    QCOMPARE(tax.total.amountCents, qint64(2 - exemptForResidence) * 150);
}

void TestStayTax::otherReasonExemptsEveryNight()
{
    const QList<TaxRule> rules = {riminiRule(QDate(2026, 1, 1), QDate(), 300, 0, 14, true)};
    const QList<Guest> guests = {
        guest(), guest(QDate(1975, 3, 3), StayFixture::bologna, QStringLiteral("accompagnatore di paziente")),
        guest(QDate(1975, 3, 3), StayFixture::bologna, QStringLiteral("   "))};
    const StayTax::Result tax = StayTax::compute(stay(QDate(2026, 5, 4), QDate(2026, 5, 8), guests), rules);
    QCOMPARE(tax.guests.at(1).nights.exemptFor(Exemption::OtherReason), 4);
    QCOMPARE(tax.guests.at(1).nights.taxable, 0);
    QCOMPARE(tax.guests.at(1).otherReason, QStringLiteral("accompagnatore di paziente"));
    // A reason of blanks is no reason.
    QCOMPARE(tax.guests.at(2).nights.taxable, 4);
    QVERIFY(tax.guests.at(2).otherReason.isEmpty());
    QCOMPARE(tax.total.amountCents, qint64(8 * 300));
}

void TestStayTax::mostNightsAreCountedFromTheFirstNight_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<int>("taxable");
    QTest::addColumn<int>("beyond");
    // 5 nights from 28 March, at most 3 taxed.
    QTest::newRow("whole stay") << QDate(2026, 3, 28) << QDate(2026, 4, 1) << 3 << 2;
    QTest::newRow("first quarter's nights") << QDate(2026, 1, 1) << QDate(2026, 3, 31) << 3 << 1;
    QTest::newRow("second quarter's night") << QDate(2026, 4, 1) << QDate(2026, 6, 30) << 0 << 1;
}

void TestStayTax::mostNightsAreCountedFromTheFirstNight()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(int, taxable);
    QFETCH(int, beyond);
    const QList<TaxRule> rules = {riminiRule(QDate(2026, 1, 1), QDate(), 100, 3)};
    const StayTax::Result tax =
        StayTax::compute(stay(QDate(2026, 3, 28), QDate(2026, 4, 2), {guest()}), rules, first, last);
    QCOMPARE(tax.total.taxable, taxable);
    QCOMPARE(tax.total.exemptFor(Exemption::BeyondMaxNights), beyond);
    QCOMPARE(tax.total.amountCents, qint64(taxable) * 100);
}

void TestStayTax::ageComesBeforeTheOtherReasons()
{
    const QList<TaxRule> rules = {riminiRule(QDate(2026, 1, 1), QDate(), 100, 1, 12, true)};
    const Guest child = guest(QDate(2020, 1, 1), StayFixture::rimini, QStringLiteral("accompagnatore di paziente"));
    const StayTax::Result tax = StayTax::compute(stay(QDate(2026, 6, 1), QDate(2026, 6, 4), {child}), rules);
    QCOMPARE(tax.total.exemptFor(Exemption::Age), 3);
    QCOMPARE(tax.total.exemptTotal(), 3);
}

void TestStayTax::nightsWithoutARuleAreNotTaxed()
{
    // The rule starts on 2 June: the night of 1 June has none; another
    // comune's rule does not count.
    TaxRule elsewhere = riminiRule(QDate(2026, 1, 1), QDate(), 500);
    elsewhere.comuneCode = StayFixture::bologna;
    const QList<TaxRule> rules = {elsewhere, riminiRule(QDate(2026, 6, 2), QDate(), 100)};
    const StayTax::Result tax = StayTax::compute(stay(QDate(2026, 6, 1), QDate(2026, 6, 4), {guest()}), rules);
    QCOMPARE(tax.total.withoutRule, 1);
    QCOMPARE(tax.total.taxable, 2);
    QCOMPARE(tax.total.amountCents, qint64(200));
    QCOMPARE(tax.total.all(), 3);
}

void TestStayTax::aStayOfNoNightsPaysNothing()
{
    const QList<TaxRule> rules = {riminiRule(QDate(2026, 1, 1), QDate(), 100)};
    const StayTax::Result tax = StayTax::compute(stay(QDate(2026, 6, 1), QDate(2026, 6, 1), {guest()}), rules);
    QCOMPARE(tax.total.all(), 0);
    QCOMPARE(tax.total.amountCents, qint64(0));
}

void TestStayTax::ageOn_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("age");
    QTest::newRow("day before the birthday") << QDate(2012, 7, 11) << QDate(2026, 7, 10) << 13;
    QTest::newRow("birthday") << QDate(2012, 7, 10) << QDate(2026, 7, 10) << 14;
    QTest::newRow("leap day, 28 February") << QDate(2012, 2, 29) << QDate(2026, 2, 28) << 13;
    QTest::newRow("leap day, 1 March") << QDate(2012, 2, 29) << QDate(2026, 3, 1) << 14;
    QTest::newRow("leap day in a leap year") << QDate(2012, 2, 29) << QDate(2028, 2, 29) << 16;
}

void TestStayTax::ageOn()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, day);
    QFETCH(int, age);
    QCOMPARE(StayTax::ageOn(birth, day), age);
}

QTEST_APPLESS_MAIN(TestStayTax)
#include "tst_staytax.moc"
