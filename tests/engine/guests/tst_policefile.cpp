#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/PoliceFile.h"
#include "engine/guests/PoliceTableStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Stay)
Q_DECLARE_METATYPE(Guest)

namespace {

// Codes of the built-in tables.
const QString kRimini = QStringLiteral("408099014");        // RIMINI (RN)
const QString kOldRimini = QStringLiteral("408040519");     // RIMINI (FO), ceased 05/03/1992
const QString kBologna = QStringLiteral("408037006");       // BOLOGNA (BO)
const QString kMilano = QStringLiteral("403015146");        // MILANO (MI)
const QString kRoma = QStringLiteral("412058091");          // ROMA (RM)
const QString kItaly = QStringLiteral("100000100");
const QString kGermany = QStringLiteral("100000216");
const QString kCzechoslovakia = QStringLiteral("100000210"); // ceased 01/01/1993

// A police line built by hand: blanks, and each value written at the
// field's start and width as the portal's layout gives them.
class ExpectedLine
{
public:
    explicit ExpectedLine(int length = 168) : m_line(length, ' ') {}

    ExpectedLine &at(int start, int width, const QByteArray &value)
    {
        if (value.size() > width)
            qFatal("the value %s is wider than its field", value.constData());
        m_line.replace(start, value.size(), value);
        return *this;
    }

    // Born in that Italian comune, and an Italian citizen.
    ExpectedLine &italian(const QByteArray &comune, const QByteArray &province)
    {
        return at(105, 9, comune).at(114, 2, province).at(116, 9, "100000100").at(125, 9, "100000100");
    }

    QByteArray bytes() const { return m_line; }

private:
    QByteArray m_line;
};

// The columns every line opens with: the guest's type, the arrival, the
// nights, the surname, the name, the sex and the birth date.
ExpectedLine opening(const QByteArray &type, const QByteArray &arrival, const QByteArray &nights,
                     const QByteArray &surname, const QByteArray &name, const QByteArray &sex,
                     const QByteArray &birthDate, int length = 168)
{
    return ExpectedLine(length)
        .at(0, 2, type)
        .at(2, 10, arrival)
        .at(12, 2, nights)
        .at(14, 50, surname)
        .at(64, 30, name)
        .at(94, 1, sex)
        .at(95, 10, birthDate);
}

Guest guest(GuestType type, const QString &surname, const QString &name, QChar sex, QDate birthDate,
            const QString &birthPlace, const QString &citizenship)
{
    Guest g;
    g.type = type;
    g.surname = surname;
    g.name = name;
    g.sex = sex;
    g.birthDate = birthDate;
    g.birthPlace = birthPlace;
    g.citizenship = citizenship;
    return g;
}

Guest withDocument(Guest g, const QString &type, const QString &number, const QString &place)
{
    g.documentType = type;
    g.documentNumber = number;
    g.documentPlace = place;
    return g;
}

// A single Italian guest with an identity card, born in Rimini.
Guest rossi()
{
    return withDocument(guest(GuestType::Single, QStringLiteral("Rossi"), QStringLiteral("Nicolò"), u'M',
                              QDate(1980, 4, 12), kRimini, kItaly),
                        QStringLiteral("IDENT"), QStringLiteral("ca 1234567 ab"), kRimini);
}

// The Bianchi family, arriving on 28/07/2025 for 3 nights: Marco, the head,
// born in Bologna with a passport issued in Rome, and his son Luca, born in
// Rimini.
Guest marco()
{
    return withDocument(guest(GuestType::HeadOfFamily, QStringLiteral("Bianchi"), QStringLiteral("Marco"), u'M',
                              QDate(1975, 1, 2), kBologna, kItaly),
                        QStringLiteral("PASOR"), QStringLiteral("YA1234567"), kRoma);
}

Guest luca()
{
    return guest(GuestType::FamilyMember, QStringLiteral("Bianchi"), QStringLiteral("Luca"), u'm', QDate(2012, 6, 1),
                 kRimini, kItaly);
}

ExpectedLine marcoLine(int length = 168)
{
    return opening("17", "28/07/2025", "03", "BIANCHI", "MARCO", "1", "02/01/1975", length)
        .italian("408037006", "BO")
        .at(134, 5, "PASOR")
        .at(139, 20, "YA1234567")
        .at(159, 9, "412058091");
}

ExpectedLine lucaLine(int length = 168)
{
    return opening("19", "28/07/2025", "03", "BIANCHI", "LUCA", "1", "01/06/2012", length).italian("408099014", "RN");
}

Stay stay(QDate arrival, int nights, const QString &apartmentId = {})
{
    return Stay{arrival, nights, apartmentId};
}

} // namespace

class TestPoliceFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void singleGuest();
    void familyOfThree();
    void groupOfTwo();
    void guestBornAbroad();
    void apartmentId();
    void ceasedBirthComuneBeforeItsEnd();
    void longNamesCut();
    void refused_data();
    void refused();
    void writeReplacesTheFile();
    void writeFailureReported();
    void stayOfContract();
    void writeOnAFullDiskKeepsTheOldFile();
    void proposedFileName_data();
    void proposedFileName();

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::shared_ptr<const PoliceCodes> m_codes;
};

void TestPoliceFile::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_codes = PoliceTableStore::codes();
}

void TestPoliceFile::cleanup()
{
    m_codes.reset();
    m_platform.reset();
}

void TestPoliceFile::singleGuest()
{
    const PoliceFileResult result = PoliceFile::build(stay(QDate(2025, 8, 5), 7), {rossi()}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));
    const QByteArray expected = opening("16", "05/08/2025", "07", "ROSSI", "NICOLO'", "1", "12/04/1980")
                                    .italian("408099014", "RN")
                                    .at(134, 5, "IDENT")
                                    .at(139, 20, "CA1234567AB")
                                    .at(159, 9, "408099014")
                                    .bytes();
    QCOMPARE(result.bytes, expected);
    QCOMPARE(result.bytes.size(), 168);
}

void TestPoliceFile::familyOfThree()
{
    // A member's document, if the window kept one, is not the portal's
    // business: left out, and not checked.
    const Guest wife = withDocument(guest(GuestType::FamilyMember, QStringLiteral("Verdi"), QStringLiteral("Giulia"),
                                          u'F', QDate(1978, 11, 30), kMilano, kItaly),
                                    QStringLiteral("XXXXX"), QStringLiteral("123"), QStringLiteral("999"));

    const PoliceFileResult result =
        PoliceFile::build(stay(QDate(2025, 7, 28), 3), {marco(), wife, luca()}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));

    const QByteArray second =
        opening("19", "28/07/2025", "03", "VERDI", "GIULIA", "2", "30/11/1978").italian("403015146", "MI").bytes();
    QCOMPARE(result.bytes, marcoLine().bytes() + "\r\n" + second + "\r\n" + lucaLine().bytes());
}

void TestPoliceFile::groupOfTwo()
{
    const Guest head = withDocument(guest(GuestType::HeadOfGroup, QStringLiteral("Neri"), QStringLiteral("Paolo"), u'M',
                                          QDate(1990, 3, 3), kRoma, kItaly),
                                    QStringLiteral("PATEN"), QStringLiteral("RM5555555X"), kRoma);
    const Guest member = guest(GuestType::GroupMember, QStringLiteral("Gialli"), QStringLiteral("Sara"), u'F',
                               QDate(1991, 9, 9), kRoma, kItaly);
    const PoliceFileResult result = PoliceFile::build(stay(QDate(2025, 9, 1), 30), {head, member}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));
    const QList<QByteArray> lines = result.bytes.split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).left(14), QByteArray("1801/09/202530"));
    QCOMPARE(lines.at(1).left(14), QByteArray("2001/09/202530"));
    QCOMPARE(lines.at(1).mid(134), QByteArray(34, ' '));
}

