#include "StayFixture.h"
#include "engine/reports/YearSummary.h"
#include "engine/settings/IniFile.h"
#include "engine/text/EuroAmount.h"

#include <QTemporaryDir>
#include <QTest>

// The yearly summary of the lettings, per property and per landlord.
class TestYearSummary : public QObject
{
    Q_OBJECT
private slots:
    void figuresOfEachProperty();
    void receiptsGoToTheTenantsProperty();
    void businessThreshold_data();
    void businessThreshold();
    void flatTaxEstimate_data();
    void flatTaxEstimate();
    void oneProperty();
    void settingsReadAndWritten();
    void thresholdRule_data();
    void thresholdRule();
};

namespace {

using StayFixture::guest;

ReportStay let(qint64 position, const QDate &arrival, const QDate &departure, const QString &street,
               const QString &tenant, const QString &rent, const QString &fiscalCode = QStringLiteral("AAAAAA70A01H294A"))
{
    ReportStay stay = StayFixture::stay(position, arrival, departure, {guest(tenant)},
                                        StayFixture::property(street));
    stay.tenant = tenant;
    stay.landlord = fiscalCode.startsWith(QLatin1Char('A')) ? QStringLiteral("ALFA ANNA") : QStringLiteral("BETA BRUNO");
    stay.landlordFiscalCode = fiscalCode;
    stay.rentCents = EuroAmount::parseCents(rent);
    return stay;
}

// Landlord ALFA lets three properties in 2026, BETA one.
ReportStayList sampleStays()
{
    const QString beta = QStringLiteral("BBBBBB60B02H294B");
    return ReportStayList{{
        let(1, QDate(2025, 12, 28), QDate(2026, 1, 3), "Via Uno 1", "PRIMO PIERO", "300"),
        let(2, QDate(2026, 7, 10), QDate(2026, 7, 14), "Via Uno 1", "ROSSI MARIO", "1.000,00"),
        let(3, QDate(2026, 8, 1), QDate(2026, 8, 8), "Via Uno 1", "ROSSI MARIO", "500"),
        let(4, QDate(2026, 5, 1), QDate(2026, 5, 3), "Via Due 2", "VERDI LUCA", "€ 800,00"),
        let(5, QDate(2026, 6, 1), QDate(2026, 6, 2), "Via Tre 3", "NERI GIULIA", "a voce"),
        let(6, QDate(2026, 9, 1), QDate(2026, 9, 4), "Via Quattro 4", "GIALLI EVA", "400", beta),
        let(7, QDate(2027, 1, 1), QDate(2027, 1, 5), "Via Uno 1", "FUTURO FABIO", "900"),
    }, 1};
}

QList<YearReceipt> sampleReceipts()
{
    return {{"1", QDate(2026, 7, 10), "ROSSI MARIO", 50000},
            {"2", QDate(2026, 5, 1), " verdi luca ", 80000},
            {"3", QDate(2026, 5, 2), "ANONIMO", 10000},
            {"4", QDate(2026, 5, 3), "VERDI LUCA", std::nullopt}};
}

const YearSummary::PropertyLine *lineOf(const YearSummary::Summary &summary, const QString &street)
{
    for (const YearSummary::PropertyLine &line : summary.properties) {
        if (line.property.label.startsWith(street))
            return &line;
    }
    return nullptr;
}

const YearSummary::LandlordLine *landlordOf(const YearSummary::Summary &summary, const QString &name)
{
    for (const YearSummary::LandlordLine &line : summary.landlords) {
        if (line.landlord == name)
            return &line;
    }
    return nullptr;
}

} // namespace

void TestYearSummary::figuresOfEachProperty()
{
    const YearSummary::Summary summary =
        YearSummary::compute(sampleStays(), sampleReceipts(), 2026, {}, YearSummary::Settings());
    QCOMPARE(summary.properties.size(), 4);
    const YearSummary::PropertyLine *uno = lineOf(summary, "Via Uno 1");
    QVERIFY(uno);
    // Contracts and rents of the stays begun in 2026; nights of 2026,
    // 2 of them from the stay begun in 2025.
    QCOMPARE(uno->contracts, 2);
    QCOMPARE(uno->nights, 2 + 4 + 7);
    QCOMPARE(uno->rentCents, qint64(150000));
    const YearSummary::PropertyLine *tre = lineOf(summary, "Via Tre 3");
    QCOMPARE(tre->unreadableRents, 1);
    QCOMPARE(tre->rentCents, qint64(0));
    QCOMPARE(summary.total.contracts, 5);
    QCOMPARE(summary.total.rentCents, qint64(150000 + 80000 + 40000));
    const ReportTable table = YearSummary::table(summary, YearSummary::Settings());
    QCOMPARE(table.sections.at(0).totals.at(5), QStringLiteral("2.700,00"));
    QVERIFY(table.notes.join(QLatin1Char('\n')).contains(QStringLiteral("1 contratti hanno un canone")));
    QVERIFY(table.notes.first().startsWith(QStringLiteral("STIMA")));
}

