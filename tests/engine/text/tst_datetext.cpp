#include "engine/text/DateText.h"

#include <QTest>

class TestDateText : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format();
};

void TestDateText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");  // invalid: not a date
    QTest::newRow("ordinary") << "05/03/2024" << QDate(2024, 3, 5);
    QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
    QTest::newRow("leap day of a common year") << "29/02/2023" << QDate();
    QTest::newRow("31 April") << "31/04/2024" << QDate();
    QTest::newRow("31 February") << "31/02/2024" << QDate();
    QTest::newRow("month 13") << "01/13/2024" << QDate();
    QTest::newRow("day 0") << "00/01/2024" << QDate();
    QTest::newRow("one-digit day and month") << "5/3/2024" << QDate(2024, 3, 5);
    QTest::newRow("blanks around") << " 05/03/2024 " << QDate(2024, 3, 5);
    QTest::newRow("two-digit year") << "05/03/24" << QDate();
    QTest::newRow("dashes") << "05-03-2024" << QDate();
    QTest::newRow("letters") << "aa/bb/cccc" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("signs") << "+5/03/2024" << QDate();
}

void TestDateText::parse()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const auto parsed = DateText::parse(text);
    QCOMPARE(parsed.has_value(), date.isValid());
    if (parsed)
        QCOMPARE(*parsed, date);
}

void TestDateText::format()
{
    QCOMPARE(DateText::format(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
    QCOMPARE(DateText::format(QDate(2026, 12, 31)), QStringLiteral("31/12/2026"));
}

QTEST_APPLESS_MAIN(TestDateText)
#include "tst_datetext.moc"
