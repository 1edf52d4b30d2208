#include "engine/lists/SummaryOrder.h"

#include <QTest>

// The order of the sorted lists.
class TestSummaryOrder : public QObject
{
    Q_OBJECT
private slots:
    void order_data();
    void order();
};

void TestSummaryOrder::order_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    // -1: first comes before second; 0: they compare equal.
    QTest::addColumn<int>("expected");

    QTest::newRow("capitals and lower case are equal") << "ROSSI MARIO" << "rossi mario" << 0;
    QTest::newRow("mixed case is equal too") << "Rossi Mario" << "rOSSI mARIO" << 0;
    QTest::newRow("a lower-case name among the capitals") << "bianchi" << "ROSSI" << -1;
    QTest::newRow("a capital among lower case") << "Bianchi" << "rossi" << -1;
    QTest::newRow("letters before the underscore") << "zeta" << "_alfa" << -1;
    QTest::newRow("letters count as capitals, before [") << "alfa" << "[alfa" << -1;
    QTest::newRow("backquote after the capitals") << "ZETA" << "`" << -1;
    QTest::newRow("digits before letters") << "1 ROSSI" << "A ROSSI" << -1;
    QTest::newRow("blank before letters") << "ROSSI MARIO" << "ROSSIMARIO" << -1;
    QTest::newRow("the beginning of a line first") << "ROSSI" << "ROSSI MARIO" << -1;
    QTest::newRow("empty line first") << "" << "A" << -1;
    QTest::newRow("accented letters after Z") << "ZORRO" << "ÈRICA" << -1;
    QTest::newRow("accented letters are not folded") << "ÀLFA" << "àlfa" << -1;
    QTest::newRow("an accented letter after its plain one") << "NICOLO" << "NICOLÒ" << -1;
    QTest::newRow("any plain letter before an accented one") << "nicolz" << "NICOLÒ" << -1;
    QTest::newRow("euro after every Latin-1 letter") << "ÿ" << "€" << -1;
    QTest::newRow("the whole line counts") << "ROSSI  Tel. 1" << "ROSSI  Tel. 2" << -1;
    // Long equal beginnings are skipped a few characters at a time: the
    // first difference counts wherever it falls.
    QTest::newRow("case differs after a long equal run") << "ROSSI MARIO PERUGIA via" << "ROSSI MARIO PERUGIA VIB" << -1;
    QTest::newRow("only case differs after a long run") << "ROSSI MARIO PERUGIA via" << "ROSSI MARIO PERUGIA VIA" << 0;
    QTest::newRow("last of eight characters") << "ROSSI MA" << "ROSSI MB" << -1;
    QTest::newRow("last of nine characters") << "ROSSI MAR" << "ROSSI MAS" << -1;
    QTest::newRow("a longer line after eight equal ones") << "ROSSI MA" << "ROSSI MAR" << -1;
}

void TestSummaryOrder::order()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, expected);
    if (expected == 0) {
        QVERIFY(!SummaryOrder::less(first, second));
        QVERIFY(!SummaryOrder::less(second, first));
    } else {
        QVERIFY(SummaryOrder::less(first, second));
        QVERIFY(!SummaryOrder::less(second, first));
    }
    QVERIFY(!SummaryOrder::less(first, first));
}

QTEST_APPLESS_MAIN(TestSummaryOrder)
#include "tst_summaryorder.moc"
