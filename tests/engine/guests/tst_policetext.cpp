#include "engine/guests/PoliceText.h"

#include <QTest>

class TestPoliceText : public QObject
{
    Q_OBJECT
private slots:
    void letters_data();
    void letters();
    void documentNumber_data();
    void documentNumber();
    void hasLetter();
};

void TestPoliceText::letters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("plain, lower case") << "rossi" << "ROSSI";
    QTest::newRow("grave on the last vowel") << "Nicolò" << "NICOLO'";
    QTest::newRow("capital E grave") << "È" << "E'";
    QTest::newRow("small a grave") << "à" << "A'";
    QTest::newRow("acute accents") << "Perché García" << "PERCHE' GARCI'A";
    QTest::newRow("every Italian accented vowel") << "àèéìòù" << "A'E'E'I'O'U'";
    QTest::newRow("umlaut lost") << "Müller" << "MULLER";
    QTest::newRow("cedilla lost") << "Çelik François" << "CELIK FRANCOIS";
    QTest::newRow("tilde lost") << "Ñúñez" << "NU'NEZ";
    QTest::newRow("circumflex and ring lost") << "Jérôme Ångström" << "JE'ROME ANGSTROM";
    QTest::newRow("caron lost") << "Dvořák" << "DVORA'K";
    QTest::newRow("sharp s") << "Strauß" << "STRAUSS";
    QTest::newRow("ae ligature") << "Ærø" << "AERO";
    QTest::newRow("oe ligature") << "Œuvre cœur" << "OEUVRE COEUR";
    QTest::newRow("o with stroke") << "Søren Ø" << "SOREN O";
    QTest::newRow("Polish l with stroke") << "Łukasz Wałęsa" << "LUKASZ WALESA";
    QTest::newRow("apostrophe stays") << "D'Angelo" << "D'ANGELO";
    QTest::newRow("typographic apostrophe") << "D’Angelo" << "D'ANGELO";
    QTest::newRow("accent typed apart (decomposed)") << QStringLiteral("Nicolo\u0300") << "NICOLO'";
    QTest::newRow("hyphen becomes a blank") << "Rossi-Bianchi" << "ROSSI BIANCHI";
    QTest::newRow("digits become blanks") << "Anna 2" << "ANNA";
    QTest::newRow("digits inside") << "Ann4a" << "ANN A";
    QTest::newRow("blanks squeezed and trimmed") << "  Maria   Luisa\t" << "MARIA LUISA";
    QTest::newRow("punctuation") << "S. Vincent & Co." << "S VINCENT CO";
    QTest::newRow("another alphabet") << "Иван" << "";
    QTest::newRow("outside the basic plane") << QStringLiteral("A\U0001F600B") << "A B";
    QTest::newRow("empty") << "" << "";
}

void TestPoliceText::letters()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString result = PoliceText::letters(typed);
    QCOMPARE(result, written);
    for (QChar c : result)
        QVERIFY2(c.unicode() >= 32 && c.unicode() < 127, qPrintable(result));
}

void TestPoliceText::documentNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("letters and digits") << "ca12345ab" << "CA12345AB";
    QTest::newRow("blanks and dashes left out") << " CA 12345-AB " << "CA12345AB";
    QTest::newRow("slash left out") << "AB/123" << "AB123";
    QTest::newRow("accented letter, no apostrophe") << "É123" << "E123";
    QTest::newRow("umlaut") << "Ü12" << "U12";
    QTest::newRow("nothing usable") << " - / " << "";
}

void TestPoliceText::documentNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QCOMPARE(PoliceText::documentNumber(typed), written);
}

void TestPoliceText::hasLetter()
{
    QVERIFY(PoliceText::hasLetter(QStringLiteral("O'")));
    QVERIFY(!PoliceText::hasLetter(QStringLiteral("'")));
    QVERIFY(!PoliceText::hasLetter(QString()));
}

QTEST_APPLESS_MAIN(TestPoliceText)
#include "tst_policetext.moc"
