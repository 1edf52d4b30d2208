#include "engine/checks/VatNumber.h"

#include <QTest>

// Check digits worked out by the Luhn rule. For 1234567058 by hand:
//   odd positions  1 3 5 7 5                     -> 1 + 3 + 5 + 7 + 5 = 21
//   even positions 2 4 6 0 8, doubled 4 8 12 0 16 -> 4 + 8 + (1+2) + 0 + (1+6) = 22
//   21 + 22 = 43, (10 - 43 mod 10) mod 10 = 7 -> 12345670587.
class TestVatNumber : public QObject
{
    Q_OBJECT

private:
    static void addValidNumbers()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("well-known, Milano 1") << QStringLiteral("00743110157");
        QTest::newRow("Roma 1") << QStringLiteral("12345670587");
        QTest::newRow("Roma 1, other digits") << QStringLiteral("98765430586");
        QTest::newRow("Bologna 2 new code") << QStringLiteral("00000001206");
        QTest::newRow("Bologna 2") << QStringLiteral("00000001016");
        QTest::newRow("Forli") << QStringLiteral("01234560405");
        QTest::newRow("unknown office 000") << QStringLiteral("12345670009");
        QTest::newRow("unknown office 890") << QStringLiteral("12345678903");
    }

private slots:
    void validNumbers_data() { addValidNumbers(); }

    void validNumbers()
    {
        QFETCH(QString, number);
        QVERIFY(VatNumber::isValid(number));
        QCOMPARE(VatNumber::expectedCheckDigit(number.first(10)),
                 std::optional<int>(number.at(10).unicode() - u'0'));
    }

    void everyOtherCheckDigitIsWrong_data() { addValidNumbers(); }

    void everyOtherCheckDigitIsWrong()
    {
        QFETCH(QString, number);
        const QString first10 = number.first(10);
        int rejected = 0;
        for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
            if (QChar(digit) == number.at(10))
                continue;
            QVERIFY2(!VatNumber::isValid(first10 + QChar(digit)), qPrintable(first10 + QChar(digit)));
            ++rejected;
        }
        QCOMPARE(rejected, 9);
    }

    void malformedNumbersAreInvalid_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QString();
        QTest::newRow("10 digits") << QStringLiteral("0074311015");
        QTest::newRow("12 digits") << QStringLiteral("007431101570");
        QTest::newRow("letter for the check digit") << QStringLiteral("0074311015A");
        QTest::newRow("letter inside") << QStringLiteral("00743X10157");
        QTest::newRow("blank inside") << QStringLiteral("00743 10157");
        QTest::newRow("minus sign") << QStringLiteral("-0743110157");
        // Digits of other scripts are not the digits 0 to 9.
        QTest::newRow("Arabic-Indic digit") << QStringLiteral("0074311015\u0667");
    }

    void malformedNumbersAreInvalid()
    {
        QFETCH(QString, number);
        QVERIFY(!VatNumber::isValid(number));
    }

    void noCheckDigitForUnusableText()
    {
        QVERIFY(!VatNumber::expectedCheckDigit(QStringLiteral("007431101")));
        QVERIFY(!VatNumber::expectedCheckDigit(QStringLiteral("00743110157")));
        QVERIFY(!VatNumber::expectedCheckDigit(QStringLiteral("00743A1015")));
    }

    void officeCodeIsTheEighthToTenthDigit()
    {
        QCOMPARE(VatNumber::officeCode(QStringLiteral("00743110157")), QStringLiteral("015"));
        QCOMPARE(VatNumber::officeCode(QStringLiteral("12345670587")), QStringLiteral("058"));
        QCOMPARE(VatNumber::officeCode(QStringLiteral("00000001206")), QStringLiteral("120"));
    }

    void officeNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("001") << QStringLiteral("001") << QStringLiteral("Torino");
        QTest::newRow("015") << QStringLiteral("015") << QStringLiteral("Milano 1");
        QTest::newRow("040") << QStringLiteral("040") << QStringLiteral("Forl\u00ec");
        QTest::newRow("058") << QStringLiteral("058") << QStringLiteral("Roma 1");
        QTest::newRow("066") << QStringLiteral("066") << QStringLiteral("Aquila");
        QTest::newRow("095") << QStringLiteral("095") << QStringLiteral("Oristano");
        QTest::newRow("096") << QStringLiteral("096") << QStringLiteral("Monza (Milano 2)");
        QTest::newRow("099") << QStringLiteral("099") << QStringLiteral("Chiavari (Genova 2)");
        QTest::newRow("101") << QStringLiteral("101") << QStringLiteral("Bologna 2");
        QTest::newRow("102") << QStringLiteral("102") << QStringLiteral("Napoli 2");
        QTest::newRow("120") << QStringLiteral("120") << QStringLiteral("Bologna 2");
        QTest::newRow("121") << QStringLiteral("121") << QStringLiteral("Napoli 2");
    }

    void officeNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(VatNumber::officeName(code), std::optional<QString>(name));
    }

    void unknownOfficeCodesHaveNoName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("000") << QStringLiteral("000");
        QTest::newRow("103") << QStringLiteral("103");
        QTest::newRow("119") << QStringLiteral("119");
        QTest::newRow("122") << QStringLiteral("122");
        QTest::newRow("890") << QStringLiteral("890");
        QTest::newRow("without leading zero") << QStringLiteral("58");
        QTest::newRow("empty") << QString();
    }

    void unknownOfficeCodesHaveNoName()
    {
        QFETCH(QString, code);
        QVERIFY(!VatNumber::officeName(code));
    }

    // 001 to 102 plus 120 and 121: 104 offices, none of them nameless.
    void theTableHolds104Offices()
    {
        int known = 0;
        for (int code = 0; code <= 999; ++code) {
            const auto name = VatNumber::officeName(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')));
            if (!name)
                continue;
            QVERIFY(!name->isEmpty());
            const bool expected = (code >= 1 && code <= 102) || code == 120 || code == 121;
            QVERIFY2(expected, qPrintable(QString::number(code)));
            ++known;
        }
        QCOMPARE(known, 104);
    }
};

QTEST_GUILESS_MAIN(TestVatNumber)
#include "tst_vatnumber.moc"
