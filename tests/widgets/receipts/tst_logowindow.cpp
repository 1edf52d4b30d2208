#include "CardTestTools.h"
#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "engine/receipts/DefaultLogo.h"
#include "widgets/receipts/TfrmLogo.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <memory>

using CardTestTools::control;

namespace {

const QString LogoName = QStringLiteral("Logo.bmp");

// The fake platform, also keeping what the file dialog was given.
class LogoPlatform : public FakePlatform
{
public:
    QString chooseFileToOpen(const QString &title, const QString &filter,
                             const QString &defaultSuffix) override
    {
        filters.append(filter);
        suffixes.append(defaultSuffix);
        return FakePlatform::chooseFileToOpen(title, filter, defaultSuffix);
    }

    QStringList filters;
    QStringList suffixes;
};

// A picture unlike both built-in ones: red on the left, green on the right.
QImage twoColourPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = size.width() / 2; x < size.width(); ++x)
            picture.setPixelColor(x, y, Qt::green);
    }
    return picture;
}

bool sameColour(QColor a, QColor b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

bool samePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestLogoWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAndControls();
    void builtInPictures();
    void showsTheSavedLogo();
    void defaultWhenNoReadableLogo_data();
    void defaultWhenNoReadableLogo();
    void chosenPictureIsSavedAsBitmap_data();
    void chosenPictureIsSavedAsBitmap();
    void fileDialogIsAskedExactly();
    void cancelledDialogChangesNothing();
    void unreadableChoiceGivesTheDefault();
    void builtInPictureButtons_data();
    void builtInPictureButtons();
    void annullaSavesNothing();
    void failedSaveKeepsTheOldLogo_data();
    void failedSaveKeepsTheOldLogo();

private:
    TfrmLogo *openWindow();
    void writeFile(const QString &name, const QByteArray &bytes);
    QToolButton *pictureButton(const char *name)
    {
        return control<QToolButton>(m_window.get(), QString::fromLatin1(name));
    }
    QPushButton *button(const char *name)
    {
        return control<QPushButton>(m_window.get(), QString::fromLatin1(name));
    }
    QImage shownPicture() { return control<QLabel>(m_window.get(), QStringLiteral("imgLogo"))->pixmap().toImage(); }
    QString logoPath() const { return m_platform->filePath(LogoName); }

    std::unique_ptr<LogoPlatform> m_platform;
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<TfrmLogo> m_window;
};

void TestLogoWindow::init()
{
    m_platform = std::make_unique<LogoPlatform>();
    m_owner = std::make_unique<QWidget>();
}

void TestLogoWindow::cleanup()
{
    m_window.reset();
    m_owner.reset();
    m_platform.reset();
}

TfrmLogo *TestLogoWindow::openWindow()
{
    m_window = std::make_unique<TfrmLogo>(m_owner.get());
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        QTest::qFail("the logo window was not shown", __FILE__, __LINE__);
    return m_window.get();
}

