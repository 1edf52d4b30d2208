#include "engine/text/Cp1252.h"
#include "engine/archive/ShortStringField.h"
#include "engine/text/TextRules.h"

#include <QTest>

class TestShortStringField : public QObject
{
    Q_OBJECT
private slots:
    void store_data();
    void store();
    void load_data();
    void load();
    void fieldBytes_data();
    void fieldBytes();
    void trimmedBytesDecodeToTheTrimmedText();
    void codecRoundTrip();
    void textRules();
};

void TestShortStringField::store_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << "ROSSI" << 8 << QByteArray("\x05ROSSI\0\0\0", 9);
    QTest::newRow("trimmed both ends") << " \t ROSSI \r\n" << 8 << QByteArray("\x05ROSSI\0\0\0", 9);
    QTest::newRow("blanks only") << "     " << 3 << QByteArray("\0\0\0\0", 4);
    QTest::newRow("cut to capacity") << "ABCDEFGHIJ" << 4 << QByteArray("\x04" "ABCD", 5);
    QTest::newRow("exactly capacity") << "ABCD" << 4 << QByteArray("\x04" "ABCD", 5);
    QTest::newRow("accented") << QString::fromUtf8("Forlì") << 6 << QByteArray("\x05" "Forl\xEC\0", 7);
    QTest::newRow("euro sign") << QString::fromUtf8("10 €") << 5 << QByteArray("\x04" "10 \x80\0", 6);
    QTest::newRow("unrepresentable") << QString::fromUtf8("Ωx") << 3 << QByteArray("\x02?x\0", 4);
    QTest::newRow("outside BMP is one ?") << QString::fromUtf8("a😀b") << 3 << QByteArray("\x03" "a?b", 4);
    QTest::newRow("250 characters") << QString(260, QLatin1Char('n')) << 250
                                    << (QByteArray(1, char(250)) + QByteArray(250, 'n'));
}

void TestShortStringField::store()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ShortStringField::store(text, capacity), bytes);
}

void TestShortStringField::load_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain, garbage after the length ignored") << QByteArray("\x03" "ABCxyz", 7) << 6 << "ABC";
    QTest::newRow("empty") << QByteArray("\0zzzz", 5) << 4 << "";
    QTest::newRow("blanks trimmed on load") << QByteArray("\x05  AB ", 6) << 5 << "AB";
    QTest::newRow("windows-1252") << QByteArray("\x06" "Citt\xE0\x99", 7) << 6 << QString::fromUtf8("Città™");
    // A damaged length byte: read as the capacity, never past the field.
    QTest::newRow("length beyond capacity") << QByteArray("\xFF" "ABCD" "NEXT", 9) << 4 << "ABCD";
}

void TestShortStringField::load()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QCOMPARE(ShortStringField::load(field.constData(), capacity), text);
}

void TestShortStringField::fieldBytes_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("trimmed");
    QTest::newRow("plain, garbage after the length ignored")
        << QByteArray("\x03" "ABCxyz", 7) << 6 << QByteArray("ABC") << QByteArray("ABC");
    QTest::newRow("empty") << QByteArray("\0zzzz", 5) << 4 << QByteArray() << QByteArray();
    QTest::newRow("blanks and control bytes around")
        << QByteArray("\x07\t A B\r\n\0", 8) << 7 << QByteArray("\t A B\r\n\0", 7) << QByteArray("A B");
    QTest::newRow("blanks only") << QByteArray("\x03   ", 4) << 3 << QByteArray("   ") << QByteArray();
    // Bytes above 32 stay, the no-break space (160) and the euro (128)
    // included.
    QTest::newRow("high bytes at the ends")
        << QByteArray("\x04\xA0" "AB\x80", 5) << 4 << QByteArray("\xA0" "AB\x80") << QByteArray("\xA0" "AB\x80");
    // A damaged length byte: read as the capacity, never past the field.
    QTest::newRow("length beyond capacity")
        << QByteArray("\xFF" " ABC" "NEXT", 9) << 4 << QByteArray(" ABC") << QByteArray("ABC");
    QTest::newRow("length beyond capacity, blanks to the end")
        << QByteArray("\xFF" "AB  " "NEXT", 9) << 4 << QByteArray("AB  ") << QByteArray("AB");
}

void TestShortStringField::fieldBytes()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, trimmed);
    QCOMPARE(ShortStringField::storedBytes(field.constData(), capacity).toByteArray(), stored);
    QCOMPARE(ShortStringField::trimmedBytes(field.constData(), capacity).toByteArray(), trimmed);
    // Both are views into the field itself.
    const QByteArrayView view = ShortStringField::trimmedBytes(field.constData(), capacity);
    QVERIFY(view.isEmpty()
            || (view.data() > field.constData() && view.data() + view.size() <= field.constData() + 1 + capacity));
}

void TestShortStringField::trimmedBytesDecodeToTheTrimmedText()
{
    // Every byte at either end of a field: trimming the bytes and then
    // decoding them gives what decoding and then trimming gives.
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QByteArray field = QByteArray(1, char(5)) + byte + "x y" + byte;
        const QByteArrayView stored = ShortStringField::storedBytes(field.constData(), 5);
        const QByteArrayView trimmed = ShortStringField::trimmedBytes(field.constData(), 5);
        QCOMPARE(Cp1252::decode(trimmed.data(), trimmed.size()),
                 TextRules::trimmed(Cp1252::decode(stored.data(), stored.size())));
    }
}

void TestShortStringField::codecRoundTrip()
{
    QByteArray every;
    for (int b = 0; b < 256; ++b)
        every.append(static_cast<char>(b));
    QCOMPARE(Cp1252::encode(Cp1252::decode(every)), every);
}

void TestShortStringField::textRules()
{
    QCOMPARE(TextRules::trimmed(QStringLiteral("\x01\x1f a b \x20")), QStringLiteral("a b"));
    QCOMPARE(TextRules::upperAscii(QString::fromUtf8("rm è z")), QString::fromUtf8("RM è Z"));
    QCOMPARE(TextRules::lowerAscii(QString::fromUtf8("ABC È")), QString::fromUtf8("abc È"));
    QVERIFY(TextRules::equalsIgnoringAsciiCase(QStringLiteral("Accesso"), QStringLiteral("ACCESSO")));
    QVERIFY(!TextRules::equalsIgnoringAsciiCase(QString::fromUtf8("è"), QString::fromUtf8("È")));
    QVERIFY(TextRules::isDigitsOnly(QStringLiteral("0123456789")));
    QVERIFY(!TextRules::isDigitsOnly(QStringLiteral("")));
    QVERIFY(!TextRules::isDigitsOnly(QStringLiteral("12a")));
}

QTEST_APPLESS_MAIN(TestShortStringField)
#include "tst_shortstringfield.moc"
