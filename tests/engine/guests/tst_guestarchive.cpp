#include "engine/archive/RecordLayout.h"
#include "engine/guests/GuestArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The guests of each stay: one record a contract position, tied to the
// contract's tenant and start date.
class TestGuestArchive : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void savedListReadsBack();
    void positionsWithoutAListHaveNone();
    void anotherStayAtThePositionIsStale();
    void savingAgainReplacesTheList();
    void fieldsAreCutToTheirWidth();
    void damagedTailIsNeverAGuest();
    void tooManyGuestsAreRefused();
    void unreadableArchive();

private:
    QString folder() const { return m_dir->path(); }
    QString archive() const { return m_dir->filePath(GuestArchive::fileName()); }
    qint64 records() const { return QFileInfo(archive()).size() / GuestArchive::layout().recordSize(); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const GuestArchive::Link kRossi = {QStringLiteral("ROSSI MARIO"), QStringLiteral("01/08/2026")};

Guest guest(GuestType type, const QString &surname, const QString &name)
{
    Guest result;
    result.type = type;
    result.surname = surname;
    result.name = name;
    result.sex = QLatin1Char('M');
    result.birthDate = QDate(1980, 5, 17);
    result.birthPlace = QStringLiteral("408099014");
    result.citizenship = QStringLiteral("100000100");
    result.residence = QStringLiteral("408099014");
    return result;
}

QList<Guest> family()
{
    Guest head = guest(GuestType::HeadOfFamily, QStringLiteral("ROSSI"), QStringLiteral("MARIO"));
    head.documentType = QStringLiteral("IDENT");
    head.documentNumber = QStringLiteral("CA12345BC");
    head.documentPlace = QStringLiteral("408099014");
    Guest wife = guest(GuestType::FamilyMember, QStringLiteral("BIANCHI"), QStringLiteral("ANNA"));
    wife.sex = QLatin1Char('F');
    wife.birthPlace = QStringLiteral("100000215");  // abroad
    wife.citizenship = QStringLiteral("100000215");
    Guest child = guest(GuestType::FamilyMember, QStringLiteral("ROSSI"), QStringLiteral("LUCA"));
    child.birthDate = QDate(2015, 2, 28);
    child.taxExemption = QStringLiteral("accompagnatore di paziente");
    return {head, wife, child};
}

} // namespace

void TestGuestArchive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestGuestArchive::savedListReadsBack()
{
    QVERIFY(GuestArchive::save(folder(), 4, kRossi, family()));
    // Record k is the list of contract k: the three before it are empty.
    QCOMPARE(records(), 4);
    const GuestArchive::Loaded loaded = GuestArchive::load(folder(), 4, kRossi);
    QCOMPARE(loaded.state, GuestArchive::Loaded::State::Found);
    QCOMPARE(loaded.guests, family());
    QCOMPARE(loaded.storedFor, kRossi);
    // The link is compared as the record keeps it, trimmed.
    const GuestArchive::Loaded padded =
        GuestArchive::load(folder(), 4, {QStringLiteral("  ROSSI MARIO "), QStringLiteral("01/08/2026 ")});
    QCOMPARE(padded.state, GuestArchive::Loaded::State::Found);
}

void TestGuestArchive::positionsWithoutAListHaveNone()
{
    QCOMPARE(GuestArchive::load(folder(), 1, kRossi).state, GuestArchive::Loaded::State::None);
    QVERIFY(GuestArchive::save(folder(), 3, kRossi, family()));
    for (const qint64 position : {1, 2, 4, 100})
        QCOMPARE(GuestArchive::load(folder(), position, kRossi).state, GuestArchive::Loaded::State::None);
    // A list emptied by the user is no list.
    QVERIFY(GuestArchive::save(folder(), 3, kRossi, {}));
    QCOMPARE(GuestArchive::load(folder(), 3, kRossi).state, GuestArchive::Loaded::State::None);
}

void TestGuestArchive::anotherStayAtThePositionIsStale()
{
    QVERIFY(GuestArchive::save(folder(), 2, kRossi, family()));
    for (const GuestArchive::Link &now : {GuestArchive::Link{QStringLiteral("VERDI LUCA"), kRossi.start},
                                          GuestArchive::Link{kRossi.tenant, QStringLiteral("02/08/2026")}}) {
        const GuestArchive::Loaded loaded = GuestArchive::load(folder(), 2, now);
        QCOMPARE(loaded.state, GuestArchive::Loaded::State::Stale);
        QVERIFY(loaded.guests.isEmpty());
        QCOMPARE(loaded.storedFor, kRossi);
    }
}

