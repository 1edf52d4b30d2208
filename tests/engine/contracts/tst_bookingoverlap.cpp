#include "ArchiveFixture.h"
#include "engine/archive/ArchiveFile.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/contracts/BookingOverlap.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A property and a period, as the fields of a contract hold them.
struct Stay
{
    QString comune;
    QString via;
    QString scala;
    QString interno;
    QString start;
    QString end;
};

const Stay kStored = {"Perugia", "Via Roma 3", "B", "4", "01/08/2026", "08/08/2026"};

// Windows-1252 bytes, as the program stores them (Latin-1 for these texts).
QByteArray storedContract(const Stay &stay, const QByteArray &tenant)
{
    const auto bytes = [](const QString &text) { return text.toLatin1(); };
    return ArchiveFixture::record(RecordLayouts::contratto(), {
        {QStringLiteral("Conduttore"), tenant},
        {QStringLiteral("ComuneImm"), bytes(stay.comune)},
        {QStringLiteral("ViaImm"), bytes(stay.via)},
        {QStringLiteral("Scala"), bytes(stay.scala)},
        {QStringLiteral("Interno"), bytes(stay.interno)},
        {QStringLiteral("InizioCon"), bytes(stay.start)},
        {QStringLiteral("FineCon"), bytes(stay.end)},
    });
}

Record newContract(const Stay &stay)
{
    Record contract(RecordLayouts::contratto());
    contract.setValue(QStringLiteral("Conduttore"), QStringLiteral("NERI LUCA"));
    contract.setValue(QStringLiteral("ComuneImm"), stay.comune);
    contract.setValue(QStringLiteral("ViaImm"), stay.via);
    contract.setValue(QStringLiteral("Scala"), stay.scala);
    contract.setValue(QStringLiteral("Interno"), stay.interno);
    contract.setValue(QStringLiteral("InizioCon"), stay.start);
    contract.setValue(QStringLiteral("FineCon"), stay.end);
    return contract;
}

Stay withDates(Stay stay, const QString &start, const QString &end)
{
    stay.start = start;
    stay.end = end;
    return stay;
}

} // namespace

Q_DECLARE_METATYPE(Stay)

class TestBookingOverlap : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void overlaps_data();
    void overlaps();
    void firstOverlapIsNamedAsStored();
    void question();

private:
    QString archivePath() const { return m_dir.filePath(QStringLiteral("Archivio_Contratti.pro")); }

    QTemporaryDir m_dir;
};

void TestBookingOverlap::init()
{
    QVERIFY(m_dir.isValid());
}

void TestBookingOverlap::overlaps_data()
{
    QTest::addColumn<Stay>("stored");   // record 2; record 1 is another property at the same dates
    QTest::addColumn<Stay>("saved");    // the contract being saved
    QTest::addColumn<qint64>("ownPosition");
    QTest::addColumn<bool>("found");

    const Stay same = kStored;
    QTest::newRow("arrival on the departure day") << kStored << withDates(same, "08/08/2026", "15/08/2026")
                                                  << 0ll << false;
    QTest::newRow("departure on the arrival day") << kStored << withDates(same, "25/07/2026", "01/08/2026")
                                                  << 0ll << false;
    QTest::newRow("one night at the end") << kStored << withDates(same, "07/08/2026", "10/08/2026") << 0ll << true;
    QTest::newRow("one night at the start") << kStored << withDates(same, "28/07/2026", "02/08/2026") << 0ll << true;
    QTest::newRow("same dates") << kStored << same << 0ll << true;
    QTest::newRow("containing") << kStored << withDates(same, "20/07/2026", "20/08/2026") << 0ll << true;
    QTest::newRow("contained") << kStored << withDates(same, "03/08/2026", "05/08/2026") << 0ll << true;
    QTest::newRow("one-day stay inside") << kStored << withDates(same, "05/08/2026", "05/08/2026") << 0ll << true;
    QTest::newRow("one-day stay on the departure day") << kStored << withDates(same, "08/08/2026", "08/08/2026")
                                                       << 0ll << false;
    QTest::newRow("same one-day stay") << withDates(kStored, "05/08/2026", "05/08/2026")
                                       << withDates(same, "05/08/2026", "05/08/2026") << 0ll << true;
    QTest::newRow("another year") << kStored << withDates(same, "01/08/2027", "08/08/2027") << 0ll << false;

    Stay otherStaircase = same;
    otherStaircase.scala = "A";
    QTest::newRow("another staircase") << kStored << otherStaircase << 0ll << false;
    Stay otherFlat = same;
    otherFlat.interno = "14";
    QTest::newRow("another flat") << kStored << otherFlat << 0ll << false;
    Stay noFlat = same;
    noFlat.interno.clear();
    QTest::newRow("no flat against flat 4") << kStored << noFlat << 0ll << false;
    const Stay folded = {"  perugia ", "VIA ROMA 3\t", "b", " 4 ", "03/08/2026", "04/08/2026"};
    QTest::newRow("case and blanks") << kStored << folded << 0ll << true;
    Stay accented = kStored;
    accented.comune = QString::fromUtf8("Forlì");
    Stay accentedUpper = accented;
    accentedUpper.comune = QString::fromUtf8("FORLÌ");
    Stay accentedLower = accented;
    accentedLower.comune = QString::fromUtf8("forlì");
    QTest::newRow("accented letters keep their case") << accented << accentedUpper << 0ll << false;
    QTest::newRow("a to z fold around an accent") << accented << accentedLower << 0ll << true;

    QTest::newRow("its own record") << kStored << same << 2ll << false;
    QTest::newRow("another own position") << kStored << same << 1ll << true;
    QTest::newRow("start that is no date") << withDates(kStored, "31/02/2026", "08/08/2026") << same << 0ll << false;
    QTest::newRow("end left empty") << withDates(kStored, "01/08/2026", "") << same << 0ll << false;
    QTest::newRow("end before start") << withDates(kStored, "08/08/2026", "01/08/2026") << same << 0ll << false;
    QTest::newRow("date written short") << withDates(kStored, "1/8/2026", "8/8/2026") << same << 0ll << true;
    const Stay nowhere = {"", "", "", "", "01/08/2026", "08/08/2026"};
    QTest::newRow("no property on either") << nowhere << nowhere << 0ll << false;
    QTest::newRow("saved without dates") << kStored << withDates(same, "", "") << 0ll << false;
}

