#include "SearchFixture.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/lists/SearchArchives.h"
#include "engine/lists/SearchCriteria.h"

#include <QTest>

Q_DECLARE_METATYPE(SearchArchive)

namespace {

using Criteria = std::vector<std::pair<QString, QString>>;
using Fields = QList<QPair<QString, QByteArray>>;  // raw Windows-1252 bytes as stored

} // namespace

// Which field each criterion is compared with, and the rule that lists a
// record.
class TestSearchCriteria : public QObject
{
    Q_OBJECT
private slots:
    void criteriaMapping_data();
    void criteriaMapping();
    void criteriaCountAndEveryFieldExists_data();
    void criteriaCountAndEveryFieldExists();
    void archiveTable_data();
    void archiveTable();
    void rule_data();
    void rule();
};

void TestSearchCriteria::criteriaMapping_data()
{
    QTest::addColumn<SearchArchive>("archive");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");

    struct Row { SearchArchive archive; const char *control; const char *label; const char *field; };
    const Row rows[] = {
        {SearchArchive::Tenants, "txtConduttore", "Cognome e nome Conduttore:", "Conduttore"},
        {SearchArchive::Tenants, "txtCodFiscCon", "Codice fiscale:", "CodFiscCon"},
        {SearchArchive::Tenants, "txtComuneRes", "Comune di residenza:", "ComuneRes"},
        {SearchArchive::Tenants, "txtNote", "Note:", "Note"},
        {SearchArchive::Tenants, "txtTipoImm", "Tipo immobile richiesto:", "TipoImm"},
        {SearchArchive::Tenants, "txtPeriodo", "Periodo preferito:", "Periodo"},
        {SearchArchive::Tenants, "txtComuneImm", "Comune ubicazione:", "ComuneImm"},
        {SearchArchive::Tenants, "txtZona", "Zona:", "Zona"},
        {SearchArchive::Tenants, "txtPosti", "Posti letto:", "Posti"},
        {SearchArchive::Tenants, "txtQuestioni", "Questioni in sospeso:", "Questioni"},
        {SearchArchive::Landlords, "txtLocatore", "Cognome e nome Locatore:", "Locatore"},
        {SearchArchive::Landlords, "txtCodFiscLoc", "Codice fiscale:", "CodFiscLoc"},
        {SearchArchive::Landlords, "txtComuneDom", "Comune di residenza:", "ComuneDom"},
        {SearchArchive::Landlords, "txtNote", "Note:", "Note"},
        {SearchArchive::Landlords, "txtTipoImm", "Tipo immobile:", "TipoImm"},
        {SearchArchive::Landlords, "txtViaImm", "Via e numero civico:", "ViaImm"},
        {SearchArchive::Landlords, "txtComuneImm", "Comune ubicazione:", "ComuneImm"},
        {SearchArchive::Landlords, "txtPiano", "Piano:", "Piano"},
        {SearchArchive::Landlords, "txtVani", "Vani:", "Vani"},
        {SearchArchive::Landlords, "txtPosti", "Posti letto:", "Posti"},
        {SearchArchive::Contracts, "txtLocatore", "Cognome e nome Locatore:", "Locatore"},
        {SearchArchive::Contracts, "txtCodFiscLoc", "Codice fiscale Locatore:", "CodFiscLoc"},
        {SearchArchive::Contracts, "txtConduttore", "Cognome e nome Conduttore:", "Conduttore"},
        {SearchArchive::Contracts, "txtCodFiscCon", "Codice fiscale Conduttore:", "CodFiscCon"},
        {SearchArchive::Contracts, "txtComuneImm", "Comune ubicazione immobile:", "ComuneImm"},
        {SearchArchive::Contracts, "txtViaImm", "Via e numero civico:", "ViaImm"},
        {SearchArchive::Contracts, "txtInizioCon", "Data inizio contratto (gg/mm/aaaa):", "InizioCon"},
        {SearchArchive::Contracts, "txtFineCon", "Data fine contratto (gg/mm/aaaa):", "FineCon"},
        {SearchArchive::Contracts, "txtNote", "Note:", "Pattuizioni"},
        {SearchArchive::Contracts, "txtImpCanone", "Importo canone:", "ImpCanone"},
        {SearchArchive::Receipts, "txtNumRic", "Ricevuta n.", "NumRic"},
        {SearchArchive::Receipts, "txtData", "Data emissione (gg/mm/aaaa):", "Data"},
        {SearchArchive::Receipts, "txtPagatore01", "Pagatore (rigo 1):", "Pagatore01"},
        {SearchArchive::Receipts, "txtPagatore02", "Pagatore (rigo 2):", "Pagatore02"},
        {SearchArchive::Receipts, "txtCausale01", "Causale (rigo 1):", "Causale01"},
        {SearchArchive::Receipts, "txtCausale02", "Causale (rigo 2):", "Causale02"},
    };
    const char *archiveNames[] = {"tenants", "landlords", "contracts", "receipts"};
    int position = 0;
    SearchArchive previous = SearchArchive::Tenants;
    for (const Row &row : rows) {
        position = row.archive == previous ? position + 1 : 1;
        previous = row.archive;
        QTest::addRow("%s %d %s", archiveNames[int(row.archive)], position, row.control)
            << row.archive << position << QString::fromLatin1(row.control) << QString::fromUtf8(row.label)
            << QString::fromLatin1(row.field);
    }
}

