#include "engine/archive/RecordLayout.h"
#include "engine/export/ExportTables.h"

#include <QTest>

// The tables behind the four exports: every column names a field of its
// archive's record, and the windows, files and headers are the ones the
// users' spreadsheets and the card windows expect.
class TestExportTables : public QObject
{
    Q_OBJECT
private slots:
    void windowsAndFiles_data();
    void windowsAndFiles();
    void everyColumnIsAField_data();
    void everyColumnIsAField();
    void columns_data();
    void columns();
    void guideText_data();
    void guideText();
};

Q_DECLARE_METATYPE(ExportArchive)

namespace {

void addArchives()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::newRow("landlords") << ExportArchive::Locatori;
    QTest::newRow("tenants") << ExportArchive::Conduttori;
    QTest::newRow("contracts") << ExportArchive::Contratti;
    QTest::newRow("receipts") << ExportArchive::Ricevute;
}

} // namespace

void TestExportTables::windowsAndFiles_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("archiveFile");
    QTest::addColumn<QString>("xlsFile");
    QTest::addColumn<QString>("xlsxFile");
    QTest::addColumn<QString>("worksheet");
    QTest::addColumn<QString>("guideTitle");
    QTest::addColumn<int>("columns");
    QTest::newRow("landlords")
        << ExportArchive::Locatori << "TfrmExpLocatori" << "frmExpLocatori"
        << " Esportazione archivio Locatori in Microsoft Excel" << "Archivio_Locatori.pro"
        << "Archivio_Locatori.xls" << "Archivio_Locatori.xlsx" << "Riepilogo Locatori"
        << "Esportazione archivio Locatori in Microsoft Excel" << 25;
    QTest::newRow("tenants")
        << ExportArchive::Conduttori << "TfrmExpConduttori" << "frmExpConduttori"
        << " Esportazione archivio Conduttori in Microsoft Excel" << "Archivio_Conduttori.pro"
        << "Archivio_Conduttori.xls" << "Archivio_Conduttori.xlsx" << "Riepilogo Conduttori"
        << "Esportazione archivio Conduttori in Microsoft Excel" << 23;
    QTest::newRow("contracts")
        << ExportArchive::Contratti << "TfrmExpContratti" << "frmExpContratti"
        << " Esportazione archivio contratti in Microsoft Excel" << "Archivio_Contratti.pro"
        << "Archivio_Contratti.xls" << "Archivio_Contratti.xlsx" << "Riepilogo Contratti Locazione"
        << "Esportazione archivio contratti in Microsoft Excel" << 25;
    QTest::newRow("receipts")
        << ExportArchive::Ricevute << "TfrmExpRic" << "frmExpRic"
        << " Esporta archivio ricevute in Microsoft Excel" << QString()
        << "Ricevute.xls" << "Ricevute.xlsx" << "Riepilogo Ricevute"
        << "Esportazione archivio ricevute in Microsoft Excel" << 7;
}

void TestExportTables::windowsAndFiles()
{
    QFETCH(ExportArchive, archive);
    const ExportDefinition &definition = ExportTables::definition(archive);
    QCOMPARE(definition.archive, archive);
    QTEST(QString::fromLatin1(definition.windowClass), "windowClass");
    QTEST(QString::fromLatin1(definition.windowName), "windowName");
    QTEST(QString::fromUtf8(definition.caption), "caption");
    QTEST(QString::fromLatin1(definition.archiveFile), "archiveFile");
    QTEST(QString::fromLatin1(definition.xlsFile), "xlsFile");
    QTEST(QString::fromLatin1(definition.xlsxFile), "xlsxFile");
    QTEST(QString::fromUtf8(definition.worksheet), "worksheet");
    QTEST(QString::fromUtf8(definition.guideTitle), "guideTitle");
    QTEST(definition.columnCount(), "columns");
    // The archive read is the record layout's own file.
    if (definition.archiveFile)
        QCOMPARE(definition.layout().archiveName(), QString::fromLatin1(definition.archiveFile));
}

void TestExportTables::everyColumnIsAField_data()
{
    addArchives();
}

void TestExportTables::everyColumnIsAField()
{
    QFETCH(ExportArchive, archive);
    const ExportDefinition &definition = ExportTables::definition(archive);
    for (const ExportColumn &column : definition.columns) {
        QVERIFY2(definition.layout().indexOf(QString::fromLatin1(column.field)) >= 0, column.field);
        QVERIFY2(column.width > 0, column.field);
        QVERIFY2(!column.headerText().isEmpty(), column.field);
    }
}