void TestPoliceFile::guestBornAbroad()
{
    const Guest muller = withDocument(guest(GuestType::Single, QStringLiteral("Müller"), QStringLiteral("Jürgen"),
                                            u'M', QDate(1970, 6, 30), kGermany, kGermany),
                                      QStringLiteral("PASOR"), QStringLiteral("C01X00T47"), kGermany);
    const PoliceFileResult result = PoliceFile::build(stay(QDate(2025, 8, 16), 14), {muller}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));
    const QByteArray expected = opening("16", "16/08/2025", "14", "MULLER", "JURGEN", "1", "30/06/1970")
                                    // no comune, no province
                                    .at(116, 9, "100000216")
                                    .at(125, 9, "100000216")
                                    .at(134, 5, "PASOR")
                                    .at(139, 20, "C01X00T47")
                                    .at(159, 9, "100000216")
                                    .bytes();
    QCOMPARE(result.bytes, expected);
}

void TestPoliceFile::apartmentId()
{
    const PoliceFileResult result =
        PoliceFile::build(stay(QDate(2025, 7, 28), 3, QStringLiteral(" ab12 ")), {marco(), luca()}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));
    QCOMPARE(result.bytes, marcoLine(174).at(168, 6, "AB12").bytes() + "\r\n"
                               + lucaLine(174).at(168, 6, "AB12").bytes());
}

void TestPoliceFile::ceasedBirthComuneBeforeItsEnd()
{
    // Born in Rimini when it was in the province of Forlì: its old code.
    Guest g = rossi();
    g.birthDate = QDate(1992, 3, 4);
    g.birthPlace = kOldRimini;
    const PoliceFileResult result = PoliceFile::build(stay(QDate(2025, 8, 5), 7), {g}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));
    QCOMPARE(result.bytes.mid(95, 30), QByteArray("04/03/1992408040519FO100000100"));

    // A ceased state, too, for one born before it ended.
    g.birthPlace = kCzechoslovakia;
    g.birthDate = QDate(1985, 1, 1);
    const PoliceFileResult abroad = PoliceFile::build(stay(QDate(2025, 8, 5), 7), {g}, *m_codes);
    QVERIFY2(abroad.ok(), qPrintable(abroad.problems.join(QLatin1Char('\n'))));
    QCOMPARE(abroad.bytes.mid(105, 20), QByteArray("           100000210"));
}

void TestPoliceFile::longNamesCut()
{
    Guest g = rossi();
    const QString surname = QStringLiteral("Abcdefghij").repeated(5) + QStringLiteral("XYZ");  // 53 letters
    g.surname = surname;
    g.name = QStringLiteral("Maria Giovanna Benedetta Immacolata");  // 35 characters
    const PoliceFileResult result = PoliceFile::build(stay(QDate(2025, 8, 5), 7), {g}, *m_codes);
    QVERIFY2(result.ok(), qPrintable(result.problems.join(QLatin1Char('\n'))));
    QCOMPARE(result.bytes.size(), 168);
    QCOMPARE(result.bytes.mid(14, 50), surname.left(50).toUpper().toLatin1());
    QCOMPARE(result.bytes.mid(64, 30), QByteArray("MARIA GIOVANNA BENEDETTA IMMAC"));
    QCOMPARE(result.bytes.at(94), '1');
}