void TestSearchCriteria::criteriaMapping()
{
    QFETCH(SearchArchive, archive);
    QFETCH(int, position);
    QFETCH(QString, control);
    QFETCH(QString, label);
    QFETCH(QString, field);
    const SearchArchiveDef &definition = SearchArchives::definition(archive);
    QVERIFY(position <= int(definition.criteria.size()));
    const SearchCriterionDef &criterion = definition.criteria.at(position - 1);
    QCOMPARE(QString::fromLatin1(criterion.control), control);
    QCOMPARE(QString::fromUtf8(criterion.label), label);
    QCOMPARE(QString::fromLatin1(criterion.field), field);
}

void TestSearchCriteria::criteriaCountAndEveryFieldExists_data()
{
    QTest::addColumn<SearchArchive>("archive");
    QTest::addColumn<int>("count");
    QTest::newRow("tenants") << SearchArchive::Tenants << 10;
    QTest::newRow("landlords") << SearchArchive::Landlords << 10;
    QTest::newRow("contracts") << SearchArchive::Contracts << 10;
    QTest::newRow("receipts") << SearchArchive::Receipts << 6;
}

void TestSearchCriteria::criteriaCountAndEveryFieldExists()
{
    QFETCH(SearchArchive, archive);
    QFETCH(int, count);
    const SearchArchiveDef &definition = SearchArchives::definition(archive);
    QCOMPARE(int(definition.criteria.size()), count);
    for (const SearchCriterionDef &criterion : definition.criteria)
        QVERIFY2(definition.layout().indexOf(QString::fromLatin1(criterion.field)) >= 0, criterion.field);
}

void TestSearchCriteria::archiveTable_data()
{
    QTest::addColumn<SearchArchive>("archive");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("callerTag");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QString>("printTitle");
    QTest::addColumn<QString>("countSuffix");

    QTest::newRow("tenants") << SearchArchive::Tenants << "TfrmTrovaConduttori" << " Trova Conduttori in archivio"
                             << "conduttori" << 3628 << "Archivio_Conduttori.pro" << true << "Riepilogo Conduttori"
                             << " schede";
    QTest::newRow("landlords") << SearchArchive::Landlords << "TfrmTrovaLocatori"
                               << " Trova Locatori e immobili in archivio" << "locatori" << 3479
                               << "Archivio_Locatori.pro" << true << "Riepilogo Locatori e immobili" << " schede";
    QTest::newRow("contracts") << SearchArchive::Contracts << "TfrmTrovaContratti" << " Trova contratti in archivio"
                               << "contratti" << 2751 << "Archivio_Contratti.pro" << true
                               << "Riepilogo contratti di locazione" << " schede";
    QTest::newRow("receipts") << SearchArchive::Receipts << "TfrmTrovaRic" << " Trova ricevute in archivio"
                              << "ricevuta" << 1528 << "" << false << "Riepilogo ricevute di pagamento"
                              << " schede.";
}

void TestSearchCriteria::archiveTable()
{
    QFETCH(SearchArchive, archive);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, callerTag);
    QFETCH(int, recordSize);
    QFETCH(QString, archiveName);
    QFETCH(bool, sorted);
    QFETCH(QString, printTitle);
    QFETCH(QString, countSuffix);
    const SearchArchiveDef &definition = SearchArchives::definition(archive);
    QCOMPARE(QString::fromLatin1(definition.className), className);
    QCOMPARE(QString::fromLatin1(definition.objectName), QStringLiteral("frm") + className.mid(4));
    QCOMPARE(QString::fromUtf8(definition.caption), caption);
    QCOMPARE(QString::fromLatin1(definition.callerTag), callerTag);
    QCOMPARE(definition.layout().recordSize(), recordSize);
    QCOMPARE(definition.layout().archiveName(), archiveName);
    QCOMPARE(definition.sorted, sorted);
    QCOMPARE(QString::fromUtf8(definition.printTitle), printTitle);
    QCOMPARE(QString::fromUtf8(definition.countSuffix), countSuffix);
}

