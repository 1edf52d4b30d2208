#include "widgets/platform/QtPlatform.h"

#include <QTest>

class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void qtFileFilter_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("qt");

        QTest::newRow("logo pictures")
            << "Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"
            << "Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)";
        QTest::newRow("description without brackets")
            << "Documenti PDF|*.pdf" << "Documenti PDF (*.pdf)";
        QTest::newRow("brackets that differ from the patterns")
            << "Fogli (vecchi)|*.xls" << "Fogli (*.xls)";
        QTest::newRow("blanks between the patterns")
            << "Testi| *.txt ; *.log |Tutti i file|*.*" << "Testi (*.txt *.log);;Tutti i file (*.*)";
        QTest::newRow("description empty") << "|*.bmp" << "*.bmp (*.bmp)";
        QTest::newRow("description left without patterns")
            << "Immagine Bitmap (*.bmp)|*.bmp|Tutti (*.*)" << "Immagine Bitmap (*.bmp);;Tutti (*.*)";
        QTest::newRow("Qt's form passes unchanged")
            << "Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"
            << "Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)";
        QTest::newRow("no filter") << "" << "";
    }

    void qtFileFilter()
    {
        QFETCH(QString, program);
        QFETCH(QString, qt);
        QCOMPARE(QtPlatform::qtFileFilter(program), qt);
    }

    void qtDefaultSuffix_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("qt");

        QTest::newRow("several") << "JPG,JPEG,BMP" << "jpg";
        QTest::newRow("one") << "PDF" << "pdf";
        QTest::newRow("blanks and a dot") << " .Bmp , jpg" << "bmp";
        QTest::newRow("none") << "" << "";
    }

    void qtDefaultSuffix()
    {
        QFETCH(QString, program);
        QFETCH(QString, qt);
        QCOMPARE(QtPlatform::qtDefaultSuffix(program), qt);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
