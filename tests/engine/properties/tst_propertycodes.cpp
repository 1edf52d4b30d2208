#include "ArchiveFixture.h"
#include "TestFiles.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/properties/PropertyCodes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace PropertyCodes;

namespace {

constexpr int kCodesSize = 145;

QByteArray landlord(const QByteArray &name, const QByteArray &fiscalCode, const QByteArray &comune,
                    const QByteArray &via, const QByteArray &scala = {}, const QByteArray &interno = {})
{
    return ArchiveFixture::record(RecordLayouts::locatore(), {
        {QStringLiteral("Locatore"), name},
        {QStringLiteral("CodFiscLoc"), fiscalCode},
        {QStringLiteral("ComuneImm"), comune},
        {QStringLiteral("ViaImm"), via},
        {QStringLiteral("Scala"), scala},
        {QStringLiteral("Interno"), interno},
    });
}

const Owner kRossi{QStringLiteral("RSSMRA70A01G478X"), QStringLiteral("ROSSI MARIO")};
const Owner kVerdi{QStringLiteral("VRDLGU60B02D612Y"), QStringLiteral("VERDI LUIGI")};
const Codes kCodes{QStringLiteral("IT054039C2ABCD1234"), QStringLiteral("054039-CAV-00012"), QStringLiteral("A12")};

} // namespace

class TestPropertyCodes : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void layoutOfTheFile();
    void validCin_data();
    void validCin();
    void savedCodesComeBack();
    void ownerIsComparedTrimmedAndCaseBlind();
    void positionsBeforeGetEmptyRecords();
    void overwrittenLandlordRecordLeavesTheCodesBehind();
    void emptiedCodesAreNone();
    void damagedTailIsNeverRead();
    void lookingCreatesNoFile();
    void findForProperty_data();
    void findForProperty();
    void findGivesTheLatestLinkedCard();
    void unreadableFilesGiveNothing();

private:
    QString folder() const { return m_dir->path() + QLatin1Char('/'); }
    QString landlords() const { return folder() + QStringLiteral("Archivio_Locatori.pro"); }
    QString codesFile() const { return folder() + QStringLiteral("Codici_Immobili.dat"); }

    std::optional<QTemporaryDir> m_dir;
};

void TestPropertyCodes::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestPropertyCodes::layoutOfTheFile()
{
    const RecordLayout &codes = layout();
    QCOMPARE(codes.archiveName(), QStringLiteral("Codici_Immobili.dat"));
    QCOMPARE(codes.recordSize(), kCodesSize);
    const QList<std::tuple<QString, int, int>> fields = {
        {"CodFiscLoc", 16, 0}, {"Locatore", 50, 17}, {"CIN", 18, 68}, {"CodiceRegionale", 50, 87},
        {"IdAppartamento", 6, 138},
    };
    QCOMPARE(codes.fieldCount(), fields.size());
    for (int i = 0; i < codes.fieldCount(); ++i) {
        QCOMPARE(codes.name(i), std::get<0>(fields.at(i)));
        QCOMPARE(codes.capacity(i), std::get<1>(fields.at(i)));
        QCOMPARE(codes.offset(i), std::get<2>(fields.at(i)));
    }
    // The copies hold what the landlord record's fields can hold.
    const RecordLayout &landlord = RecordLayouts::locatore();
    for (const QString name : {QStringLiteral("CodFiscLoc"), QStringLiteral("Locatore")})
        QCOMPARE(codes.capacity(codes.indexOf(name)), landlord.capacity(landlord.indexOf(name)));
}

void TestPropertyCodes::validCin_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("stored");

    QTest::newRow("valid") << "IT054039C2ABCD1234" << true << "IT054039C2ABCD1234";
    QTest::newRow("lower case turned upper") << "it054039c2abcd1234" << true << "IT054039C2ABCD1234";
    QTest::newRow("blanks around") << "  IT054039C2ABCD1234\t" << true << "IT054039C2ABCD1234";
    QTest::newRow("shortest") << "IT1" << true << "IT1";
    QTest::newRow("none") << "   " << true << "";
    QTest::newRow("prefix alone") << "IT" << false << "";
    QTest::newRow("wrong prefix") << "FR054039C2ABCD1234" << false << "";
    QTest::newRow("prefix not first") << "054039ITC2ABCD1234" << false << "";
    QTest::newRow("too long") << "IT054039C2ABCD12345" << false << "";
    QTest::newRow("hyphen") << "IT054039-C2ABCD12" << false << "";
    QTest::newRow("blank inside") << "IT 054039C2ABCD12" << false << "";
    QTest::newRow("full stop") << "IT054039.C2" << false << "";
    QTest::newRow("accented letter") << QString::fromUtf8("IT054039CÈABCD12") << false << "";
}

