#include "PdfText.h"
#include "StayFixture.h"
#include "engine/report/ReportLayout.h"
#include "engine/reports/TableReport.h"
#include "engine/reports/TaxNote.h"

#include <QTemporaryDir>
#include <QTest>

// The note of the tourist tax received, handed to the guests.
class TestTaxNote : public QObject
{
    Q_OBJECT
private slots:
    void guestLinesTellNightsRatesAndReasons();
    void exemptionText_data();
    void exemptionText();
    void printedOnAPortraitPage();

private:
    ReportStay sampleStay() const;
    QList<TaxRule> rules() const;
};

// BIANCHI LUCIA lets Via Roma 1 - RIMINI (RN).
ReportStay TestTaxNote::sampleStay() const
{
    using StayFixture::guest;
    return StayFixture::stay(
        1, QDate(2025, 12, 30), QDate(2026, 1, 3),
        {guest("ROSSI"), guest("ROSSI", StayFixture::bologna, QDate(2020, 1, 1)),
         guest("VERDI", StayFixture::bologna, QDate(1960, 1, 1), QStringLiteral("accompagnatore di paziente"))});
}

QList<TaxRule> TestTaxNote::rules() const
{
    return {StayFixture::riminiRule(QDate(2025, 1, 1), QDate(2025, 12, 31), 150, 0, 14),
            StayFixture::riminiRule(QDate(2026, 1, 1), QDate(), 200, 0, 14)};
}

void TestTaxNote::guestLinesTellNightsRatesAndReasons()
{
    const ReportStay stay = sampleStay();
    const StayTax::Result tax = StayTax::compute(stay.taxStay(), rules());
    const ReportTable note = TaxNote::table(stay, QStringLiteral("RIMINI (RN)"), tax);
    QCOMPARE(note.orientation, QPageLayout::Portrait);
    const ReportSection &guests = note.sections.first();
    QCOMPARE(guests.rows, (QList<QStringList>{
                              {"ROSSI ANNA", "4", "2 x 1,50 + 2 x 2,00", "", "7,00"},
                              {"ROSSI ANNA", "0", "", "4 notti per età", "0,00"},
                              {"VERDI ANNA", "0", "", "4 notti per accompagnatore di paziente", "0,00"},
                          }));
    QCOMPARE(guests.totals, (QStringList{"Totale", "4", "", "8 notti esenti", "7,00"}));
    QVERIFY(note.parameters.contains(QStringLiteral("Totale dell'imposta riscossa: € 7,00.")));
    QVERIFY(note.parameters.contains(
        QStringLiteral("Ricevuta da: ROSSI ANNA, per il soggiorno dal 30/12/2025 al 03/01/2026 (4 notti, 3 ospiti).")));
}

void TestTaxNote::exemptionText_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("beyond");
    QTest::addColumn<int>("withoutRule");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << 0 << 0 << "";
    QTest::newRow("one night for age") << 1 << 0 << 0 << "1 notte per età";
    QTest::newRow("beyond the most nights") << 0 << 3 << 0 << "3 notti oltre il massimo di notti";
    QTest::newRow("two reasons and no rule") << 2 << 1 << 1
                                             << "2 notti per età, 1 notte oltre il massimo di notti, "
                                                "1 notte senza imposta";
}

void TestTaxNote::exemptionText()
{
    QFETCH(int, age);
    QFETCH(int, beyond);
    QFETCH(int, withoutRule);
    QFETCH(QString, text);
    StayTax::GuestTax tax;
    tax.nights.exempt[int(StayTax::Exemption::Age)] = age;
    tax.nights.exempt[int(StayTax::Exemption::BeyondMaxNights)] = beyond;
    tax.nights.withoutRule = withoutRule;
    QCOMPARE(TaxNote::exemptionText(tax), text);
}

void TestTaxNote::printedOnAPortraitPage()
{
    SKIP_WITHOUT_PDF_READER();
    QTemporaryDir folder;
    const ReportStay stay = sampleStay();
    const StayTax::Result tax = StayTax::compute(stay.taxStay(), rules());
    const Report::PreparedReport report =
        Report::prepare(TableReport::pageTemplate(TaxNote::table(stay, QStringLiteral("RIMINI (RN)"), tax)),
                        QDate(2026, 1, 3));
    const std::optional<PdfText> pdf = PdfText::renderAndRead(report, folder.path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), 1);
    QVERIFY(pdf->pages().first().sizeMm.height() > pdf->pages().first().sizeMm.width());
    for (const char *phrase : {"RICEVUTA DELL'IMPOSTA DI SOGGIORNO", "Comune di RIMINI (RN).",
                               "Gestore: BIANCHI LUCIA,", "BNCLCU70A41H294K.", "2 x 1,50 + 2 x 2,00",
                               "Firma del gestore:", "Rilasciata in data 03/01/2026"})
        QVERIFY2(!pdf->find(QString::fromUtf8(phrase)).isEmpty(), phrase);
}

QTEST_MAIN(TestTaxNote)
#include "tst_taxnote.moc"
