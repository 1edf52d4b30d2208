#include "engine/receipts/StartNumber.h"

#include <QTest>

class TestStartNumber : public QObject
{
    Q_OBJECT

private slots:
    void afterFocusLoss_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");

        QTest::newRow("empty") << "" << "1";
        QTest::newRow("blanks only") << "   " << "1";
        QTest::newRow("control characters only") << "\t\r\n" << "1";
        QTest::newRow("plain number") << "50" << "50";
        QTest::newRow("zero is a start number") << "0" << "0";
        QTest::newRow("leading zeros") << "007" << "7";
        QTest::newRow("zeros only") << "00000" << "0";
        QTest::newRow("blanks round the number") << " 12 " << "12";
        QTest::newRow("decimal below the half") << "12,4" << "12";
        QTest::newRow("half goes up") << "12,5" << "13";
        QTest::newRow("above the half") << "12,51" << "13";
        QTest::newRow("just below the half") << "12,4999" << "12";
        QTest::newRow("decimals only, half") << ",5" << "1";
        QTest::newRow("decimals only, below the half") << ",49" << "0";
        QTest::newRow("separator with no decimals") << "12," << "12";
        QTest::newRow("half up to the next ten") << "99999,5" << "100000";
        QTest::newRow("largest 64-bit number") << "9223372036854775807" << "9223372036854775807";
        QTest::newRow("beyond 64 bits") << "9223372036854775808" << "1";
        QTest::newRow("rounding beyond 64 bits") << "9223372036854775807,5" << "1";
        QTest::newRow("many leading zeros") << "0000000000000000000000042" << "42";
        QTest::newRow("separator alone") << "," << "1";
        QTest::newRow("point is not the separator") << "12.5" << "1";
        QTest::newRow("two separators") << "1,2,3" << "1";
        QTest::newRow("letters") << "abc" << "1";
        QTest::newRow("digits and letters") << "12a" << "1";
        QTest::newRow("minus sign") << "-5" << "1";
        QTest::newRow("plus sign") << "+5" << "1";
        QTest::newRow("exponent") << "1E3" << "1";
        QTest::newRow("blank inside") << "1 2" << "1";
        QTest::newRow("non-ASCII digits") << QStringLiteral("\u0663") << "1";
    }

    void afterFocusLoss()
    {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QCOMPARE(StartNumber::afterFocusLoss(typed), left);
    }

    // What the rule leaves is itself left alone by it, so that the number
    // stored is the one shown however often the field is left.
    void afterFocusLossIsStable_data() { afterFocusLoss_data(); }

    void afterFocusLossIsStable()
    {
        QFETCH(QString, left);
        QCOMPARE(StartNumber::afterFocusLoss(left), left);
    }
};

QTEST_APPLESS_MAIN(TestStartNumber)
#include "tst_startnumber.moc"