void TestYearSummary::receiptsGoToTheTenantsProperty()
{
    const YearSummary::Summary summary =
        YearSummary::compute(sampleStays(), sampleReceipts(), 2026, {}, YearSummary::Settings());
    QCOMPARE(lineOf(summary, "Via Uno 1")->receipts, 1);
    QCOMPARE(lineOf(summary, "Via Uno 1")->receiptCents, qint64(50000));
    QCOMPARE(lineOf(summary, "Via Due 2")->receipts, 2);
    QCOMPARE(lineOf(summary, "Via Due 2")->receiptCents, qint64(80000));
    QCOMPARE(summary.receipts, 4);
    QCOMPARE(summary.receiptCents, qint64(140000));
    QCOMPARE(summary.unattributedReceipts, 1);
    QCOMPARE(summary.unattributedCents, qint64(10000));
    QCOMPARE(summary.unreadableReceipts, 1);
}

void TestYearSummary::businessThreshold_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("alfaIsABusiness");
    QTest::newRow("3 properties, threshold 3") << 3 << true;
    QTest::newRow("3 properties, threshold 4") << 4 << false;
}

void TestYearSummary::businessThreshold()
{
    QFETCH(int, threshold);
    QFETCH(bool, alfaIsABusiness);
    YearSummary::Settings settings;
    settings.businessThreshold = threshold;
    const YearSummary::Summary summary = YearSummary::compute(sampleStays(), {}, 2026, {}, settings);
    const YearSummary::LandlordLine *alfa = landlordOf(summary, "ALFA ANNA");
    QVERIFY(alfa);
    QCOMPARE(alfa->properties, 3);
    QCOMPARE(alfa->business, alfaIsABusiness);
    QVERIFY(!landlordOf(summary, "BETA BRUNO")->business);
    const ReportTable table = YearSummary::table(summary, settings);
    const QStringList alfaRow = table.sections.at(1).rows.first();
    QCOMPARE(alfaRow.last().isEmpty(), !alfaIsABusiness);
    if (alfaIsABusiness)
        QCOMPARE(alfaRow.last(), QStringLiteral("Soglia di 3 immobili raggiunta: attività d'impresa"));
}

void TestYearSummary::flatTaxEstimate_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("alfa");
    // Rents 1.500,00 (the highest, at the first rate), 800,00 and none.
    QTest::newRow("21 and 26") << "21" << "26" << "523,00";
    QTest::newRow("same rate") << "21" << "21" << "483,00";
    QTest::newRow("fractions") << "21,5" << "26,25" << "532,50";
}

void TestYearSummary::flatTaxEstimate()
{
    QFETCH(QString, first);
    QFETCH(QString, other);
    QFETCH(QString, alfa);
    YearSummary::Settings settings;
    settings.firstRateBasisPoints = *EuroAmount::parseBasisPoints(first);
    settings.otherRateBasisPoints = *EuroAmount::parseBasisPoints(other);
    const YearSummary::Summary summary = YearSummary::compute(sampleStays(), {}, 2026, {}, settings);
    const ReportTable table = YearSummary::table(summary, settings);
    QCOMPARE(table.sections.at(1).rows.first().at(4), alfa);
    QVERIFY(table.sections.at(1).heading.contains(QStringLiteral("STIMA")));
}

void TestYearSummary::oneProperty()
{
    const ReportStayList stays = sampleStays();
    const QByteArray due = stays.stays.at(3).property.key;
    const YearSummary::Summary summary =
        YearSummary::compute(stays, sampleReceipts(), 2026, due, YearSummary::Settings());
    QCOMPARE(summary.properties.size(), 1);
    QCOMPARE(summary.propertyLabel, QStringLiteral("Via Due 2 - RIMINI (RN)"));
    QCOMPARE(summary.total.rentCents, qint64(80000));
    // Its landlord, with all the landlord's properties.
    QCOMPARE(summary.landlords.size(), 1);
    QCOMPARE(summary.landlords.first().properties, 3);
    QVERIFY(summary.landlords.first().business);
}

void TestYearSummary::settingsReadAndWritten()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(YearSummary::settingsFile());
    QCOMPARE(YearSummary::readSettings(path), YearSummary::Settings());
    const YearSummary::Settings changed{5, 2150, 2600};
    QVERIFY(YearSummary::writeSettings(path, changed));
    QCOMPARE(YearSummary::readSettings(path), changed);
    QCOMPARE(IniFile(path).readString(QStringLiteral("Riepilogo Annuale"), QStringLiteral("Cedolare Prima")),
             QStringLiteral("21,5"));
    IniFile(path).writeString(QStringLiteral("Riepilogo Annuale"), QStringLiteral("Soglia Impresa"), QStringLiteral("tre"));
    QCOMPARE(YearSummary::readSettings(path).businessThreshold, 3);
}

void TestYearSummary::thresholdRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("threshold");  // 0: refused
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("blanks around") << " 12 " << 12;
    QTest::newRow("four digits") << "9999" << 9999;
    QTest::newRow("five digits") << "10000" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("words") << "tre" << 0;
    QTest::newRow("empty") << "" << 0;
}

// What the window accepts is what the settings file gives back.
void TestYearSummary::thresholdRule()
{
    QFETCH(QString, text);
    QFETCH(int, threshold);
    QCOMPARE(YearSummary::parseThreshold(text).value_or(0), threshold);
    QTemporaryDir folder;
    const QString path = folder.filePath(YearSummary::settingsFile());
    IniFile(path).writeString(QStringLiteral("Riepilogo Annuale"), QStringLiteral("Soglia Impresa"), text);
    QCOMPARE(YearSummary::readSettings(path).businessThreshold, threshold > 0 ? threshold : 3);
}

QTEST_APPLESS_MAIN(TestYearSummary)
#include "tst_yearsummary.moc"