void TestSearchCriteria::rule_data()
{
    QTest::addColumn<Fields>("fields");       // of a tenant record
    QTest::addColumn<Criteria>("criteria");   // field, text as typed
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("hits");
    QTest::addColumn<bool>("listed");

    const Fields rossi = {{"Conduttore", "ROSSI MARIO"}, {"ComuneRes", "Perugia"}, {"Note", "pagamento  anticipato"}};
    QTest::newRow("no criteria lists everything") << rossi << Criteria{} << 0 << 0 << true;
    QTest::newRow("empty criteria list everything")
        << rossi << Criteria{{"Conduttore", ""}, {"Note", ""}} << 0 << 0 << true;
    QTest::newRow("lower case finds capitals") << rossi << Criteria{{"Conduttore", "rossi"}} << 1 << 1 << true;
    QTest::newRow("capitals find mixed case")
        << Fields{{"Conduttore", "Rossi Mario"}} << Criteria{{"Conduttore", "ROSSI"}} << 1 << 1 << true;
    QTest::newRow("a piece inside the field") << rossi << Criteria{{"ComuneRes", "rugi"}} << 1 << 1 << true;
    QTest::newRow("another field does not count") << rossi << Criteria{{"ComuneRes", "rossi"}} << 1 << 0 << false;
    QTest::newRow("an accented capital finds only itself")
        << Fields{{"Conduttore", "Nicol\xF2"}} << Criteria{{"Conduttore", "NICOLÒ"}} << 1 << 0 << false;
    QTest::newRow("an accented lower case finds only itself")
        << Fields{{"Conduttore", "NICOL\xD2"}} << Criteria{{"Conduttore", "nicolò"}} << 1 << 0 << false;
    QTest::newRow("the same accented letter") << Fields{{"Conduttore", "NICOL\xD2"}} << Criteria{{"Conduttore", "nicolÒ"}}
                                              << 1 << 1 << true;
    QTest::newRow("two criteria both met")
        << rossi << Criteria{{"Conduttore", "mario"}, {"ComuneRes", "PERUGIA"}} << 2 << 2 << true;
    QTest::newRow("two criteria, one missed")
        << rossi << Criteria{{"Conduttore", "mario"}, {"ComuneRes", "Assisi"}} << 2 << 1 << false;
    QTest::newRow("a trailing blank is part of the criterion")
        << rossi << Criteria{{"Conduttore", "ROSSI "}} << 1 << 1 << true;
    QTest::newRow("a trailing blank the field lacks")
        << rossi << Criteria{{"Conduttore", "MARIO "}} << 1 << 0 << false;
    QTest::newRow("a criterion of blanks is not counted")
        << rossi << Criteria{{"Conduttore", "   "}} << 0 << 0 << true;
    // Not given, so N stays 1, but it occurs in the notes: H reaches N
    // although the name criterion is missed.
    QTest::newRow("a criterion of blanks found makes up for a missed one")
        << rossi << Criteria{{"Conduttore", "bianchi"}, {"Note", "  "}} << 1 << 1 << true;
    QTest::newRow("a criterion of blanks not found")
        << rossi << Criteria{{"Conduttore", "bianchi"}, {"ComuneRes", "  "}} << 1 << 0 << false;
    QTest::newRow("a criterion longer than the field")
        << Fields{{"Conduttore", QByteArray(50, 'A')}} << Criteria{{"Conduttore", QString(51, QLatin1Char('a'))}}
        << 1 << 0 << false;
    QTest::newRow("a criterion as long as the full field")
        << Fields{{"Conduttore", QByteArray(50, 'A')}} << Criteria{{"Conduttore", QString(50, QLatin1Char('a'))}}
        << 1 << 1 << true;
    QTest::newRow("the whole field, beyond the line's cut")
        << Fields{{"Conduttore", "DELLA ROVERE GUIDOBALDO MONTEFELTRO"}} << Criteria{{"Conduttore", "montefeltro"}}
        << 1 << 1 << true;
    QTest::newRow("the field as stored, blanks included")
        << Fields{{"ComuneRes", " Perugia "}} << Criteria{{"ComuneRes", "perugia "}} << 1 << 1 << true;
    QTest::newRow("leading blanks of a criterion count")
        << Fields{{"ComuneRes", "Perugia"}} << Criteria{{"ComuneRes", " perugia"}} << 1 << 0 << false;
    QTest::newRow("Windows-1252 text decoded")
        << Fields{{"Note", "caparra \x80 200"}} << Criteria{{"Note", "€ 2"}} << 1 << 1 << true;
}

void TestSearchCriteria::rule()
{
    QFETCH(Fields, fields);
    QFETCH(Criteria, criteria);
    QFETCH(int, given);
    QFETCH(int, hits);
    QFETCH(bool, listed);
    const RecordLayout &layout = RecordLayouts::conduttore();
    QByteArray bytes = Record(layout).encode();
    for (const auto &[field, raw] : fields)
        bytes = SearchFixture::withRawField(layout, bytes, qPrintable(field), raw);
    const SearchCriteria rule(layout, criteria);
    QCOMPARE(rule.givenCount(), given);
    QCOMPARE(rule.hitCount(bytes.constData()), hits);
    QCOMPARE(rule.matches(bytes.constData()), listed);
}

QTEST_APPLESS_MAIN(TestSearchCriteria)
#include "tst_searchcriteria.moc"