void TestGuestArchive::savingAgainReplacesTheList()
{
    QVERIFY(GuestArchive::save(folder(), 1, kRossi, family()));
    const QList<Guest> alone = {guest(GuestType::Single, QStringLiteral("ROSSI"), QStringLiteral("MARIO"))};
    QVERIFY(GuestArchive::save(folder(), 1, kRossi, alone));
    QCOMPARE(GuestArchive::load(folder(), 1, kRossi).guests, alone);
    QCOMPARE(records(), 1);
    // The new stay at an overwritten position takes the record over.
    const GuestArchive::Link verdi = {QStringLiteral("VERDI LUCA"), QStringLiteral("10/08/2026")};
    QVERIFY(GuestArchive::save(folder(), 1, verdi, family()));
    QCOMPARE(GuestArchive::load(folder(), 1, verdi).guests, family());
    QCOMPARE(GuestArchive::load(folder(), 1, kRossi).state, GuestArchive::Loaded::State::Stale);
}

void TestGuestArchive::fieldsAreCutToTheirWidth()
{
    Guest longOne = guest(GuestType::Single, QString(60, QLatin1Char('S')), QString(40, QLatin1Char('N')));
    longOne.documentNumber = QString(25, QLatin1Char('9'));
    QVERIFY(GuestArchive::save(folder(), 1, kRossi, {longOne}));
    const Guest read = GuestArchive::load(folder(), 1, kRossi).guests.value(0);
    QCOMPARE(read.surname, QString(50, QLatin1Char('S')));
    QCOMPARE(read.name, QString(30, QLatin1Char('N')));
    QCOMPARE(read.documentNumber, QString(20, QLatin1Char('9')));
}

void TestGuestArchive::damagedTailIsNeverAGuest()
{
    QVERIFY(GuestArchive::save(folder(), 1, kRossi, family()));
    // Half a record, as a power cut in the middle of a write could leave.
    const QByteArray half = GuestArchive::encode(kRossi, family()).left(GuestArchive::layout().recordSize() / 2);
    QFile file(archive());
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(half), half.size());
    file.close();
    QCOMPARE(GuestArchive::load(folder(), 2, kRossi).state, GuestArchive::Loaded::State::None);
    // The next list takes the fragment's place.
    const GuestArchive::Link verdi = {QStringLiteral("VERDI LUCA"), QStringLiteral("10/08/2026")};
    QVERIFY(GuestArchive::save(folder(), 2, verdi, family()));
    QCOMPARE(QFileInfo(archive()).size(), 2 * GuestArchive::layout().recordSize());
    QCOMPARE(GuestArchive::load(folder(), 2, verdi).guests, family());
    QCOMPARE(GuestArchive::load(folder(), 1, kRossi).guests, family());
}

void TestGuestArchive::tooManyGuestsAreRefused()
{
    const QList<Guest> many(GuestArchive::kMaxGuests + 1, guest(GuestType::GroupMember, "A", "B"));
    QVERIFY(!GuestArchive::save(folder(), 1, kRossi, many));
    QVERIFY(!QFileInfo::exists(archive()) || QFileInfo(archive()).size() == 0);
    const QList<Guest> most(GuestArchive::kMaxGuests, guest(GuestType::GroupMember, "A", "B"));
    QVERIFY(GuestArchive::save(folder(), 1, kRossi, most));
    QCOMPARE(GuestArchive::load(folder(), 1, kRossi).guests.size(), GuestArchive::kMaxGuests);
}

void TestGuestArchive::unreadableArchive()
{
    QVERIFY(QDir(folder()).mkdir(GuestArchive::fileName()));
    QCOMPARE(GuestArchive::load(folder(), 1, kRossi).state, GuestArchive::Loaded::State::Unreadable);
    QVERIFY(!GuestArchive::save(folder(), 1, kRossi, family()));
}

QTEST_GUILESS_MAIN(TestGuestArchive)
#include "tst_guestarchive.moc"
