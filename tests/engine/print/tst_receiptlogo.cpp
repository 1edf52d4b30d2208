#include "engine/receipts/DefaultLogo.h"
#include "engine/print/ReceiptLogo.h"
#include "engine/print/TemplatePictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The share of the picture's pixels that are clearly blue.
double blueShare(const QImage &image)
{
    qsizetype blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() > 128 && colour.blue() > 150 && colour.red() < 100 && colour.green() < 120)
                ++blue;
        }
    }
    return double(blue) / (qsizetype(image.width()) * image.height());
}

bool isWhite(const QColor &colour)
{
    return colour == QColor(Qt::white);
}

} // namespace

class TestReceiptLogo : public QObject
{
    Q_OBJECT
private slots:
    void defaultLogoIsABlueEuroOnWhite();
    void logoFileIsPrintedWhenReadable();
    void defaultLogoWhenTheFileCannotBeUsed_data();
    void defaultLogoWhenTheFileCannotBeUsed();
    void designPicturesHaveTheShapeOfTheirBoxes_data();
    void designPicturesHaveTheShapeOfTheirBoxes();
};

void TestReceiptLogo::defaultLogoIsABlueEuroOnWhite()
{
    const QImage logo = defaultLogoImage();
    QCOMPARE(logo.size(), QSize(297, 184));
    for (const QPoint &corner : {QPoint(0, 0), QPoint(296, 0), QPoint(0, 183), QPoint(296, 183)})
        QVERIFY(isWhite(logo.pixelColor(corner)));
    // A large sign: a good part of the picture, but far from all of it.
    const double share = blueShare(logo);
    QVERIFY2(share > 0.10 && share < 0.5, qPrintable(QString::number(share)));
}

void TestReceiptLogo::logoFileIsPrintedWhenReadable()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QImage own(40, 20, QImage::Format_RGB32);
    own.fill(Qt::red);
    const QString file = QDir(folder.path()).filePath(QStringLiteral("Logo.bmp"));
    QVERIFY(own.save(file, "BMP"));
    const QImage loaded = ReceiptLogo::load(file);
    QCOMPARE(loaded.size(), QSize(40, 20));
    QCOMPARE(loaded.pixelColor(10, 10), QColor(Qt::red));
}

void TestReceiptLogo::defaultLogoWhenTheFileCannotBeUsed_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("questo non è un BMP");
    QTest::newRow("a broken picture") << QByteArray("BM\x36\x00\x00\x00\x00\x00\x00\x00", 10);
}

void TestReceiptLogo::defaultLogoWhenTheFileCannotBeUsed()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = QDir(folder.path()).filePath(QStringLiteral("Logo.bmp"));
    if (!content.isEmpty()) {
        QFile broken(file);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(content);
    }
    const QImage logo = ReceiptLogo::load(file);
    QCOMPARE(logo.size(), QSize(297, 184));
    QCOMPARE(blueShare(logo), blueShare(defaultLogoImage()));
}

void TestReceiptLogo::designPicturesHaveTheShapeOfTheirBoxes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("boxAspect");  // width / height of the receipt's box
    QTest::addColumn<bool>("blue");
    QTest::newRow("euro sign") << "euro" << 9.4 / 9.0 << true;
    QTest::newRow("comma") << "comma" << 1.4 / 3.0 << false;
    QTest::newRow("scissors") << "scissors" << 9.4 / 9.0 << false;
}

void TestReceiptLogo::designPicturesHaveTheShapeOfTheirBoxes()
{
    QFETCH(QString, key);
    QFETCH(double, boxAspect);
    QFETCH(bool, blue);
    const QImage picture = TemplatePictures::byKey(key);
    QVERIFY(!picture.isNull());
    // They are stretched into their boxes: drawn in the boxes' shape, they
    // are not distorted.
    QVERIFY(qAbs(double(picture.width()) / picture.height() - boxAspect) < 0.05);
    // Transparent around the drawing, so the fill under them shows.
    QCOMPARE(picture.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(blueShare(picture) > 0.05, blue);
    QVERIFY(TemplatePictures::byKey(QStringLiteral("sconosciuto")).isNull());
}

QTEST_MAIN(TestReceiptLogo)
#include "tst_receiptlogo.moc"
