#include "FakePlatform.h"
#include "engine/guests/PoliceCodes.h"
#include "engine/guests/PoliceTableStore.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(PlaceFilter)
Q_DECLARE_METATYPE(PlacePurpose)

namespace {

QStringList texts(const QList<PolicePlace> &places)
{
    QStringList shown;
    for (const PolicePlace &place : places)
        shown.append(place.displayText());
    return shown;
}

} // namespace

// The look-ups over the built-in tables (an empty program folder).
class TestPoliceCodes : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void placeByCode_data();
    void placeByCode();
    void existedOn();
    void documentsAndGuestTypes();
    void search_data();
    void search();
    void searchOrdersStartBeforeInside();
    void searchLimit();
    void findPlace_data();
    void findPlace();

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::shared_ptr<const PoliceCodes> m_codes;
};

void TestPoliceCodes::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_codes = PoliceTableStore::codes();
}

void TestPoliceCodes::cleanup()
{
    m_codes.reset();
    m_platform.reset();
}

void TestPoliceCodes::placeByCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("province");
    QTest::addColumn<QDate>("endDate");
    QTest::addColumn<QString>("text");

    QTest::newRow("comune") << "408099014" << true << int(PlaceKind::Comune) << "RIMINI" << "RN" << QDate()
                            << "RIMINI (RN)";
    QTest::newRow("ceased comune") << "408040519" << true << int(PlaceKind::Comune) << "RIMINI" << "FO"
                                   << QDate(1992, 3, 5) << "RIMINI (FO) - cessato il 05/03/1992";
    QTest::newRow("comune whose code is not 4 + ISTAT") << "408140012" << true << int(PlaceKind::Comune) << "FORLI'"
                                                        << "FC" << QDate() << "FORLI' (FC)";
    QTest::newRow("Italy") << "100000100" << true << int(PlaceKind::State) << "ITALIA" << "" << QDate() << "ITALIA";
    QTest::newRow("state") << "100000216" << true << int(PlaceKind::State) << "GERMANIA" << "" << QDate()
                           << "GERMANIA";
    QTest::newRow("ceased state") << "100000210" << true << int(PlaceKind::State) << "CECOSLOVACCHIA" << ""
                                  << QDate(1993, 1, 1) << "CECOSLOVACCHIA - cessato il 01/01/1993";
    QTest::newRow("unknown") << "408099999" << false << 0 << "" << "" << QDate() << "";
    QTest::newRow("empty") << "" << false << 0 << "" << "" << QDate() << "";
}

void TestPoliceCodes::placeByCode()
{
    QFETCH(QString, code);
    QFETCH(bool, known);
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, province);
    QFETCH(QDate, endDate);
    QFETCH(QString, text);

    const std::optional<PolicePlace> place = m_codes->place(code);
    QCOMPARE(place.has_value(), known);
    QCOMPARE(m_codes->displayText(code), text);
    if (!place)
        return;
    QCOMPARE(place->code, code);
    QCOMPARE(int(place->kind), kind);
    QCOMPARE(place->name, name);
    QCOMPARE(place->province, province);
    QCOMPARE(place->endDate, endDate);
    QCOMPARE(place->isCeased(), endDate.isValid());
}

void TestPoliceCodes::existedOn()
{
    const std::optional<PolicePlace> ceased = m_codes->place(QStringLiteral("408040519"));
    QVERIFY(ceased);
    QVERIFY(ceased->existedOn(QDate(1992, 3, 4)));
    QVERIFY(!ceased->existedOn(QDate(1992, 3, 5)));
    QVERIFY(!ceased->existedOn(QDate(2000, 1, 1)));
    const std::optional<PolicePlace> valid = m_codes->place(QStringLiteral("408099014"));
    QVERIFY(valid);
    QVERIFY(valid->existedOn(QDate(1900, 1, 1)));
}

