#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestFiles.h"
#include "TestChild.h"
#include "engine/backup/Backup.h"
#include "engine/zip/ZipReader.h"
#include "widgets/app/TfrmAvvio.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The home window's backup and restore icons, driven as the user does: the
// dialogs and questions answered by the test platform.

class TestBackupIcons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup();

    void iconsAreThereWithTheirHints_data();
    void iconsAreThereWithTheirHints();
    void backupGoesToTheChosenFolder_data();
    void backupGoesToTheChosenFolder();
    void restoreAsksFirst_data();
    void restoreAsksFirst();

private:
    void click(const QString &icon) { QTest::mouseClick(TestTools::child<QWidget>(m_home.get(), icon), Qt::LeftButton); }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TfrmAvvio> m_home;
    std::unique_ptr<QTemporaryDir> m_outside;
};

void TestBackupIcons::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_outside = std::make_unique<QTemporaryDir>();
    QVERIFY(TestFiles::write(m_platform->filePath(QStringLiteral("unins000.dll")), "[Accesso]\r\nValore=abc\r\n"));
    QVERIFY(TestFiles::write(m_platform->filePath(QStringLiteral("Rovoziv.ini")), "[Contratti Locazione]\r\nLuogo=Rimini\r\n"));
    m_home = std::make_unique<TfrmAvvio>();
    QVERIFY(CardTestTools::showAndActivate(m_home.get()));
}

void TestBackupIcons::cleanup()
{
    m_home.reset();
    m_outside.reset();
    m_platform.reset();
}

void TestBackupIcons::iconsAreThereWithTheirHints_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("hintStart");

    QTest::newRow("backup") << "imgCopia" << "Copia di sicurezza:";
    QTest::newRow("restore") << "imgRipristina" << "Ripristina copia:";
}

void TestBackupIcons::iconsAreThereWithTheirHints()
{
    QFETCH(QString, icon);
    QFETCH(QString, hintStart);

    auto *picture = TestTools::child<QLabel>(m_home.get(), icon);
    QVERIFY(!picture->pixmap().isNull());
    QVERIFY(picture->isEnabled());
    QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY2(picture->toolTip().startsWith(hintStart), qPrintable(picture->toolTip()));
    // On the window, clear of the other icons of its row.
    for (const char *other : {"imgInfo", "imgGuida", "icoTitolo"})
        QVERIFY(!picture->geometry().intersects(TestTools::child<QWidget>(m_home.get(), QLatin1String(other))->geometry()));
}

void TestBackupIcons::backupGoesToTheChosenFolder_data()
{
    QTest::addColumn<QString>("folder");   // "" cancels, "missing" a folder that is not there
    QTest::addColumn<int>("messageKind");  // -1: no message

    QTest::newRow("chosen") << "scelta" << int(MessageKind::Information);
    QTest::newRow("cancelled") << "" << -1;
    QTest::newRow("a folder that cannot be written") << "missing" << int(MessageKind::Error);
}

void TestBackupIcons::backupGoesToTheChosenFolder()
{
    QFETCH(QString, folder);
    QFETCH(int, messageKind);

    QString chosen;
    if (folder == QLatin1String("scelta"))
        chosen = m_outside->path();
    else if (folder == QLatin1String("missing"))
        chosen = m_outside->filePath(QStringLiteral("non/esiste"));
    m_platform->folderChoices = {chosen};
    click(QStringLiteral("imgCopia"));

    QCOMPARE(m_platform->folderDialogTitles, QStringList{QStringLiteral("Copia di sicurezza")});
    const QString zip = QDir(chosen).filePath(QStringLiteral("Vacanzio 2026-12-09 10-30.zip"));
    if (messageKind < 0) {
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(QDir(m_outside->path()).isEmpty());
        return;
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(int(m_platform->lastMessage().kind), messageKind);
    if (messageKind == int(MessageKind::Information)) {
        QVERIFY(m_platform->lastMessage().text.endsWith(QDir::toNativeSeparators(zip)));
        ZipReader reader(zip);
        QVERIFY(reader.verifyAll());
        QCOMPARE(reader.read(QStringLiteral("Rovoziv.ini")).value_or(QByteArray()),
                 TestFiles::read(m_platform->filePath(QStringLiteral("Rovoziv.ini"))));
    } else {
        QVERIFY(m_platform->lastMessage().text.startsWith(QLatin1String("Attenzione:")));
        QVERIFY(QDir(m_outside->path()).isEmpty());
    }
}

void TestBackupIcons::restoreAsksFirst_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("restored");

    QTest::newRow("yes") << false << true << true;
    QTest::newRow("no") << false << false << false;
    QTest::newRow("damaged: refused before asking") << true << true << false;
}

void TestBackupIcons::restoreAsksFirst()
{
    QFETCH(bool, damaged);
    QFETCH(bool, answer);
    QFETCH(bool, restored);

    const QString zip = m_outside->filePath(QStringLiteral("copia.zip"));
    QVERIFY(Backup::write(m_platform->folder(), zip));
    if (damaged) {
        QByteArray bytes = TestFiles::read(zip);
        bytes.chop(10);
        QVERIFY(TestFiles::write(zip, bytes));
    }
    const QByteArray backedUp = TestFiles::read(m_platform->filePath(QStringLiteral("Rovoziv.ini")));
    const QByteArray changed = "[Contratti Locazione]\r\nLuogo=Cesena\r\n";
    QVERIFY(TestFiles::write(m_platform->filePath(QStringLiteral("Rovoziv.ini")), changed));

    m_platform->fileChoices = {zip};
    m_platform->answers = {answer};
    click(QStringLiteral("imgRipristina"));

    QCOMPARE(m_platform->fileDialogTitles, QStringList{QStringLiteral("Ripristina copia")});
    if (damaged) {
        QVERIFY(m_platform->questions.isEmpty());
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->lastMessage().kind, MessageKind::Error);
    } else {
        QCOMPARE(m_platform->questions.size(), 1);
        QVERIFY2(m_platform->questions.constFirst().contains(QLatin1String("Rovoziv.ini: ")),
                 qPrintable(m_platform->questions.constFirst()));
        QVERIFY(m_platform->questions.constFirst().contains(QLatin1String("\"Sostituiti 2026-12-09 10-30\"")));
        // Replacing every file is not what Enter should do.
        QCOMPARE(m_platform->questionDefaults, QList<DefaultAnswer>{DefaultAnswer::No});
        QCOMPARE(m_platform->messages.size(), restored ? 1 : 0);
    }
    QCOMPARE(TestFiles::read(m_platform->filePath(QStringLiteral("Rovoziv.ini"))), restored ? backedUp : changed);
    const QString replaced = m_platform->filePath(QStringLiteral("Sostituiti 2026-12-09 10-30/Rovoziv.ini"));
    QCOMPARE(QFileInfo::exists(replaced), restored);
    if (restored) {
        QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
        QCOMPARE(TestFiles::read(replaced), changed);
    }
}

QTEST_MAIN(TestBackupIcons)
#include "tst_backupicons.moc"
