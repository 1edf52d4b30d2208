#include "engine/receipts/RevenueStamp.h"
#include "engine/settings/IniFile.h"

#include <QTemporaryDir>
#include <QTest>

// The reminder of the revenue stamp on receipts above the threshold.
class TestRevenueStamp : public QObject
{
    Q_OBJECT
private slots:
    void reminderAboveTheThresholdOnly_data();
    void reminderAboveTheThresholdOnly();
    void amountAsItWouldBeSaved_data();
    void amountAsItWouldBeSaved();
    void settingsFromTheFile_data();
    void settingsFromTheFile();
};

void TestRevenueStamp::reminderAboveTheThresholdOnly_data()
{
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<bool>("shown");
    QTest::newRow("nothing") << qint64(0) << false;
    QTest::newRow("one cent under") << qint64(7746) << false;
    QTest::newRow("the threshold itself") << qint64(7747) << false;
    QTest::newRow("one cent over") << qint64(7748) << true;
    QTest::newRow("a week's rent") << qint64(120000) << true;
}

void TestRevenueStamp::reminderAboveTheThresholdOnly()
{
    QFETCH(qint64, cents);
    QFETCH(bool, shown);
    const QString text = RevenueStamp::reminder(cents, RevenueStamp::Settings());
    QCOMPARE(text.isEmpty(), !shown);
    if (shown)
        QCOMPARE(text, QStringLiteral("Importo superiore a € 77,47: applicare la marca da bollo da € 2,00 "
                                      "sull'originale."));
}

void TestRevenueStamp::amountAsItWouldBeSaved_data()
{
    QTest::addColumn<QString>("euros");
    QTest::addColumn<QString>("cents");
    QTest::addColumn<qint64>("amount");  // -1: no amount
    QTest::newRow("77,47") << "77" << "47" << qint64(7747);
    QTest::newRow("77,48") << "77" << "48" << qint64(7748);
    QTest::newRow("one cent digit is tens") << "77" << "5" << qint64(7750);
    QTest::newRow("cents empty") << "78" << "" << qint64(7800);
    QTest::newRow("euros empty") << "" << "99" << qint64(99);
    QTest::newRow("both empty") << "" << "" << qint64(0);
    QTest::newRow("pasted letters") << "7a" << "00" << qint64(-1);
}

void TestRevenueStamp::amountAsItWouldBeSaved()
{
    QFETCH(QString, euros);
    QFETCH(QString, cents);
    QFETCH(qint64, amount);
    const std::optional<qint64> read = RevenueStamp::amountOfBoxes(euros, cents);
    QCOMPARE(read.has_value(), amount != -1);
    if (read)
        QCOMPARE(*read, amount);
}

void TestRevenueStamp::settingsFromTheFile_data()
{
    QTest::addColumn<QString>("threshold");  // null: key absent
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<qint64>("thresholdCents");
    QTest::addColumn<qint64>("stampCents");
    QTest::newRow("absent") << QString() << QString() << qint64(7747) << qint64(200);
    QTest::newRow("set") << "100,00" << "16" << qint64(10000) << qint64(1600);
    QTest::newRow("unreadable") << "cento" << "-2,00" << qint64(7747) << qint64(200);
}

void TestRevenueStamp::settingsFromTheFile()
{
    QFETCH(QString, threshold);
    QFETCH(QString, stamp);
    QFETCH(qint64, thresholdCents);
    QFETCH(qint64, stampCents);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Ricevute_Generiche.ini"));
    IniFile ini(path);
    QVERIFY(ini.writeString(QStringLiteral("Ricevente"), QStringLiteral("Rigo 1"), QStringLiteral("MARIO ROSSI")));
    if (!threshold.isNull()) {
        QVERIFY(ini.writeString(QStringLiteral("Marca da bollo"), QStringLiteral("Soglia"), threshold));
        QVERIFY(ini.writeString(QStringLiteral("Marca da bollo"), QStringLiteral("Importo"), stamp));
    }
    const RevenueStamp::Settings settings = RevenueStamp::read(path);
    QCOMPARE(settings.thresholdCents, thresholdCents);
    QCOMPARE(settings.stampCents, stampCents);
    QVERIFY(RevenueStamp::reminder(thresholdCents, settings).isEmpty());
    QVERIFY(RevenueStamp::reminder(thresholdCents + 1, settings).contains(
        QStringLiteral("marca da bollo da € ") + (stampCents == 1600 ? QStringLiteral("16,00") : QStringLiteral("2,00"))));
}

QTEST_APPLESS_MAIN(TestRevenueStamp)
#include "tst_revenuestamp.moc"