void TestPoliceCodes::documentsAndGuestTypes()
{
    QCOMPARE(m_codes->documentTypeName(QStringLiteral("PASOR")), QStringLiteral("PASSAPORTO ORDINARIO"));
    QVERIFY(m_codes->hasDocumentType(QStringLiteral("IDENT")));
    QVERIFY(!m_codes->hasDocumentType(QStringLiteral("ident")));
    QCOMPARE(m_codes->documentTypeName(QStringLiteral("XXXXX")), QString());
    QCOMPARE(m_codes->documentTypes().size(), 95);
    QCOMPARE(m_codes->documentTypes().first().code, QStringLiteral("IDENT"));
    QCOMPARE(m_codes->guestTypeName(GuestType::Single), QStringLiteral("OSPITE SINGOLO"));
    QCOMPARE(m_codes->guestTypeName(GuestType::HeadOfFamily), QStringLiteral("CAPO FAMIGLIA"));
    QCOMPARE(m_codes->guestTypeName(GuestType::GroupMember), QStringLiteral("MEMBRO GRUPPO"));
    QCOMPARE(m_codes->comuneCount(), 11284);
    QCOMPARE(m_codes->stateCount(), 236);
}

void TestPoliceCodes::search_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<PlaceFilter>("filter");
    QTest::addColumn<PlacePurpose>("purpose");
    QTest::addColumn<QStringList>("first");   // the first offers, in order
    QTest::addColumn<QStringList>("present"); // offered somewhere
    QTest::addColumn<QStringList>("absent");  // never offered

    const QString rimini = QStringLiteral("RIMINI (RN)");
    const QString oldRimini = QStringLiteral("RIMINI (FO) - cessato il 05/03/1992");
    QTest::newRow("rimi, residence") << "rimi" << PlaceFilter::Comuni << PlacePurpose::Current
                                     << QStringList{rimini} << QStringList{} << QStringList{oldRimini};
    QTest::newRow("rimi, birth") << "rimi" << PlaceFilter::Comuni << PlacePurpose::Birth
                                 << QStringList{rimini, oldRimini} << QStringList{} << QStringList{};
    QTest::newRow("case-blind") << "RiMiNi" << PlaceFilter::ComuniAndStates << PlacePurpose::Current
                                << QStringList{rimini} << QStringList{} << QStringList{oldRimini};
    QTest::newRow("accent as the tables write it") << "Forlì" << PlaceFilter::Comuni << PlacePurpose::Birth
                                                   << QStringList{"FORLI' (FC)"}
                                                   << QStringList{"FORLI' (FO) - cessato il 31/12/1994"} << QStringList{};
    QTest::newRow("states only") << "fran" << PlaceFilter::States << PlacePurpose::Current
                                 << QStringList{"FRANCIA"} << QStringList{} << QStringList{};
    QTest::newRow("comuni only leave the states out") << "francia" << PlaceFilter::Comuni << PlacePurpose::Current
                                                      << QStringList{} << QStringList{} << QStringList{"FRANCIA"};
    QTest::newRow("comuni and states") << "germ" << PlaceFilter::ComuniAndStates << PlacePurpose::Current
                                       << QStringList{"GERMAGNANO (TO)", "GERMAGNO (VB)", "GERMANIA"}
                                       << QStringList{"SAN GERMANO CHISONE (TO)"}
                                       << QStringList{"GERMASINO (CO) - cessato il 10/02/2011"};
    QTest::newRow("ceased state for a birth") << "cecoslov" << PlaceFilter::States << PlacePurpose::Birth
                                              << QStringList{"CECOSLOVACCHIA - cessato il 01/01/1993"}
                                              << QStringList{} << QStringList{};
    QTest::newRow("ceased state not for a citizenship") << "cecoslov" << PlaceFilter::States << PlacePurpose::Current
                                                        << QStringList{} << QStringList{}
                                                        << QStringList{"CECOSLOVACCHIA - cessato il 01/01/1993"};
    QTest::newRow("comuni leave Italy out") << "italia" << PlaceFilter::Comuni << PlacePurpose::Birth
                                            << QStringList{} << QStringList{} << QStringList{"ITALIA"};
}

void TestPoliceCodes::search()
{
    QFETCH(QString, typed);
    QFETCH(PlaceFilter, filter);
    QFETCH(PlacePurpose, purpose);
    QFETCH(QStringList, first);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);

    const QList<PolicePlace> found = m_codes->search(typed, filter, purpose);
    const QStringList shown = texts(found);
    QCOMPARE(shown.mid(0, first.size()), first);
    for (const QString &text : present)
        QVERIFY2(shown.contains(text), qPrintable(text));
    for (const QString &text : absent)
        QVERIFY2(!shown.contains(text), qPrintable(text));
    for (const PolicePlace &place : found) {
        if (filter == PlaceFilter::Comuni)
            QCOMPARE(place.kind, PlaceKind::Comune);
        if (filter == PlaceFilter::States)
            QCOMPARE(place.kind, PlaceKind::State);
        if (purpose == PlacePurpose::Current)
            QVERIFY2(!place.isCeased(), qPrintable(place.displayText()));
    }
    if (first.isEmpty() && absent.isEmpty())
        QVERIFY(found.isEmpty());
}