void TestBookingOverlap::overlaps()
{
    QFETCH(Stay, stored);
    QFETCH(Stay, saved);
    QFETCH(qint64, ownPosition);
    QFETCH(bool, found);

    Stay elsewhere = withDates(kStored, saved.start, saved.end);
    elsewhere.comune = QStringLiteral("Assisi");
    QVERIFY(ArchiveFixture::write(archivePath(),
                                  {storedContract(elsewhere, "VERDI"), storedContract(stored, "BIANCHI ANNA")}));

    ArchiveFile archive(archivePath(), RecordLayouts::contratto().recordSize());
    QVERIFY(archive.open());
    const std::optional<BookingOverlap::Booking> booking
        = BookingOverlap::findOverlap(archive, newContract(saved), ownPosition);
    QCOMPARE(booking.has_value(), found);
    if (found) {
        QCOMPARE(booking->position, 2);
        QCOMPARE(booking->tenant, QStringLiteral("BIANCHI ANNA"));
    }
}

void TestBookingOverlap::firstOverlapIsNamedAsStored()
{
    // Two earlier stays that only touch the new one, then two that overlap
    // it; a damaged tail after them.
    QVERIFY(ArchiveFixture::write(archivePath(),
                                  {storedContract(withDates(kStored, "25/07/2026", "01/08/2026"), "PRIMO"),
                                   storedContract(withDates(kStored, "08/08/2026", "12/08/2026"), "SECONDO"),
                                   storedContract(withDates(kStored, "5/8/2026", " 9/08/2026"), " TERZO  "),
                                   storedContract(withDates(kStored, "02/08/2026", "03/08/2026"), "QUARTO")},
                                  storedContract(kStored, "FRAMMENTO").left(1600)));
    ArchiveFile archive(archivePath(), RecordLayouts::contratto().recordSize());
    QVERIFY(archive.open());
    const std::optional<BookingOverlap::Booking> booking
        = BookingOverlap::findOverlap(archive, newContract(kStored), 0);
    QVERIFY(booking);
    QCOMPARE(booking->position, 3);
    QCOMPARE(booking->tenant, QStringLiteral("TERZO"));
    // The dates as the record holds them, trimmed.
    QCOMPARE(booking->start, QStringLiteral("5/8/2026"));
    QCOMPARE(booking->end, QStringLiteral("9/08/2026"));
}

void TestBookingOverlap::question()
{
    const BookingOverlap::Booking booking{7, QStringLiteral("BIANCHI ANNA"), QStringLiteral("01/08/2026"),
                                          QStringLiteral("08/08/2026")};
    QCOMPARE(BookingOverlap::question(booking),
             QString::fromUtf8("Attenzione: l'immobile risulta già locato a BIANCHI ANNA dal 01/08/2026 al "
                               "08/08/2026.\n\nSalvare comunque il contratto?"));
}

QTEST_GUILESS_MAIN(TestBookingOverlap)
#include "tst_bookingoverlap.moc"
