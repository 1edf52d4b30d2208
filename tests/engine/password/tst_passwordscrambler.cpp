#include "engine/password/PasswordScrambler.h"

#include <QTest>

// Worked by hand, key by key, for the fixed vectors below:
//   key = D5C8, high byte D5.  'A' = 41:  41 XOR D5 = 94  -> "94"
//   key = ((94 + D5C8) * B3E9 + A7F3) mod 10000h
//       = (D65C * B3E9 mod 10000h) + A7F3 = 6DBC + A7F3 = 115AF -> 15AF
//   'B' = 42:  42 XOR 15 = 57                              -> "57"
//   key = ((57 + 15AF) * B3E9 + A7F3) mod 10000h
//       = (1606 * B3E9 mod 10000h) + A7F3 = 3D76 + A7F3 = E569
//   'C' = 43:  43 XOR E5 = A6                              -> "A6"
namespace {

// The decoded text, or a marker no test password uses, so that QCOMPARE
// prints something readable either way.
QString decoded(const QString &scrambled)
{
    const std::optional<QString> password = PasswordScrambler::decode(scrambled);
    return password ? *password : QStringLiteral("<decode failed>");
}

} // namespace

class TestPasswordScrambler : public QObject
{
    Q_OBJECT

private slots:
    void encodesKnownVectors_data();
    void encodesKnownVectors();
    void roundTrips_data();
    void roundTrips();
    void decodesAnyDigitCase_data();
    void decodesAnyDigitCase();
    void ignoresOddLastDigit_data();
    void ignoresOddLastDigit();
    void refusesNonHexPairs_data();
    void refusesNonHexPairs();
    void usesOnlyLowEightBits();
};

void TestPasswordScrambler::encodesKnownVectors_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("A") << QStringLiteral("A") << QStringLiteral("94");
    QTest::newRow("AB") << QStringLiteral("AB") << QStringLiteral("9457");
    QTest::newRow("ABC") << QStringLiteral("ABC") << QStringLiteral("9457A6");
    // The first byte depends only on the start key: 42 XOR D5 = 97.
    QTest::newRow("initial password")
        << QStringLiteral("BENVENUTOPOSTA") << QStringLiteral("97740BB56B5B206E4DC34D007950");
}

void TestPasswordScrambler::encodesKnownVectors()
{
    QFETCH(QString, password);
    QFETCH(QString, scrambled);
    QCOMPARE(PasswordScrambler::encode(password), scrambled);
    QCOMPARE(decoded(scrambled), password);
}

void TestPasswordScrambler::roundTrips_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("empty") << QString();
    QTest::newRow("one character") << QStringLiteral("Z");
    QTest::newRow("accented below 256") << QStringLiteral("PERCHÈ");
    QTest::newRow("blanks and symbols") << QStringLiteral(" MARE & SOLE 2026! ");
    QTest::newRow("control and high bytes") << QString(QChar(0x01)) + QChar(0x7F) + QChar(0xFF) + QChar(0x00);
    QString longest;
    for (int i = 0; i < 255; ++i)
        longest += QChar(char16_t(32 + (i * 7) % 224));
    QTest::newRow("255 characters") << longest;
}

void TestPasswordScrambler::roundTrips()
{
    QFETCH(QString, password);
    const QString scrambled = PasswordScrambler::encode(password);
    QCOMPARE(scrambled.size(), password.size() * 2);
    for (const QChar c : scrambled)
        QVERIFY2(QStringLiteral("0123456789ABCDEF").contains(c), qPrintable(scrambled));
    QCOMPARE(decoded(scrambled), password);
}

void TestPasswordScrambler::decodesAnyDigitCase_data()
{
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<QString>("password");
    QTest::newRow("lower case") << QStringLiteral("9457a6") << QStringLiteral("ABC");
    QTest::newRow("all lower case")
        << QStringLiteral("97740bb56b5b206e4dc34d007950") << QStringLiteral("BENVENUTOPOSTA");
    QTest::newRow("mixed case")
        << QStringLiteral("97740bB56B5b206E4dC34D007950") << QStringLiteral("BENVENUTOPOSTA");
}

void TestPasswordScrambler::decodesAnyDigitCase()
{
    QFETCH(QString, scrambled);
    QFETCH(QString, password);
    QCOMPARE(decoded(scrambled), password);
}

void TestPasswordScrambler::ignoresOddLastDigit_data()
{
    QTest::addColumn<QString>("scrambled");
    QTest::addColumn<QString>("password");
    QTest::newRow("one digit") << QStringLiteral("9") << QString();
    QTest::newRow("three digits") << QStringLiteral("945") << QStringLiteral("A");
    QTest::newRow("five digits") << QStringLiteral("9457F") << QStringLiteral("AB");
    // The lone digit is not read at all, so it need not even be a digit.
    QTest::newRow("odd non-digit") << QStringLiteral("94Z") << QStringLiteral("A");
}

void TestPasswordScrambler::ignoresOddLastDigit()
{
    QFETCH(QString, scrambled);
    QFETCH(QString, password);
    QCOMPARE(decoded(scrambled), password);
}

void TestPasswordScrambler::refusesNonHexPairs_data()
{
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("letter G") << QStringLiteral("9G");
    QTest::newRow("bad second pair") << QStringLiteral("94ZZA6");
    QTest::newRow("blank inside") << QStringLiteral("94 7");
    QTest::newRow("sign") << QStringLiteral("+4");
    QTest::newRow("full-width digit") << QString(QChar(0xFF11)) + QLatin1Char('4');
}

void TestPasswordScrambler::refusesNonHexPairs()
{
    QFETCH(QString, scrambled);
    QVERIFY(!PasswordScrambler::decode(scrambled).has_value());
}

void TestPasswordScrambler::usesOnlyLowEightBits()
{
    // U+0141 and 'A' (41) share their low byte, so they scramble alike and
    // the character cannot come back.
    const QString beyond = QString(QChar(0x0141)) + QLatin1Char('B');
    QCOMPARE(PasswordScrambler::encode(beyond), QStringLiteral("9457"));
    QCOMPARE(decoded(PasswordScrambler::encode(beyond)), QStringLiteral("AB"));
}

QTEST_APPLESS_MAIN(TestPasswordScrambler)
#include "tst_passwordscrambler.moc"
