#include "engine/text/EuroAmount.h"

#include <QTest>

// Amounts in euro, read and written the program's way, as whole cents.
class TestEuroAmount : public QObject
{
    Q_OBJECT
private slots:
    void parseCents_data();
    void parseCents();
    void format_data();
    void format();
    void formatReadsBack();
    void percentOf_data();
    void percentOf();
    void basisPoints_data();
    void basisPoints();
};

void TestEuroAmount::parseCents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("cents");  // -1: not an amount
    QTest::newRow("euros only") << "77" << qint64(7700);
    QTest::newRow("decimal comma") << "77,47" << qint64(7747);
    QTest::newRow("one decimal is tens of cents") << "1234,5" << qint64(123450);
    QTest::newRow("thousands grouped") << "1.234,56" << qint64(123456);
    QTest::newRow("millions grouped") << "1.234.567,00" << qint64(123456700);
    QTest::newRow("euro sign before") << "€ 500,00" << qint64(50000);
    QTest::newRow("euro sign after") << "500,00 €" << qint64(50000);
    QTest::newRow("word after") << "500 euro" << qint64(50000);
    QTest::newRow("word before, capital") << "Euro 1.200" << qint64(120000);
    QTest::newRow("blanks around") << "  0,10 " << qint64(10);
    QTest::newRow("zero") << "0" << qint64(0);
    QTest::newRow("negative") << "-2,00" << qint64(-200);
    QTest::newRow("dot as decimal point") << "500.00" << qint64(-1);
    QTest::newRow("group of two") << "1.23,00" << qint64(-1);
    QTest::newRow("leading dot") << ".500" << qint64(-1);
    QTest::newRow("three decimals") << "1,505" << qint64(-1);
    QTest::newRow("comma without decimals") << "15," << qint64(-1);
    QTest::newRow("two commas") << "1,50,00" << qint64(-1);
    QTest::newRow("letters") << "cinquecento" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("sign only") << "€" << qint64(-1);
    QTest::newRow("too many digits") << "12345678901234567" << qint64(-1);
}

void TestEuroAmount::parseCents()
{
    QFETCH(QString, text);
    QFETCH(qint64, cents);
    const std::optional<qint64> parsed = EuroAmount::parseCents(text);
    QCOMPARE(parsed.has_value(), cents != -1);
    if (parsed)
        QCOMPARE(*parsed, cents);
}

void TestEuroAmount::format_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0,00";
    QTest::newRow("ten cents") << qint64(10) << "0,10";
    QTest::newRow("threshold") << qint64(7747) << "77,47";
    QTest::newRow("thousands") << qint64(123456) << "1.234,56";
    QTest::newRow("millions") << qint64(100000000) << "1.000.000,00";
    QTest::newRow("negative") << qint64(-250) << "-2,50";
}

void TestEuroAmount::format()
{
    QFETCH(qint64, cents);
    QFETCH(QString, text);
    QCOMPARE(EuroAmount::format(cents), text);
}

void TestEuroAmount::formatReadsBack()
{
    for (const qint64 cents : {qint64(0), qint64(1), qint64(99), qint64(100), qint64(99999), qint64(100000),
                               qint64(123456789), qint64(-5)})
        QCOMPARE(EuroAmount::parseCents(EuroAmount::format(cents)), std::optional<qint64>(cents));
    QCOMPARE(EuroAmount::withEuroSign(200), QStringLiteral("€ 2,00"));
}

void TestEuroAmount::percentOf_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<qint64>("basisPoints");
    QTest::addColumn<qint64>("result");
    QTest::newRow("21 % of 1.000,00") << qint64(100000) << qint64(2100) << qint64(21000);
    QTest::newRow("26 % of 333,33 rounds down") << qint64(33333) << qint64(2600) << qint64(8667);
    QTest::newRow("half a cent rounds up") << qint64(50) << qint64(100) << qint64(1);
    QTest::newRow("under half a cent rounds down") << qint64(49) << qint64(100) << qint64(0);
    QTest::newRow("negative half rounds away") << qint64(-50) << qint64(100) << qint64(-1);
}

void TestEuroAmount::percentOf()
{
    QFETCH(qint64, cents);
    QFETCH(qint64, basisPoints);
    QFETCH(qint64, result);
    QCOMPARE(EuroAmount::percentOf(cents, basisPoints), result);
}

void TestEuroAmount::basisPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("basisPoints");  // -1: refused
    QTest::addColumn<QString>("written");
    QTest::newRow("whole") << "21" << qint64(2100) << "21";
    QTest::newRow("one decimal") << "21,5" << qint64(2150) << "21,5";
    QTest::newRow("two decimals") << "21,25" << qint64(2125) << "21,25";
    QTest::newRow("per cent sign") << "26 %" << qint64(2600) << "26";
    QTest::newRow("dot") << "21.5" << qint64(-1) << "";
    QTest::newRow("euro") << "€ 21" << qint64(-1) << "";
    QTest::newRow("negative") << "-21" << qint64(-1) << "";
}

void TestEuroAmount::basisPoints()
{
    QFETCH(QString, text);
    QFETCH(qint64, basisPoints);
    QFETCH(QString, written);
    const std::optional<qint64> parsed = EuroAmount::parseBasisPoints(text);
    QCOMPARE(parsed.has_value(), basisPoints != -1);
    if (parsed) {
        QCOMPARE(*parsed, basisPoints);
        QCOMPARE(EuroAmount::formatBasisPoints(*parsed), written);
    }
}

QTEST_APPLESS_MAIN(TestEuroAmount)
#include "tst_euroamount.moc"