void TestPropertyCodes::validCin()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(QString, stored);
    const std::optional<QString> cin = PropertyCodes::validCin(typed);
    QCOMPARE(cin.has_value(), valid);
    if (valid)
        QCOMPARE(*cin, stored);
}

void TestPropertyCodes::savedCodesComeBack()
{
    QVERIFY(save(folder(), 1, kRossi, kCodes));
    const QByteArray bytes = TestFiles::read(codesFile());
    QCOMPARE(bytes.size(), kCodesSize);
    QCOMPARE(bytes.mid(0, 17), QByteArray("\x10RSSMRA70A01G478X"));
    QCOMPARE(bytes.mid(17, 12), QByteArray("\x0bROSSI MARIO"));
    QCOMPARE(bytes.mid(68, 19), QByteArray("\x12IT054039C2ABCD1234"));
    QCOMPARE(bytes.mid(87, 17), QByteArray("\x10" "054039-CAV-00012"));
    QCOMPARE(bytes.mid(138, 4), QByteArray("\x03" "A12"));

    const std::optional<Stored> stored = load(folder(), 1, kRossi);
    QVERIFY(stored);
    QCOMPARE(stored->link, Link::Valid);
    QCOMPARE(stored->codes, kCodes);

    // Saved again over themselves: still one record.
    const Codes changed{kCodes.cin, QString(), QStringLiteral("B7")};
    QVERIFY(save(folder(), 1, kRossi, changed));
    QCOMPARE(TestFiles::read(codesFile()).size(), kCodesSize);
    QCOMPARE(load(folder(), 1, kRossi)->codes, changed);
}

void TestPropertyCodes::ownerIsComparedTrimmedAndCaseBlind()
{
    QVERIFY(save(folder(), 1, kRossi, kCodes));
    const std::optional<Stored> stored
        = load(folder(), 1, {QStringLiteral(" rssmra70a01g478x"), QStringLiteral("Rossi Mario  ")});
    QVERIFY(stored);
    QCOMPARE(stored->link, Link::Valid);
    QCOMPARE(stored->codes, kCodes);
}

void TestPropertyCodes::positionsBeforeGetEmptyRecords()
{
    QVERIFY(save(folder(), 3, kRossi, kCodes));
    QCOMPARE(TestFiles::read(codesFile()).size(), 3 * kCodesSize);
    for (qint64 position : {1, 2}) {
        const std::optional<Stored> stored = load(folder(), position, kRossi);
        QVERIFY(stored);
        QCOMPARE(stored->link, Link::None);
        QVERIFY(stored->codes.isEmpty());
    }
    QCOMPARE(load(folder(), 3, kRossi)->link, Link::Valid);
    QCOMPARE(load(folder(), 4, kRossi)->link, Link::None);
    QVERIFY(save(folder(), 1, kVerdi, kCodes));
    QCOMPARE(TestFiles::read(codesFile()).size(), 3 * kCodesSize);
    QCOMPARE(load(folder(), 3, kRossi)->codes, kCodes);
}

