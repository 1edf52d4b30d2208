#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/lists/ImportCopyMaps.h"

#include <QTest>

Q_DECLARE_METATYPE(ImportSource)

namespace {

// Every field holds its own name, with blanks around that a copy removes.
Record everyFieldNamed(const RecordLayout &layout)
{
    Record record(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        record.setValue(i, QStringLiteral("  ") + layout.name(i) + QStringLiteral(" "));
    return record;
}

} // namespace

// What each import writes into the window that opened it.
class TestImportCopyMaps : public QObject
{
    Q_OBJECT
private slots:
    void copyMaps_data();
    void copyMaps();
    void receiptWithoutAFiscalCode();
    void tagsTheImportsDoNotServe_data();
    void tagsTheImportsDoNotServe();
};

void TestImportCopyMaps::copyMaps_data()
{
    QTest::addColumn<ImportSource>("source");
    QTest::addColumn<QString>("tag");
    // control <- text, in order
    QTest::addColumn<QList<QPair<QString, QString>>>("expected");

    QTest::newRow("landlord into a contract")
        << ImportSource::Landlords << "contratti"
        << QList<QPair<QString, QString>>{
               {"txtLocatore", "Locatore"},     {"txtLuogoNascLoc", "LuogoNascLoc"},
               {"txtProvNascLoc", "ProvNascLoc"}, {"txtDataNascLoc", "DataNascLoc"},
               {"txtCodFiscLoc", "CodFiscLoc"}, {"txtComuneDom", "ComuneDom"},
               {"txtProvDom", "ProvDom"},       {"txtViaDom", "ViaDom"},
               {"txtCapLoc", "CapLoc"},         {"txtComuneImm", "ComuneImm"},
               {"txtProvImm", "ProvImm"},       {"txtViaImm", "ViaImm"},
               {"txtCapImm", "CapImm"},         {"txtScala", "Scala"},
               {"txtInterno", "Interno"},       {"txtPiano", "Piano"},
               {"txtVani", "Vani"},             {"txtAccessori", "Accessori"},
               {"txtPosti", "Posti"},           {"txtCodComune", "CodComune"},
               {"txtSezUrb", "SezUrb"},         {"txtFoglio", "Foglio"},
               {"txtParticella", "Particella"}, {"txtSubalterno", "Subalterno"},
               {"txtSuperficie", "Superficie"}, {"txtSpese", "Spese"},
           };
    QTest::newRow("tenant into a contract")
        << ImportSource::Tenants << "contratti"
        << QList<QPair<QString, QString>>{
               {"txtConduttore", "Conduttore"},   {"txtLuogoNascCon", "LuogoNascCon"},
               {"txtProvNascCon", "ProvNascCon"}, {"txtDataNascCon", "DataNascCon"},
               {"txtCodFiscCon", "CodFiscCon"},   {"txtComuneRes", "ComuneRes"},
               {"txtProvRes", "ProvRes"},         {"txtViaRes", "ViaRes"},
               {"txtCapCon", "CapCon"},           {"txtDocumento", "Documento"},
               {"txtPersone", "Persone"},
           };
    QTest::newRow("tenant into a receipt")
        << ImportSource::Tenants << "ricevuta"
        << QList<QPair<QString, QString>>{
               {"txtPagatore01", "Conduttore"},
               {"txtPagatore02", "Codice Fiscale: CodFiscCon"},
           };
    QTest::newRow("a caller tag with blanks around")
        << ImportSource::Tenants << " ricevuta "
        << QList<QPair<QString, QString>>{
               {"txtPagatore01", "Conduttore"},
               {"txtPagatore02", "Codice Fiscale: CodFiscCon"},
           };
}

void TestImportCopyMaps::copyMaps()
{
    QFETCH(ImportSource, source);
    QFETCH(QString, tag);
    using Expected = QList<QPair<QString, QString>>;
    QFETCH(Expected, expected);
    const RecordLayout &layout =
        source == ImportSource::Landlords ? RecordLayouts::locatore() : RecordLayouts::conduttore();
    const QList<CopiedValue> copied = ImportCopyMaps::copiedValues(source, tag, everyFieldNamed(layout));
    QCOMPARE(copied.size(), expected.size());
    for (int i = 0; i < copied.size(); ++i) {
        QCOMPARE(copied.at(i).control, expected.at(i).first);
        QCOMPARE(copied.at(i).text, expected.at(i).second);
    }
}

void TestImportCopyMaps::receiptWithoutAFiscalCode()
{
    Record tenant(RecordLayouts::conduttore());
    tenant.setValue(QStringLiteral("Conduttore"), QStringLiteral("ROSSI MARIO"));
    const QList<CopiedValue> copied = ImportCopyMaps::copiedValues(ImportSource::Tenants, QStringLiteral("ricevuta"), tenant);
    QCOMPARE(copied.size(), 2);
    QCOMPARE(copied.at(0).text, QStringLiteral("ROSSI MARIO"));
    QCOMPARE(copied.at(1).text, QStringLiteral("Codice Fiscale: "));
}

void TestImportCopyMaps::tagsTheImportsDoNotServe_data()
{
    QTest::addColumn<ImportSource>("source");
    QTest::addColumn<QString>("tag");
    QTest::newRow("landlord into a receipt") << ImportSource::Landlords << "ricevuta";
    QTest::newRow("empty tag") << ImportSource::Tenants << "";
    QTest::newRow("other case") << ImportSource::Tenants << "Contratti";
    QTest::newRow("another purpose") << ImportSource::Landlords << "locatori";
}

void TestImportCopyMaps::tagsTheImportsDoNotServe()
{
    QFETCH(ImportSource, source);
    QFETCH(QString, tag);
    const RecordLayout &layout =
        source == ImportSource::Landlords ? RecordLayouts::locatore() : RecordLayouts::conduttore();
    QVERIFY(ImportCopyMaps::map(source, tag).empty());
    QVERIFY(ImportCopyMaps::copiedValues(source, tag, everyFieldNamed(layout)).isEmpty());
}

QTEST_APPLESS_MAIN(TestImportCopyMaps)
#include "tst_importcopymaps.moc"