void TestLogoWindow::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_platform->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestLogoWindow::windowAndControls()
{
    openWindow();
    QCOMPARE(m_window->objectName(), QStringLiteral("frmLogo"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Impostazione logo"));
    QVERIFY(m_window->windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(m_window->windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());

    QCOMPARE(control(m_window.get(), QStringLiteral("imgLogo"))->size(), QSize(297, 184));
    QCOMPARE(button("btnSfoglia")->text(), QStringLiteral("Sfoglia..."));
    QCOMPARE(button("btnApplica")->text(), QStringLiteral("Applica e chiudi"));
    QCOMPARE(button("btnAnnulla")->text(), QStringLiteral("Annulla"));
    QVERIFY(!pictureButton("btnCancLogo")->icon().isNull());
    QVERIFY(!pictureButton("imgEuro")->icon().isNull());
    QCOMPARE(pictureButton("btnCancLogo")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(pictureButton("imgEuro")->cursor().shape(), Qt::PointingHandCursor);

    const QString instruction = control<QLabel>(m_window.get(), QStringLiteral("imgTitolo"))->text();
    const qsizetype titleAt = instruction.indexOf(QStringLiteral("IMPOSTAZIONE LOGO"));
    const qsizetype sentenceAt = instruction.indexOf(QStringLiteral(
        "Caricare il logo della Ditta in formato Jpeg o Bitmap con dimensioni uguali a 297x184 pixel."));
    QVERIFY2(titleAt >= 0, qPrintable(instruction));
    QVERIFY2(sentenceAt > titleAt, qPrintable(instruction));
}

void TestLogoWindow::builtInPictures()
{
    const QImage logo = defaultLogoImage();
    QCOMPARE(logo.size(), QSize(297, 184));
    QVERIFY(!logo.hasAlphaChannel());
    // White all round; a large blue sign in the middle, and nothing but
    // white and shades between white and that blue.
    for (const QPoint corner : {QPoint(0, 0), QPoint(296, 0), QPoint(0, 183), QPoint(296, 183)})
        QCOMPARE(logo.pixelColor(corner), QColor(Qt::white));
    int blue = 0;
    int other = 0;
    QRect drawn;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = logo.pixelColor(x, y);
            if (c != QColor(Qt::white))
                drawn |= QRect(x, y, 1, 1);
            if (c.blue() > 120 && c.red() < 60 && c.green() < 100)
                ++blue;
            else if (c.blue() < c.red() || c.blue() < c.green())
                ++other;
        }
    }
    QVERIFY2(blue > logo.width() * logo.height() / 10, qPrintable(QString::number(blue)));
    QCOMPARE(other, 0);
    // Centred, and as tall as the logo allows but for a margin.
    const QPoint offset = drawn.center() - logo.rect().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    QVERIFY2(drawn.height() >= logo.height() * 2 / 3, qPrintable(QString::number(drawn.height())));

    const QImage blank = blankLogoImage();
    QCOMPARE(blank.size(), QSize(2, 2));
    for (const QPoint pixel : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        QCOMPARE(blank.pixelColor(pixel), QColor(Qt::white));
}

void TestLogoWindow::showsTheSavedLogo()
{
    const QImage saved = twoColourPicture(QSize(120, 60));
    QVERIFY(saved.save(logoPath(), "BMP"));

    openWindow();

    QVERIFY(samePixels(m_window->currentLogo(), saved));
    QVERIFY(samePixels(shownPicture(), saved));
}

void TestLogoWindow::defaultWhenNoReadableLogo_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::newRow("no Logo.bmp") << QByteArray();
    QTest::newRow("garbage bytes") << QByteArray("this is not a picture at all\x01\x02\x03", 31);
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("bitmap header only") << QByteArray("BM\x36\x00\x00\x00", 6);
}

void TestLogoWindow::defaultWhenNoReadableLogo()
{
    QFETCH(QByteArray, contents);
    if (!contents.isNull())
        writeFile(LogoName, contents);

    openWindow();

    QVERIFY(samePixels(m_window->currentLogo(), defaultLogoImage()));
    QVERIFY(samePixels(shownPicture(), defaultLogoImage()));
}

void TestLogoWindow::chosenPictureIsSavedAsBitmap_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("JPEG, logo size") << "ditta.jpg" << QByteArray("JPEG") << QSize(297, 184);
    QTest::newRow("JPEG, other size") << "ditta.jpeg" << QByteArray("JPEG") << QSize(400, 100);
    QTest::newRow("bitmap") << "ditta.bmp" << QByteArray("BMP") << QSize(150, 90);
    // The contents decide, not the name.
    QTest::newRow("JPEG named .bmp") << "ditta.bmp" << QByteArray("JPEG") << QSize(200, 120);
}

void TestLogoWindow::chosenPictureIsSavedAsBitmap()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    const QString chosen = m_platform->filePath(fileName);
    QVERIFY(twoColourPicture(size).save(chosen, format.constData(), 95));
    // An older logo that the new one replaces.
    QVERIFY(blankLogoImage().save(logoPath(), "BMP"));
    openWindow();
    m_platform->fileChoices = {chosen};

    button("btnSfoglia")->click();
    QCOMPARE(m_window->currentLogo().size(), size);
    button("btnApplica")->click();

    QVERIFY(!m_window->isVisible());
    const QByteArray saved = TestFiles::read(logoPath());
    QVERIFY(saved.startsWith("BM"));
    QVERIFY(!saved.startsWith("\xFF\xD8"));
    QBuffer buffer;
    buffer.setData(saved);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage reread = reader.read();
    QCOMPARE(reread.size(), size);
    // The picture itself went through, not only its size.
    QVERIFY(sameColour(reread.pixelColor(2, 2), Qt::red));
    QVERIFY(sameColour(reread.pixelColor(size.width() - 3, size.height() - 3), Qt::green));
    // Nothing left behind beside it.
    const QStringList files = QDir(m_platform->folder()).entryList(QDir::Files);
    QCOMPARE(files.size(), 2);
}