void TestExportTables::columns_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("gridHeader");
    QTest::addColumn<int>("width");
    QTest::newRow("landlord first") << ExportArchive::Locatori << 0 << "Locatore" << "Cognome e nome Locatore" << "Cognome e nome Locatore" << 280;
    QTest::newRow("landlord VAT") << ExportArchive::Locatori << 2 << "PartitaIvaLoc" << "Partita IVA" << "Partita IVA" << 250;
    QTest::newRow("landlord province") << ExportArchive::Locatori << 4 << "ProvDom" << "Prov." << "Prov." << 150;
    QTest::newRow("landlord postal code") << ExportArchive::Locatori << 15 << "CapImm" << "CAP" << "CAP" << 180;
    QTest::newRow("landlord municipality code") << ExportArchive::Locatori << 21 << "CodComune" << "Cod. Comune" << "Codice Comune" << 160;
    QTest::newRow("landlord last") << ExportArchive::Locatori << 24 << "Spese" << "Spese a carico del Conduttore" << "Spese a carico del Conduttore" << 400;
    QTest::newRow("tenant first") << ExportArchive::Conduttori << 0 << "Conduttore" << "Cognome e nome Conduttore" << "Cognome e nome Conduttore" << 280;
    QTest::newRow("tenant property") << ExportArchive::Conduttori << 12 << "TipoImm" << "Tipo immobile richiesto" << "Tipo immobile richiesto" << 260;
    QTest::newRow("tenant area") << ExportArchive::Conduttori << 15 << "Zona" << "Zona" << "Zona" << 280;
    QTest::newRow("tenant last") << ExportArchive::Conduttori << 22 << "Questioni" << "Questioni in sospeso" << "Questioni in sospeso" << 400;
    QTest::newRow("contract landlord code") << ExportArchive::Contratti << 1 << "CodFiscLoc" << "Codice fiscale Locatore" << "Codice fiscale Locatore" << 250;
    QTest::newRow("contract tenant postal code") << ExportArchive::Contratti << 7 << "CapCon" << "CAP" << "CAP" << 180;
    QTest::newRow("contract days") << ExportArchive::Contratti << 16 << "DurataCon" << "Giorni" << "Giorni" << 180;
    QTest::newRow("contract payment") << ExportArchive::Contratti << 21 << "Pagamento" << "Modalità di pagamento" << "Modalità di pagamento" << 400;
    QTest::newRow("contract notes") << ExportArchive::Contratti << 23 << "Pattuizioni" << "Note" << "Note" << 400;
    QTest::newRow("contract last") << ExportArchive::Contratti << 24 << "Data" << "Data stipula contratto" << "Data stipula contratto" << 200;
    QTest::newRow("receipt first") << ExportArchive::Ricevute << 0 << "NumRic" << "Ricevuta n." << "Ricevuta n." << 200;
    QTest::newRow("receipt payer") << ExportArchive::Ricevute << 3 << "Pagatore02" << "Pagatore (rigo 2)" << "Pagatore (rigo 2)" << 350;
    QTest::newRow("receipt total") << ExportArchive::Ricevute << 6 << "Intero" << "Totale: €" << "Totale: €" << 200;
}

void TestExportTables::columns()
{
    QFETCH(ExportArchive, archive);
    QFETCH(int, column);
    const ExportColumn &def = ExportTables::definition(archive).columns[column];
    QTEST(QString::fromLatin1(def.field), "field");
    QTEST(def.headerText(), "header");
    QTEST(def.gridHeaderText(), "gridHeader");
    QTEST(def.width, "width");
}

void TestExportTables::guideText_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<QString>("exported");
    QTest::addColumn<QString>("cards");
    QTest::newRow("landlords") << ExportArchive::Locatori << "tutti i Locatori registrati in archivio" << "tutte le schede";
    QTest::newRow("tenants") << ExportArchive::Conduttori << "tutti i Conduttori registrati in archivio" << "tutte le schede";
    QTest::newRow("contracts") << ExportArchive::Contratti << "tutti i contratti di locazione registrati in archivio" << "tutte le schede";
    QTest::newRow("receipts") << ExportArchive::Ricevute << "l'archivio annuale delle ricevute" << "le schede";
}

void TestExportTables::guideText()
{
    QFETCH(ExportArchive, archive);
    QFETCH(QString, exported);
    QFETCH(QString, cards);
    const QString expected =
        QStringLiteral("Il pulsante Esporta archivio consente di esportare ") + exported
        + QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
                         "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, "
                         "Libre Office o Microsoft Office).\r\n\r\n"
                         "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                         "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                         "contenente ")
        + cards
        + QStringLiteral(" in archivio, che potrà essere aperto immediatamente rispondendo affermativamente "
                         "al messaggio di domanda che appare.\r\n\r\n"
                         "A questo punto è sufficiente salvare il file sul proprio disco fisso "
                         "assegnandogli un nome qualsiasi.");
    QCOMPARE(QString::fromUtf8(ExportTables::definition(archive).guideText), expected);
}

QTEST_APPLESS_MAIN(TestExportTables)
#include "tst_exporttables.moc"
