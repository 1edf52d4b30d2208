#include "engine/report/PictureFit.h"

#include <QTest>

using Report::Scaling;

Q_DECLARE_METATYPE(Report::Scaling)

class TestPictureFit : public QObject
{
    Q_OBJECT
private slots:
    void fittedPictureRect_data();
    void fittedPictureRect();
};

void TestPictureFit::fittedPictureRect_data()
{
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<Scaling>("scaling");
    QTest::addColumn<QRectF>("expected");

    // The receipt's logo box, 39.4 x 22.0 mm, and the default logo: the
    // height decides, 22 / 184 mm a pixel, so 35.51 mm across, centred.
    const double logoWidth = 297.0 * 22.0 / 184.0;
    QTest::newRow("wide picture, aspect kept") << QSize(297, 184) << QRectF(14.0, 14.0, 39.4, 22.0)
                                               << Scaling::KeepAspectRatio
                                               << QRectF(14.0 + (39.4 - logoWidth) / 2.0, 14.0, logoWidth, 22.0);
    QTest::newRow("very wide picture, aspect kept") << QSize(400, 100) << QRectF(0.0, 0.0, 40.0, 40.0)
                                                    << Scaling::KeepAspectRatio << QRectF(0.0, 15.0, 40.0, 10.0);
    QTest::newRow("tall picture, aspect kept") << QSize(100, 200) << QRectF(10.0, 20.0, 50.0, 50.0)
                                               << Scaling::KeepAspectRatio << QRectF(22.5, 20.0, 25.0, 50.0);
    QTest::newRow("same shape as the box") << QSize(20, 10) << QRectF(5.0, 5.0, 40.0, 20.0)
                                           << Scaling::KeepAspectRatio << QRectF(5.0, 5.0, 40.0, 20.0);
    QTest::newRow("stretched") << QSize(100, 200) << QRectF(10.0, 20.0, 50.0, 50.0)
                               << Scaling::Stretch << QRectF(10.0, 20.0, 50.0, 50.0);
    QTest::newRow("empty picture") << QSize(0, 0) << QRectF(10.0, 20.0, 50.0, 50.0)
                                   << Scaling::KeepAspectRatio << QRectF();
    QTest::newRow("empty picture, stretched") << QSize(0, 0) << QRectF(10.0, 20.0, 50.0, 50.0)
                                              << Scaling::Stretch << QRectF();
}

void TestPictureFit::fittedPictureRect()
{
    QFETCH(QSize, imageSize);
    QFETCH(QRectF, box);
    QFETCH(Scaling, scaling);
    QFETCH(QRectF, expected);
    const QRectF fitted = Report::fittedPictureRect(imageSize, box, scaling);
    QCOMPARE(fitted.isEmpty(), expected.isEmpty());
    if (expected.isEmpty())
        return;
    QCOMPARE(fitted.left(), expected.left());
    QCOMPARE(fitted.top(), expected.top());
    QCOMPARE(fitted.width(), expected.width());
    QCOMPARE(fitted.height(), expected.height());
}

QTEST_APPLESS_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