void TestPoliceFile::refused_data()
{
    QTest::addColumn<Stay>("stay");
    QTest::addColumn<QList<Guest>>("guests");
    QTest::addColumn<QStringList>("problems");

    const Stay august = stay(QDate(2025, 8, 5), 7);
    const QString who = QStringLiteral("Ospite 1 (ROSSI NICOLO'): ");

    Guest noDocument = rossi();
    noDocument.documentType.clear();
    noDocument.documentNumber = QStringLiteral(" - ");
    noDocument.documentPlace.clear();
    QTest::newRow("missing document") << august << QList<Guest>{noDocument}
                                      << QStringList{who + "manca il tipo di documento.",
                                                     who + "manca il numero del documento.",
                                                     who + "manca il luogo di rilascio del documento."};

    QTest::newRow("31 nights") << stay(QDate(2025, 8, 5), 31) << QList<Guest>{rossi()}
                               << QStringList{"Il portale non accetta soggiorni di più di 30 notti: questo è di 31."};
    QTest::newRow("no nights") << stay(QDate(2025, 8, 5), 0) << QList<Guest>{rossi()}
                               << QStringList{"Il soggiorno deve durare almeno una notte."};
    QTest::newRow("no arrival") << stay(QDate(), 2) << QList<Guest>{rossi()}
                                << QStringList{"Manca la data di arrivo."};
    QTest::newRow("no guests") << august << QList<Guest>{} << QStringList{"Non c'è nessun ospite."};
    QTest::newRow("apartment id too long") << stay(QDate(2025, 8, 5), 7, QStringLiteral("1234567"))
                                           << QList<Guest>{rossi()}
                                           << QStringList{"L'identificativo dell'appartamento \"1234567\" non è "
                                                          "valido: sono da 1 a 6 lettere o cifre."};

    Guest unknownBirth = rossi();
    unknownBirth.birthPlace = QStringLiteral("408099999");
    QTest::newRow("unknown birth place")
        << august << QList<Guest>{unknownBirth}
        << QStringList{who + "il luogo di nascita (codice 408099999) non è nelle tabelle della Questura."};

    Guest unknownDocument = rossi();
    unknownDocument.documentType = QStringLiteral("XXXXX");
    unknownDocument.documentPlace = QStringLiteral("1");
    QTest::newRow("unknown document type and place")
        << august << QList<Guest>{unknownDocument}
        << QStringList{who + "il tipo di documento \"XXXXX\" non è nelle tabelle della Questura.",
                       who + "il luogo di rilascio del documento (codice 1) non è nelle tabelle della Questura."};

    Guest longNumber = rossi();
    longNumber.documentNumber = QStringLiteral("123456789012345678901");
    QTest::newRow("document number too long") << august << QList<Guest>{longNumber}
                                              << QStringList{who + "il numero del documento supera i 20 caratteri."};

    Guest ceasedIssue = rossi();
    ceasedIssue.documentPlace = kOldRimini;
    QTest::newRow("document issued in a ceased comune")
        << august << QList<Guest>{ceasedIssue}
        << QStringList{who + "il luogo di rilascio del documento RIMINI (FO) non è più valido (cessato il 05/03/1992)."};

    Guest bornAfterEnd = rossi();
    bornAfterEnd.birthPlace = kOldRimini;
    bornAfterEnd.birthDate = QDate(1992, 3, 5);
    QTest::newRow("born in a comune already ceased")
        << august << QList<Guest>{bornAfterEnd}
        << QStringList{who + "il luogo di nascita RIMINI (FO) non esisteva più alla data di nascita "
                             "(cessato il 05/03/1992)."};

    Guest ceasedCitizenship = rossi();
    ceasedCitizenship.citizenship = kCzechoslovakia;
    QTest::newRow("ceased citizenship")
        << august << QList<Guest>{ceasedCitizenship}
        << QStringList{who + "la cittadinanza CECOSLOVACCHIA non è più valida (cessata il 01/01/1993)."};

    Guest comuneCitizenship = rossi();
    comuneCitizenship.citizenship = kRimini;
    QTest::newRow("citizenship of a comune")
        << august << QList<Guest>{comuneCitizenship}
        << QStringList{who + "la cittadinanza è quella di uno stato, non del comune RIMINI (RN)."};

    Guest unborn = rossi();
    unborn.birthDate = QDate(2025, 8, 6);
    QTest::newRow("born after the arrival")
        << august << QList<Guest>{unborn}
        << QStringList{who + "la data di nascita (06/08/2025) è successiva alla data di arrivo (05/08/2025)."};

    Guest anna = guest(GuestType::FamilyMember, QStringLiteral("Rossi"), QStringLiteral("Anna"), QChar(), QDate(), {}, {});
    Guest head = rossi();
    head.type = GuestType::HeadOfFamily;
    QTest::newRow("member's missing fields")
        << august << QList<Guest>{head, anna}
        << QStringList{"Ospite 2 (ROSSI ANNA): manca il sesso.", "Ospite 2 (ROSSI ANNA): manca la data di nascita.",
                       "Ospite 2 (ROSSI ANNA): manca il luogo di nascita.",
                       "Ospite 2 (ROSSI ANNA): manca la cittadinanza."};

    Guest nameless = rossi();
    nameless.surname = QStringLiteral("  ");
    nameless.name.clear();
    QTest::newRow("no names") << august << QList<Guest>{nameless}
                              << QStringList{"Ospite 1: manca il cognome.", "Ospite 1: manca il nome."};

    Guest cyrillic = rossi();
    cyrillic.name = QStringLiteral("Иван");
    QTest::newRow("name in another alphabet")
        << august << QList<Guest>{cyrillic}
        << QStringList{"Ospite 1 (ROSSI): il nome va scritto in lettere dell'alfabeto latino."};

    Guest member = guest(GuestType::FamilyMember, QStringLiteral("Rossi"), QStringLiteral("Anna"), u'F',
                         QDate(1982, 2, 2), kRimini, kItaly);
    QTest::newRow("member first") << august << QList<Guest>{member, head}
                                  << QStringList{"Ospite 1 (ROSSI ANNA): un familiare segue il suo capo famiglia, "
                                                 "che manca prima di lui."};

    Guest groupMember = member;
    groupMember.type = GuestType::GroupMember;
    QTest::newRow("member of the wrong kind")
        << august << QList<Guest>{head, groupMember}
        << QStringList{"Ospite 2 (ROSSI ANNA): è indicato come membro del gruppo, ma l'ospite 1 è un capo "
                       "famiglia: va indicato come familiare."};

    Guest groupHead = rossi();
    groupHead.type = GuestType::HeadOfGroup;
    QTest::newRow("family member of a group")
        << august << QList<Guest>{groupHead, member}
        << QStringList{"Ospite 2 (ROSSI ANNA): è indicato come familiare, ma l'ospite 1 è un capo gruppo: "
                       "va indicato come membro del gruppo."};

    QTest::newRow("second head") << august << QList<Guest>{groupHead, groupMember, groupHead}
                                 << QStringList{"Ospite 3 (ROSSI NICOLO'): c'è già un capo famiglia o capo gruppo, "
                                                "l'ospite 1: gli altri ospiti sono suoi familiari o membri del "
                                                "gruppo."};

    Guest otherSingle = rossi();
    otherSingle.name = QStringLiteral("Anna");
    const QString single = QStringLiteral("un ospite singolo alloggia da solo: chi alloggia con altri è capo "
                                          "famiglia o capo gruppo, oppure familiare o membro del gruppo.");
    QTest::newRow("single guest with others")
        << august << QList<Guest>{rossi(), otherSingle}
        << QStringList{"Ospite 1 (ROSSI NICOLO'): " + single, "Ospite 2 (ROSSI ANNA): " + single};

    Guest unknownType = rossi();
    unknownType.type = GuestType(21);
    QTest::newRow("unknown guest type") << august << QList<Guest>{unknownType}
                                        << QStringList{who + "il tipo di alloggiato (21) non è valido."};
}

