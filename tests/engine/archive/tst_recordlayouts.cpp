#include "engine/archive/RecordLayouts.h"

#include <QTest>

// The layouts must match the files byte for byte: every offset below is the
// one other copies of the program read.
class TestRecordLayouts : public QObject
{
    Q_OBJECT
private slots:
    void sizes_data();
    void sizes();
    void offsets_data();
    void offsets();
    void encodeDecodeRoundTrip();
};

Q_DECLARE_METATYPE(const RecordLayout *)

void TestRecordLayouts::sizes_data()
{
    QTest::addColumn<const RecordLayout *>("layout");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<QString>("archive");
    QTest::newRow("landlords") << &RecordLayouts::locatore() << 47 << 3479 << "Archivio_Locatori.pro";
    QTest::newRow("tenants") << &RecordLayouts::conduttore() << 35 << 3628 << "Archivio_Conduttori.pro";
    QTest::newRow("contracts") << &RecordLayouts::contratto() << 46 << 2751 << "Archivio_Contratti.pro";
    QTest::newRow("receipts") << &RecordLayouts::ricevuta() << 15 << 1528 << "";
}

void TestRecordLayouts::sizes()
{
    QFETCH(const RecordLayout *, layout);
    QFETCH(int, fields);
    QFETCH(int, recordSize);
    QFETCH(QString, archive);
    QCOMPARE(layout->fieldCount(), fields);
    QCOMPARE(layout->archiveName(), archive);
    int runningSum = 0;
    for (int i = 0; i < layout->fieldCount(); ++i) {
        QCOMPARE(layout->offset(i), runningSum);
        QCOMPARE(layout->size(i), layout->capacity(i) + 1);
        QVERIFY(layout->capacity(i) >= 1 && layout->capacity(i) <= 250);
        runningSum += layout->size(i);
    }
    QCOMPARE(runningSum, recordSize);
    QCOMPARE(layout->recordSize(), recordSize);
    QCOMPARE(layout->offset(fields - 1) + layout->size(fields - 1), recordSize);
}

void TestRecordLayouts::offsets_data()
{
    QTest::addColumn<const RecordLayout *>("layout");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("capacity");
    const RecordLayout *loc = &RecordLayouts::locatore();
    const RecordLayout *con = &RecordLayouts::conduttore();
    const RecordLayout *ctr = &RecordLayouts::contratto();
    const RecordLayout *ric = &RecordLayouts::ricevuta();
    QTest::newRow("loc CodFiscLoc") << loc << "CodFiscLoc" << 53 << 16;
    QTest::newRow("loc ViaDom") << loc << "ViaDom" << 189 << 120;
    QTest::newRow("loc PartitaIvaLoc") << loc << "PartitaIvaLoc" << 367 << 11;
    QTest::newRow("loc Note") << loc << "Note" << 583 << 250;
    QTest::newRow("loc DataSca") << loc << "DataSca" << 998 << 10;
    QTest::newRow("loc ProvImm") << loc << "ProvImm" << 1111 << 2;
    QTest::newRow("loc Posti") << loc << "Posti" << 1544 << 50;
    QTest::newRow("loc Rendita") << loc << "Rendita" << 1691 << 30;
    QTest::newRow("loc Spese") << loc << "Spese" << 1722 << 250;
    QTest::newRow("loc File01") << loc << "File01" << 1973 << 250;
    QTest::newRow("loc Desc03") << loc << "Desc03" << 3228 << 250;
    QTest::newRow("con Note") << con << "Note" << 583 << 250;
    QTest::newRow("con Documento") << con << "Documento" << 834 << 250;
    QTest::newRow("con Zona") << con << "Zona" << 1190 << 50;
    QTest::newRow("con Persone") << con << "Persone" << 1569 << 250;
    QTest::newRow("con Questioni") << con << "Questioni" << 1871 << 250;
    QTest::newRow("con Desc03") << con << "Desc03" << 3377 << 250;
    QTest::newRow("ctr CodFiscLoc") << ctr << "CodFiscLoc" << 116 << 16;
    QTest::newRow("ctr Conduttore") << ctr << "Conduttore" << 314 << 50;
    QTest::newRow("ctr Persone") << ctr << "Persone" << 628 << 250;
    QTest::newRow("ctr Superficie") << ctr << "Superficie" << 1479 << 30;
    QTest::newRow("ctr DurataCon") << ctr << "DurataCon" << 1510 << 50;
    QTest::newRow("ctr FineCon") << ctr << "FineCon" << 1572 << 10;
    QTest::newRow("ctr Pagamento") << ctr << "Pagamento" << 1885 << 250;
    QTest::newRow("ctr ImpCauzione") << ctr << "ImpCauzione" << 2136 << 50;
    QTest::newRow("ctr Luogo") << ctr << "Luogo" << 2689 << 50;
    QTest::newRow("ctr Data") << ctr << "Data" << 2740 << 10;
    QTest::newRow("ric Importo") << ric << "Importo" << 42 << 8;
    QTest::newRow("ric CentLettere") << ric << "CentLettere" << 305 << 2;
    QTest::newRow("ric Intero") << ric << "Intero" << 308 << 11;
    QTest::newRow("ric Causale02") << ric << "Causale02" << 1277 << 250;
}

void TestRecordLayouts::offsets()
{
    QFETCH(const RecordLayout *, layout);
    QFETCH(QString, field);
    QFETCH(int, offset);
    QFETCH(int, capacity);
    const int index = layout->indexOf(field);
    QVERIFY(index >= 0);
    QCOMPARE(layout->offset(index), offset);
    QCOMPARE(layout->capacity(index), capacity);
}

void TestRecordLayouts::encodeDecodeRoundTrip()
{
    const RecordLayout &layout = RecordLayouts::contratto();
    QStringList texts;
    for (int i = 0; i < layout.fieldCount(); ++i)
        texts.append(QStringLiteral("  v%1 ").arg(i));
    texts[layout.indexOf(QStringLiteral("Persone"))] = QString(300, QLatin1Char('x'));
    const QByteArray record = layout.encode(texts);
    QCOMPARE(record.size(), layout.recordSize());

    // The date of signing sits at its own offset: length 3, then "v45".
    QCOMPARE(static_cast<int>(record.at(2740)), 3);
    QCOMPARE(record.mid(2741, 3), QByteArray("v45"));

    const QStringList back = layout.decode(record);
    QCOMPARE(back.size(), layout.fieldCount());
    QCOMPARE(back.at(0), QStringLiteral("v0"));
    QCOMPARE(back.at(layout.indexOf(QStringLiteral("Persone"))), QString(250, QLatin1Char('x')));

    // An all-empty record is valid and loads as an empty card.
    const QStringList empty = layout.decode(QByteArray(layout.recordSize(), '\0'));
    for (const QString &text : empty)
        QVERIFY(text.isEmpty());
}

QTEST_APPLESS_MAIN(TestRecordLayouts)
#include "tst_recordlayouts.moc"
