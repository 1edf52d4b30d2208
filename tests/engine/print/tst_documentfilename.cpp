#include "engine/print/DocumentFileName.h"

#include <QTest>

class TestDocumentFileName : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
};

void TestDocumentFileName::names_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("name");

    QTest::newRow("contract") << "Contratto" << "  ROSSI MARIO " << "Contratto ROSSI MARIO.pdf";
    QTest::newRow("receipt number with a slash") << "Ricevuta n." << "12/2026" << "Ricevuta n. 12_2026.pdf";
    QTest::newRow("every refused character") << "Scheda" << "a\\b:c*d?e\"f<g>h|i" << "Scheda a_b_c_d_e_f_g_h_i.pdf";
    QTest::newRow("no data") << "Scheda" << "   " << "Scheda.pdf";
    QTest::newRow("accents kept") << "Scheda" << "NICOLÒ D'ANGELO" << "Scheda NICOLÒ D'ANGELO.pdf";
    QTest::newRow("tab inside") << "Scheda" << "A\tB" << "Scheda A_B.pdf";
}

void TestDocumentFileName::names()
{
    QFETCH(QString, words);
    QFETCH(QString, data);
    QFETCH(QString, name);
    QCOMPARE(DocumentFileName::pdfName(words, data), name);
}

QTEST_APPLESS_MAIN(TestDocumentFileName)
#include "tst_documentfilename.moc"