void TestPropertyCodes::overwrittenLandlordRecordLeavesTheCodesBehind()
{
    QVERIFY(ArchiveFixture::write(landlords(), {landlord("ROSSI MARIO", "RSSMRA70A01G478X", "Perugia", "Via Roma 3")}));
    std::optional<Record> card = landlordRecord(folder(), 1);
    QVERIFY(card);
    QVERIFY(save(folder(), 1, ownerOf(*card), kCodes));
    QCOMPARE(PropertyCodes::findForProperty(folder(), "Perugia", "Via Roma 3", "", "")->cin, kCodes.cin);

    // The card is written over with another landlord, of the same property.
    QVERIFY(ArchiveFixture::write(landlords(), {landlord("VERDI LUIGI", "VRDLGU60B02D612Y", "Perugia", "Via Roma 3")}));
    card = landlordRecord(folder(), 1);
    QVERIFY(card);
    const std::optional<Stored> stored = load(folder(), 1, ownerOf(*card));
    QVERIFY(stored);
    QCOMPARE(stored->link, Link::Stale);
    QVERIFY(stored->codes.isEmpty());
    QCOMPARE(stored->previousOwner.name, QStringLiteral("ROSSI MARIO"));
    QVERIFY(!PropertyCodes::findForProperty(folder(), "Perugia", "Via Roma 3", "", ""));

    // The same name with another fiscal code is another landlord too.
    const std::optional<Stored> namesake
        = load(folder(), 1, {QStringLiteral("RSSMRA80A01G478Z"), QStringLiteral("ROSSI MARIO")});
    QCOMPARE(namesake->link, Link::Stale);
    // Codes saved for the new landlord take the old ones' place.
    QVERIFY(save(folder(), 1, ownerOf(*card), {QStringLiteral("IT1"), {}, {}}));
    QCOMPARE(load(folder(), 1, ownerOf(*card))->link, Link::Valid);
    QCOMPARE(load(folder(), 1, kRossi)->link, Link::Stale);
}

void TestPropertyCodes::emptiedCodesAreNone()
{
    QVERIFY(save(folder(), 1, kRossi, kCodes));
    QVERIFY(save(folder(), 1, kRossi, {}));
    QCOMPARE(load(folder(), 1, kRossi)->link, Link::None);
    QCOMPARE(load(folder(), 1, kVerdi)->link, Link::None);
}

void TestPropertyCodes::damagedTailIsNeverRead()
{
    // A record cut short, as a crash halfway through an append leaves it:
    // the codes it begins with are never given.
    QVERIFY(save(folder(), 1, kVerdi, kCodes));
    QVERIFY(save(folder(), 2, kRossi, kCodes));
    QByteArray bytes = TestFiles::read(codesFile());
    bytes.chop(40);
    QVERIFY(ArchiveFixture::write(codesFile(), {bytes}));
    const std::optional<Stored> stored = load(folder(), 2, kRossi);
    QVERIFY(stored);
    QCOMPARE(stored->link, Link::None);
    QCOMPARE(load(folder(), 1, kVerdi)->codes, kCodes);

    // The next save writes a whole record over the fragment.
    const Codes others{QStringLiteral("IT99"), QString(), QString()};
    QVERIFY(save(folder(), 2, kRossi, others));
    QCOMPARE(TestFiles::read(codesFile()).size(), 2 * kCodesSize);
    QCOMPARE(load(folder(), 2, kRossi)->codes, others);

    // Or, saved further on, empty records over it.
    bytes = TestFiles::read(codesFile());
    bytes.chop(40);
    QVERIFY(ArchiveFixture::write(codesFile(), {bytes}));
    QVERIFY(save(folder(), 4, kVerdi, others));
    QCOMPARE(TestFiles::read(codesFile()).size(), 4 * kCodesSize);
    QCOMPARE(load(folder(), 2, kRossi)->link, Link::None);
    QCOMPARE(load(folder(), 3, kRossi)->link, Link::None);
    QCOMPARE(load(folder(), 4, kVerdi)->codes, others);
}

void TestPropertyCodes::lookingCreatesNoFile()
{
    QVERIFY(ArchiveFixture::write(landlords(), {landlord("ROSSI MARIO", "RSSMRA70A01G478X", "Perugia", "Via Roma 3")}));
    const std::optional<Stored> stored = load(folder(), 1, kRossi);
    QVERIFY(stored);
    QCOMPARE(stored->link, Link::None);
    QVERIFY(!PropertyCodes::findForProperty(folder(), "Perugia", "Via Roma 3", "", ""));
    QVERIFY(!QFile::exists(codesFile()));
}

