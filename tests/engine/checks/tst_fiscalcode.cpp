#include "engine/checks/FiscalCode.h"

#include <QTest>

// Check characters worked out by the official rule. For RSSMRA85T10A562 by
// hand:
//   odd positions  R S R 8 T 0 5 2 ->  8 + 12 + 8 + 19 + 14 + 1 + 13 + 5 = 80
//   even positions S M A 5 1 A 6   -> 18 + 12 + 0 +  5 +  1 + 0 +  6     = 42
//   80 + 42 = 122, 122 mod 26 = 18 -> S (counting A as 0).
class TestFiscalCode : public QObject
{
    Q_OBJECT

private:
    static void addValidCodes()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("textbook example") << QStringLiteral("RSSMRA85T10A562S");
        QTest::newRow("born in Milan") << QStringLiteral("MRTMTT25D09F205Z");
        QTest::newRow("woman, day + 40") << QStringLiteral("VRDLGU70M41H501J");
        QTest::newRow("another man") << QStringLiteral("BNCGPP80A01F205H");
        // A digit of the place code replaced by a letter, as the revenue
        // agency does for clashing codes: only the check character matters.
        QTest::newRow("letter for digit") << QStringLiteral("RSSMRA85T10A56NH");
        QTest::newRow("all A and 0") << QStringLiteral("AAAAAA00A00A000I");
        QTest::newRow("all Z and 9") << QStringLiteral("ZZZZZZ99Z99Z999R");
    }

private slots:
    void tablesFollowTheStandard_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::addColumn<int>("odd");
        QTest::addColumn<int>("even");
        QTest::newRow("0") << QChar(u'0') << 1 << 0;
        QTest::newRow("1") << QChar(u'1') << 0 << 1;
        QTest::newRow("2") << QChar(u'2') << 5 << 2;
        QTest::newRow("9") << QChar(u'9') << 21 << 9;
        QTest::newRow("A") << QChar(u'A') << 1 << 0;
        QTest::newRow("B") << QChar(u'B') << 0 << 1;
        QTest::newRow("C") << QChar(u'C') << 5 << 2;
        QTest::newRow("K") << QChar(u'K') << 2 << 10;
        QTest::newRow("M") << QChar(u'M') << 18 << 12;
        QTest::newRow("O") << QChar(u'O') << 11 << 14;
        QTest::newRow("X") << QChar(u'X') << 25 << 23;
        QTest::newRow("Z") << QChar(u'Z') << 23 << 25;
    }

    void tablesFollowTheStandard()
    {
        QFETCH(QChar, character);
        QFETCH(int, odd);
        QFETCH(int, even);
        QCOMPARE(FiscalCode::oddPositionValue(character), std::optional<int>(odd));
        QCOMPARE(FiscalCode::evenPositionValue(character), std::optional<int>(even));
    }

    void charactersOutsideTheTablesHaveNoValue_data()
    {
        QTest::addColumn<QChar>("character");
        QTest::newRow("small letter") << QChar(u'a');
        QTest::newRow("blank") << QChar(u' ');
        QTest::newRow("sign") << QChar(u'-');
        QTest::newRow("accented") << QChar(u'\u00c8');
    }

    void charactersOutsideTheTablesHaveNoValue()
    {
        QFETCH(QChar, character);
        QVERIFY(!FiscalCode::oddPositionValue(character));
        QVERIFY(!FiscalCode::evenPositionValue(character));
    }

    void expectedCheckCharacter_data() { addValidCodes(); }

    void expectedCheckCharacter()
    {
        QFETCH(QString, code);
        QCOMPARE(FiscalCode::expectedCheckCharacter(code.first(15)), std::optional<QChar>(code.at(15)));
    }

    void noCheckCharacterForUnusableText_data()
    {
        QTest::addColumn<QString>("first15");
        QTest::newRow("empty") << QString();
        QTest::newRow("14 characters") << QStringLiteral("RSSMRA85T10A56");
        QTest::newRow("16 characters") << QStringLiteral("RSSMRA85T10A562S");
        QTest::newRow("small letters") << QStringLiteral("rssmra85t10a562");
        QTest::newRow("blank inside") << QStringLiteral("RSSMRA 85T10A56");
        QTest::newRow("sign in last place") << QStringLiteral("RSSMRA85T10A56/");
    }

    void noCheckCharacterForUnusableText()
    {
        QFETCH(QString, first15);
        QVERIFY(!FiscalCode::expectedCheckCharacter(first15));
    }

    void validCodes_data() { addValidCodes(); }

    void validCodes()
    {
        QFETCH(QString, code);
        QVERIFY(FiscalCode::isValid(code));
    }

    void everyOtherLastLetterIsWrong_data() { addValidCodes(); }

    void everyOtherLastLetterIsWrong()
    {
        QFETCH(QString, code);
        const QString first15 = code.first(15);
        int rejected = 0;
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            if (QChar(letter) == code.at(15))
                continue;
            QVERIFY2(!FiscalCode::isValid(first15 + QChar(letter)), qPrintable(first15 + QChar(letter)));
            ++rejected;
        }
        QCOMPARE(rejected, 25);
        QVERIFY(!FiscalCode::isValid(first15 + QLatin1Char('0')));
    }

    void malformedCodesAreInvalid_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << QString();
        QTest::newRow("15 characters") << QStringLiteral("RSSMRA85T10A562");
        QTest::newRow("17 characters") << QStringLiteral("RSSMRA85T10A562SS");
        QTest::newRow("small letters") << QStringLiteral("rssmra85t10a562s");
        QTest::newRow("small check letter") << QStringLiteral("RSSMRA85T10A562s");
        QTest::newRow("sign among the first 15") << QStringLiteral("RSSMRA85T10-562S");
        QTest::newRow("blank among the first 15") << QStringLiteral("RSSMRA85 10A562S");
        QTest::newRow("accented letter") << QStringLiteral("RSSMR\u00c085T10A562S");
    }

    void malformedCodesAreInvalid()
    {
        QFETCH(QString, code);
        QVERIFY(!FiscalCode::isValid(code));
    }
};

QTEST_GUILESS_MAIN(TestFiscalCode)
#include "tst_fiscalcode.moc"