void TestPoliceFile::refused()
{
    QFETCH(Stay, stay);
    QFETCH(QList<Guest>, guests);
    QFETCH(QStringList, problems);
    const PoliceFileResult result = PoliceFile::build(stay, guests, *m_codes);
    QVERIFY(!result.ok());
    QCOMPARE(result.problems, problems);
    QVERIFY(result.bytes.isEmpty());
}

void TestPoliceFile::writeReplacesTheFile()
{
    const QString path = m_platform->filePath(QStringLiteral("Schedine.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.write(QByteArray(500, 'x')) == 500);
    }
    const PoliceFileResult result = PoliceFile::build(stay(QDate(2025, 8, 5), 7), {rossi()}, *m_codes);
    QVERIFY(result.ok());
    QVERIFY(PoliceFile::write(path, result.bytes));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), result.bytes);
    // Nothing left beside it.
    QCOMPARE(QDir(m_platform->folder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Schedine.txt")});
}

void TestPoliceFile::writeFailureReported()
{
    LogCapture log;
    const QString path = m_platform->filePath(QStringLiteral("manca/Schedine.txt"));
    QVERIFY(!PoliceFile::write(path, "16"));
    QVERIFY(!QFile::exists(path));
    const QStringList logged = log.messages(QStringLiteral("vacanzio.guests"));
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged.first().contains(path), qPrintable(logged.first()));
}

