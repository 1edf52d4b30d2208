#include "engine/export/ExportTableModel.h"
#include "engine/export/ExportTables.h"

#include <QSignalSpy>
#include <QTest>

// The grid's model: "N." and the row number, then the exported fields under
// their grid headers.
class TestExportTableModel : public QObject
{
    Q_OBJECT
private slots:
    void headers_data();
    void headers();
    void cells();
    void emptyUntilRowsAreSet();
    void newRowsResetTheModel();
};

Q_DECLARE_METATYPE(ExportArchive)

void TestExportTableModel::headers_data()
{
    QTest::addColumn<ExportArchive>("archive");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("header");
    QTest::newRow("number") << ExportArchive::Locatori << 26 << 0 << "N.";
    QTest::newRow("landlord first") << ExportArchive::Locatori << 26 << 1 << "Cognome e nome Locatore";
    QTest::newRow("grid's own header") << ExportArchive::Locatori << 26 << 22 << "Codice Comune";
    QTest::newRow("landlord last") << ExportArchive::Locatori << 26 << 25 << "Spese a carico del Conduttore";
    QTest::newRow("tenant last") << ExportArchive::Conduttori << 24 << 23 << "Questioni in sospeso";
    QTest::newRow("contract payment") << ExportArchive::Contratti << 26 << 22 << "Modalità di pagamento";
    QTest::newRow("receipt number") << ExportArchive::Ricevute << 8 << 0 << "N.";
    QTest::newRow("receipt total") << ExportArchive::Ricevute << 8 << 7 << "Totale: €";
}

void TestExportTableModel::headers()
{
    QFETCH(ExportArchive, archive);
    QFETCH(int, column);
    ExportTableModel model(ExportTables::definition(archive));
    QTEST(model.columnCount(), "columns");
    QTEST(model.headerData(column, Qt::Horizontal).toString(), "header");
}

void TestExportTableModel::cells()
{
    const ExportDefinition &receipts = ExportTables::definition(ExportArchive::Ricevute);
    ExportTableModel model(receipts);
    ExportRows rows(receipts.columnCount());
    rows.appendRow({"0012", "05/01/2026", "  Rossi  ", "", "Affitto", "", "1,00 €"});
    rows.appendRow({"13", "06/01/2026", "Città"});
    model.setRows(rows);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("2"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("0012"));
    QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("Rossi"));
    QCOMPARE(model.index(0, 7).data().toString(), QStringLiteral("1,00 €"));
    QCOMPARE(model.index(1, 3).data().toString(), QStringLiteral("Città"));
    QCOMPARE(model.index(1, 7).data().toString(), QString());
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(!model.index(2, 0).isValid());
}

void TestExportTableModel::emptyUntilRowsAreSet()
{
    ExportTableModel model(ExportTables::definition(ExportArchive::Contratti));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 26);
    // A table has no children.
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
}

void TestExportTableModel::newRowsResetTheModel()
{
    const ExportDefinition &receipts = ExportTables::definition(ExportArchive::Ricevute);
    ExportTableModel model(receipts);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    ExportRows rows(receipts.columnCount());
    rows.appendRow({"1"});
    model.setRows(rows);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 1);
    model.setRows(ExportRows(receipts.columnCount()));
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestExportTableModel)
#include "tst_exporttablemodel.moc"