void TestLogoWindow::fileDialogIsAskedExactly()
{
    openWindow();

    button("btnSfoglia")->click();

    QCOMPARE(m_platform->fileDialogTitles,
             QStringList{QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.")});
    QCOMPARE(m_platform->filters,
             QStringList{QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp")});
    QCOMPARE(m_platform->suffixes, QStringList{QStringLiteral("JPG,JPEG,BMP")});
}

void TestLogoWindow::cancelledDialogChangesNothing()
{
    const QImage saved = twoColourPicture(QSize(80, 40));
    QVERIFY(saved.save(logoPath(), "BMP"));
    const QByteArray before = TestFiles::read(logoPath());
    openWindow();
    pictureButton("btnCancLogo")->click();

    button("btnSfoglia")->click(); // no answer queued: cancelled

    QCOMPARE(m_platform->fileDialogTitles.size(), 1);
    QVERIFY(m_window->isVisible());
    QVERIFY(samePixels(m_window->currentLogo(), blankLogoImage()));
    QCOMPARE(TestFiles::read(logoPath()), before);
}

void TestLogoWindow::unreadableChoiceGivesTheDefault()
{
    writeFile(QStringLiteral("rotto.jpg"), QByteArray("\xFF\xD8\xFF\xE0 truncated", 15));
    openWindow();
    pictureButton("btnCancLogo")->click();
    m_platform->fileChoices = {m_platform->filePath(QStringLiteral("rotto.jpg"))};

    button("btnSfoglia")->click();

    QVERIFY(samePixels(m_window->currentLogo(), defaultLogoImage()));
    QVERIFY(samePixels(shownPicture(), defaultLogoImage()));
}

void TestLogoWindow::builtInPictureButtons_data()
{
    QTest::addColumn<QByteArray>("buttonName");
    QTest::addColumn<QImage>("expected");
    QTest::newRow("eraser: blank") << QByteArray("btnCancLogo") << blankLogoImage();
    QTest::newRow("euro: default") << QByteArray("imgEuro") << defaultLogoImage();
}

void TestLogoWindow::builtInPictureButtons()
{
    QFETCH(QByteArray, buttonName);
    QFETCH(QImage, expected);
    // Start from a logo unlike either built-in picture.
    QVERIFY(twoColourPicture(QSize(60, 30)).save(logoPath(), "BMP"));
    openWindow();

    pictureButton(buttonName.constData())->click();
    QVERIFY(samePixels(m_window->currentLogo(), expected));
    QVERIFY(samePixels(shownPicture(), expected));
    button("btnApplica")->click();

    QVERIFY(TestFiles::read(logoPath()).startsWith("BM"));
    const QImage saved(logoPath(), "BMP");
    QCOMPARE(saved.size(), expected.size());
    QVERIFY(samePixels(saved, expected));
}

void TestLogoWindow::annullaSavesNothing()
{
    openWindow();
    pictureButton("btnCancLogo")->click();

    button("btnAnnulla")->click();

    QVERIFY(!m_window->isVisible());
    QVERIFY(!QFile::exists(logoPath()));
}

void TestLogoWindow::failedSaveKeepsTheOldLogo_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<int>("room");  // bytes the full disk still takes

    QTest::newRow("disk full") << true << QSize(297, 184) << 4096;
    // A small logo stays in the file's buffer until the file is closed.
    QTest::newRow("disk full at the last bytes of a small logo") << true << QSize(40, 30) << 1000;
    QTest::newRow("name taken by a folder") << false << QSize(297, 184) << 0;
}

void TestLogoWindow::failedSaveKeepsTheOldLogo()
{
    QFETCH(bool, diskFull);
    QFETCH(QSize, pictureSize);
    QFETCH(int, room);
    QByteArray before;
    if (diskFull) {
        QVERIFY(blankLogoImage().save(logoPath(), "BMP"));
        before = TestFiles::read(logoPath());
    } else {
        QVERIFY(QDir(m_platform->folder()).mkdir(LogoName));
    }
    openWindow();
    // A picture the full disk has no room for, and that is not the default.
    const QString chosen = m_platform->filePath(QStringLiteral("grande.bmp"));
    QVERIFY(twoColourPicture(pictureSize).save(chosen, "BMP"));
    m_platform->fileChoices = {chosen};
    button("btnSfoglia")->click();
    QVERIFY(samePixels(m_window->currentLogo(), twoColourPicture(pictureSize)));

    {
        std::unique_ptr<FileSizeLimit> limit;
        if (diskFull) {
            limit = std::make_unique<FileSizeLimit>(static_cast<rlim_t>(room));
            QVERIFY(limit->isActive());
        }
        button("btnApplica")->click();
    }

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Rejected));
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(samePixels(m_window->currentLogo(), defaultLogoImage()));
    QVERIFY(samePixels(shownPicture(), defaultLogoImage()));
    if (diskFull)
        QCOMPARE(TestFiles::read(logoPath()), before);
    else
        QVERIFY(QFileInfo(logoPath()).isDir());
    // No half-written file left beside it.
    const QStringList expectedFiles = diskFull
        ? QStringList{QStringLiteral("grande.bmp"), QStringLiteral("Logo.bmp")}
        : QStringList{QStringLiteral("grande.bmp")};
    QCOMPARE(QDir(m_platform->folder()).entryList(QDir::Files), expectedFiles);
}

QTEST_MAIN(TestLogoWindow)
#include "tst_logowindow.moc"