void TestPropertyCodes::findForProperty_data()
{
    QTest::addColumn<QString>("comune");
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("scala");
    QTest::addColumn<QString>("interno");
    QTest::addColumn<QString>("cin");  // empty: nothing found

    QTest::newRow("as on the card") << "Perugia" << "Via Roma 3" << "B" << "4" << "IT1111";
    QTest::newRow("case and blanks") << " PERUGIA" << "via roma 3 " << " b" << "4\t" << "IT1111";
    QTest::newRow("another flat") << "Perugia" << "Via Roma 3" << "B" << "5" << "IT2222";
    QTest::newRow("another staircase") << "Perugia" << "Via Roma 3" << "A" << "4" << "";
    QTest::newRow("a card without codes") << "Assisi" << "Via Roma 3" << "B" << "4" << "";
    QTest::newRow("no card") << "Todi" << "Corso Cavour 1" << "" << "" << "";
    QTest::newRow("no address") << "" << "" << "B" << "4" << "";
}

void TestPropertyCodes::findForProperty()
{
    QFETCH(QString, comune);
    QFETCH(QString, via);
    QFETCH(QString, scala);
    QFETCH(QString, interno);
    QFETCH(QString, cin);

    QVERIFY(ArchiveFixture::write(landlords(), {
        landlord("ROSSI MARIO", "RSSMRA70A01G478X", "Perugia", "Via Roma 3", "B", "4"),
        landlord("ROSSI MARIO", "RSSMRA70A01G478X", "Perugia", "Via Roma 3", "B", "5"),
        landlord("VERDI LUIGI", "VRDLGU60B02D612Y", "Assisi", "Via Roma 3", "B", "4"),
        landlord("", "", "", "", "B", "4"),
    }));
    QVERIFY(save(folder(), 1, kRossi, {QStringLiteral("IT1111"), {}, QStringLiteral("1")}));
    QVERIFY(save(folder(), 2, kRossi, {QStringLiteral("IT2222"), {}, QStringLiteral("2")}));
    // Codes of another landlord at the Assisi card's position.
    QVERIFY(save(folder(), 3, kRossi, {QStringLiteral("IT3333"), {}, {}}));
    // And at the card with no address.
    QVERIFY(save(folder(), 4, {}, {QStringLiteral("IT4444"), {}, {}}));

    const std::optional<Codes> found = PropertyCodes::findForProperty(folder(), comune, via, scala, interno);
    QCOMPARE(found.has_value(), !cin.isEmpty());
    if (found)
        QCOMPARE(found->cin, cin);
}

void TestPropertyCodes::findGivesTheLatestLinkedCard()
{
    // The property passed from one landlord to another: both cards stay in
    // the archive, the later one counts; a still later card without codes
    // does not hide them.
    QVERIFY(ArchiveFixture::write(landlords(), {
        landlord("ROSSI MARIO", "RSSMRA70A01G478X", "Perugia", "Via Roma 3"),
        landlord("VERDI LUIGI", "VRDLGU60B02D612Y", "Perugia", "Via Roma 3"),
        landlord("NERI ANNA", "NRENNA75C43G478W", "Perugia", "Via Roma 3"),
    }));
    QVERIFY(save(folder(), 1, kRossi, {QStringLiteral("IT1111"), {}, {}}));
    QVERIFY(save(folder(), 2, kVerdi, {QStringLiteral("IT2222"), QStringLiteral("R-2"), QStringLiteral("000002")}));
    const std::optional<Codes> found = PropertyCodes::findForProperty(folder(), "Perugia", "Via Roma 3", "", "");
    QVERIFY(found);
    QCOMPARE(*found, (Codes{QStringLiteral("IT2222"), QStringLiteral("R-2"), QStringLiteral("000002")}));
}

void TestPropertyCodes::unreadableFilesGiveNothing()
{
    // A folder where the codes file should be.
    QVERIFY(QDir(folder()).mkdir(QStringLiteral("Codici_Immobili.dat")));
    QVERIFY(!load(folder(), 1, kRossi));
    QVERIFY(!save(folder(), 1, kRossi, kCodes));
    QVERIFY(!landlordRecord(folder(), 1));
}

QTEST_GUILESS_MAIN(TestPropertyCodes)
#include "tst_propertycodes.moc"