void TestPoliceFile::stayOfContract()
{
    Record contract(RecordLayouts::contratto());
    QVERIFY(!PoliceFile::nightsOf(contract));
    const Stay none = PoliceFile::stayOf(m_platform->programFolder(), contract);
    QVERIFY(!none.arrival.isValid());
    QCOMPARE(none.nights, 0);
    QVERIFY(none.apartmentId.isEmpty());

    contract.setValue(QStringLiteral("InizioCon"), QStringLiteral("28/07/2025"));
    QVERIFY(!PoliceFile::nightsOf(contract));
    contract.setValue(QStringLiteral("FineCon"), QStringLiteral("31/07/2025"));
    QCOMPARE(PoliceFile::nightsOf(contract).value_or(-1), 3);
    const Stay stay = PoliceFile::stayOf(m_platform->programFolder(), contract);
    QCOMPARE(stay.arrival, QDate(2025, 7, 28));
    QCOMPARE(stay.nights, 3);
}

void TestPoliceFile::writeOnAFullDiskKeepsTheOldFile()
{
    const QString path = m_platform->filePath(QStringLiteral("Schedine.txt"));
    QVERIFY(PoliceFile::write(path, "16"));
    {
        // The disk fills after 100 bytes of the new file.
        FileSizeLimit diskFull(100);
        QVERIFY(diskFull.isActive());
        QVERIFY(!PoliceFile::write(path, QByteArray(500, 'x')));
    }
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("16"));
    QCOMPARE(QDir(m_platform->folder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Schedine.txt")});
}

void TestPoliceFile::proposedFileName_data()
{
    QTest::addColumn<QDate>("arrival");
    QTest::addColumn<QString>("tenant");
    QTest::addColumn<QString>("name");

    QTest::newRow("tenant") << QDate(2025, 8, 5) << " ROSSI MARIO " << "Schedine 05-08-2025 ROSSI MARIO.txt";
    QTest::newRow("characters a name cannot hold") << QDate(2025, 12, 31) << "A/B: C?" << "Schedine 31-12-2025 A_B_ C_.txt";
    QTest::newRow("no tenant") << QDate(2026, 1, 2) << "" << "Schedine 02-01-2026.txt";
    QTest::newRow("accents kept") << QDate(2026, 1, 2) << "NICOLÒ" << "Schedine 02-01-2026 NICOLÒ.txt";
}

void TestPoliceFile::proposedFileName()
{
    QFETCH(QDate, arrival);
    QFETCH(QString, tenant);
    QFETCH(QString, name);
    QCOMPARE(PoliceFile::proposedFileName(arrival, tenant), name);
}

QTEST_GUILESS_MAIN(TestPoliceFile)
#include "tst_policefile.moc"
