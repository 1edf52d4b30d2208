#include "engine/text/DateText.h"
#include "engine/text/ProgramFormats.h"

#include <QLocale>
#include <QTest>

// The formats every window relies on, once the program has installed them.
class TestProgramFormats : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ProgramFormats::install(); }
    void datesHaveFourDigitYears_data();
    void datesHaveFourDigitYears();
    void numbersUseTheComma();
};

void TestProgramFormats::datesHaveFourDigitYears_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("early in the year") << QDate(2024, 3, 5) << "05/03/2024";
    QTest::newRow("end of the century") << QDate(1999, 12, 31) << "31/12/1999";
    QTest::newRow("year 1") << QDate(1, 1, 1) << "01/01/0001";
}

void TestProgramFormats::datesHaveFourDigitYears()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(DateText::format(date), text);
    // A locale-aware object made after the start writes the same text with
    // the program's format, in Italian.
    QCOMPARE(QLocale().toString(date, ProgramFormats::shortDateFormat()), text);
    QCOMPARE(DateText::parse(text), std::optional<QDate>(date));
}

void TestProgramFormats::numbersUseTheComma()
{
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QCOMPARE(QLocale().toString(1250.5, 'f', 2), QStringLiteral("1.250,50"));
    QCOMPARE(QLocale().monthName(3), QStringLiteral("marzo"));
    QCOMPARE(ProgramFormats::decimalSeparator(), QLatin1Char(','));
}

QTEST_APPLESS_MAIN(TestProgramFormats)
#include "tst_programformats.moc"