void TestPoliceCodes::searchOrdersStartBeforeInside()
{
    // "rimi" starts RIMINI and lies inside CIRIMIDO and the PRIMIERO comuni:
    // start first, valid before ceased in each part, then by name.
    const QStringList birth = texts(m_codes->search(u"rimi", PlaceFilter::Comuni, PlacePurpose::Birth));
    QCOMPARE(birth, (QStringList{"RIMINI (RN)", "RIMINI (FO) - cessato il 05/03/1992", "CIRIMIDO (CO)",
                                 "PRIMIERO SAN MARTINO DI CASTROZZA (TN)", "FIERA DI PRIMIERO (TN) - cessato il 31/12/2015",
                                 "PRIMIERO (TN) - cessato il 31/12/1983"}));
    const QStringList residence = texts(m_codes->search(u"rimi", PlaceFilter::Comuni, PlacePurpose::Current));
    QCOMPARE(residence, (QStringList{"RIMINI (RN)", "CIRIMIDO (CO)", "PRIMIERO SAN MARTINO DI CASTROZZA (TN)"}));
}

void TestPoliceCodes::searchLimit()
{
    const QList<PolicePlace> ten = m_codes->search(u"a", PlaceFilter::ComuniAndStates, PlacePurpose::Birth, 10);
    QCOMPARE(ten.size(), 10);
    QString previous;
    for (const PolicePlace &place : ten) {
        QVERIFY2(place.name.startsWith(QLatin1Char('A')), qPrintable(place.name));
        QVERIFY2(!place.isCeased(), qPrintable(place.displayText()));
        QVERIFY(previous <= place.name);
        previous = place.name;
    }
    QVERIFY(m_codes->search(u"a", PlaceFilter::Comuni, PlacePurpose::Birth, 0).isEmpty());
    QVERIFY(m_codes->search(u"", PlaceFilter::Comuni, PlacePurpose::Birth).isEmpty());
    QVERIFY(m_codes->search(u" 12 - ", PlaceFilter::Comuni, PlacePurpose::Birth).isEmpty());
}

void TestPoliceCodes::findPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("province");
    QTest::addColumn<int>("purpose");
    QTest::addColumn<QString>("code");  // empty: none
    const int current = int(PlacePurpose::Current);
    const int birth = int(PlacePurpose::Birth);
    QTest::newRow("as a contract writes it") << "RIMINI" << "RN" << current << "408099014";
    QTest::newRow("any case, blanks") << " rimini " << "rn" << current << "408099014";
    QTest::newRow("accent typed") << "Forlì" << "FC" << current << "408140012";
    QTest::newRow("apostrophe typed") << "FORLI'" << "FC" << current << "408140012";
    QTest::newRow("ceased, for a residence") << "RIMINI" << "FO" << current << "";
    QTest::newRow("ceased, for a birth") << "RIMINI" << "FO" << birth << "408040519";
    QTest::newRow("another province") << "RIMINI" << "BO" << current << "";
    QTest::newRow("state abroad") << "Francia" << "EE" << current << "100000215";
    QTest::newRow("state without EE") << "FRANCIA" << "" << current << "";
    QTest::newRow("unknown") << "ATLANTIDE" << "RN" << current << "";
    QTest::newRow("no letters") << "123" << "RN" << current << "";
}

void TestPoliceCodes::findPlace()
{
    QFETCH(QString, name);
    QFETCH(QString, province);
    QFETCH(int, purpose);
    QFETCH(QString, code);
    const std::optional<PolicePlace> found = m_codes->findPlace(name, province, static_cast<PlacePurpose>(purpose));
    QCOMPARE(found ? found->code : QString(), code);
}

QTEST_GUILESS_MAIN(TestPoliceCodes)
#include "tst_policecodes.moc"
