#include "ArchiveFixture.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/guests/FirstGuest.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The tenant proposed as the first guest of a new list.
class TestFirstGuest : public QObject
{
    Q_OBJECT
private slots:
    void proposal_data();
    void proposal();
    void sexFromFiscalCode_data();
    void sexFromFiscalCode();
    void tenantCardByFiscalCode();
};

namespace {

Record contractWith(const QList<QPair<QString, QString>> &fields)
{
    Record record(RecordLayouts::contratto());
    for (const auto &[name, value] : fields)
        record.setValue(name, value);
    return record;
}

// The code tables in miniature: two comuni and a state.
QString placeCode(const QString &name, const QString &province)
{
    if (name == QLatin1String("RIMINI") && province == QLatin1String("RN"))
        return QStringLiteral("408099014");
    if (name == QLatin1String("BOLOGNA") && province == QLatin1String("BO"))
        return QStringLiteral("408037006");
    if (name == QLatin1String("GERMANIA") && province == QLatin1String("EE"))
        return QStringLiteral("100000216");
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(Guest)

void TestFirstGuest::proposal_data()
{
    QTest::addColumn<Record>("contract");
    QTest::addColumn<bool>("withCard");
    QTest::addColumn<Guest>("expected");

    const Record full = contractWith({{"Conduttore", "ROSSI MARIO ANTONIO"}, {"CodFiscCon", "RSSMRA80E17H294X"},
                                      {"LuogoNascCon", "RIMINI"}, {"ProvNascCon", "RN"},
                                      {"DataNascCon", "17/05/1980"}, {"ComuneRes", "BOLOGNA"}, {"ProvRes", "BO"}});
    Guest mario;
    mario.surname = QStringLiteral("ROSSI");
    mario.name = QStringLiteral("MARIO ANTONIO");
    mario.sex = QLatin1Char('M');
    mario.birthDate = QDate(1980, 5, 17);
    mario.birthPlace = QStringLiteral("408099014");
    mario.residence = QStringLiteral("408037006");
    mario.citizenship = QStringLiteral("100000100");
    QTest::newRow("contract alone") << full << false << mario;

    // The card says F although the code is a man's: the card wins.
    Guest fromCard = mario;
    fromCard.sex = QLatin1Char('F');
    QTest::newRow("card's sex") << full << true << fromCard;

    const Record abroad = contractWith({{"Conduttore", "MULLER"}, {"CodFiscCon", "MLLHNS80A57Z112K"},
                                        {"LuogoNascCon", "GERMANIA"}, {"ProvNascCon", "EE"}});
    Guest muller;
    muller.surname = QStringLiteral("MULLER");
    muller.sex = QLatin1Char('F');
    muller.birthPlace = QStringLiteral("100000216");
    // Date and residence from the card, which the contract lacks.
    muller.birthDate = QDate(1980, 5, 17);
    muller.residence = QStringLiteral("408037006");
    QTest::newRow("born abroad, one word, filled from the card") << abroad << true << muller;
}

void TestFirstGuest::proposal()
{
    QFETCH(Record, contract);
    QFETCH(bool, withCard);
    QFETCH(Guest, expected);
    std::optional<Record> card;
    if (withCard) {
        card = Record(RecordLayouts::conduttore());
        card->setValue(QStringLiteral("SessoCon"), QStringLiteral("F"));
        card->setValue(QStringLiteral("DataNascCon"), QStringLiteral("17/05/1980"));
        card->setValue(QStringLiteral("ComuneRes"), QStringLiteral("BOLOGNA"));
        card->setValue(QStringLiteral("ProvRes"), QStringLiteral("BO"));
    }
    QCOMPARE(FirstGuest::fromContract(contract, card, &placeCode), expected);
}

void TestFirstGuest::sexFromFiscalCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("sex");
    QTest::newRow("man") << "RSSMRA80E17H294X" << "M";
    QTest::newRow("woman") << "rssmra80e57h294x" << "F";
    QTest::newRow("day 41") << "RSSMRA80E41H294X" << "F";
    QTest::newRow("day 32") << "RSSMRA80E32H294X" << "";
    QTest::newRow("short") << "RSSMRA80E17" << "";
    QTest::newRow("letters in the day") << "RSSMRA80EA7H294X" << "";
}

void TestFirstGuest::sexFromFiscalCode()
{
    QFETCH(QString, code);
    QFETCH(QString, sex);
    const QChar found = FirstGuest::sexFromFiscalCode(code);
    QCOMPARE(found.isNull() ? QString() : QString(found), sex);
}

void TestFirstGuest::tenantCardByFiscalCode()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const RecordLayout &tenants = RecordLayouts::conduttore();
    QVERIFY(ArchiveFixture::write(QDir(folder.path()).filePath(tenants.archiveName()),
                                  {ArchiveFixture::record(tenants, {{"Conduttore", "ALTRO"}, {"CodFiscCon", "BNCNNA70A41F205X"}}),
                                   ArchiveFixture::record(tenants, {{"Conduttore", "ROSSI"}, {"CodFiscCon", "RSSMRA80E17H294X"}, {"SessoCon", "M"}}),
                                   ArchiveFixture::record(tenants, {{"Conduttore", "ROSSI NUOVO"}, {"CodFiscCon", "rssmra80e17h294x"}})}));
    const std::optional<Record> card = FirstGuest::tenantCard(folder.path(), QStringLiteral(" RSSMRA80E17H294X "));
    QVERIFY(card);
    // The last of the cards with that code.
    QCOMPARE(card->value(QStringLiteral("Conduttore")), QStringLiteral("ROSSI NUOVO"));
    QVERIFY(!FirstGuest::tenantCard(folder.path(), QStringLiteral("XXXXXX00X00X000X")));
    QVERIFY(!FirstGuest::tenantCard(folder.path(), QString()));
}

QTEST_GUILESS_MAIN(TestFirstGuest)
#include "tst_firstguest.moc"
