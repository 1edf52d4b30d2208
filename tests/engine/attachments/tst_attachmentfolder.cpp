#include "FileSizeLimit.h"
#include "engine/attachments/AttachmentFolder.h"
#include "engine/attachments/AttachmentName.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Bytes that differ from one position to the next, so that a copy that
// drops or repeats a chunk cannot pass for the original.
QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

} // namespace

class TestAttachmentFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void safeNames_data();
    void safeNames();
    void storableNames_data();
    void storableNames();
    void numberedNamesFit_data();
    void numberedNamesFit();
    void pathsStayInTheFolder_data();
    void pathsStayInTheFolder();
    void openCommandIsTheQuotedNativePath();
    void copyCreatesTheFolderAndCopiesEveryByte_data();
    void copyCreatesTheFolderAndCopiesEveryByte();
    void copyReplacesAFileOfTheSameName();
    void copyUnderAnUnsafeNameWritesNothing_data();
    void copyUnderAnUnsafeNameWritesNothing();
    void missingSourceLeavesNoFile();
    void shortWriteLeavesTheOldFileAndNoHalfCopy_data();
    void shortWriteLeavesTheOldFileAndNoHalfCopy();
    void linksLeadingOutsideAreRefused_data();
    void linksLeadingOutsideAreRefused();
    void linkToAFileOfTheFolderIsFollowed();

private:
    QString programFolder() const { return m_dir->path() + QLatin1Char('/'); }
    QString attachments() const { return m_dir->path() + QStringLiteral("/Documenti_Allegati"); }
    QString outside(const QString &name) const { return m_outside->path() + QLatin1Char('/') + name; }
    QStringList folderEntries() const
    {
        return QDir(attachments()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    // Every file under the program folder, relative to it.
    QStringList allFiles() const
    {
        QStringList files;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(m_dir->path()).relativeFilePath(it.next()));
        files.sort();
        return files;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_outside;  // where the user's own files are
};

void TestAttachmentFolder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_outside = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(m_outside->isValid());
}

void TestAttachmentFolder::cleanup()
{
    m_dir.reset();
    m_outside.reset();
}

void TestAttachmentFolder::safeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");

    QTest::newRow("plain") << "contratto.pdf" << true;
    QTest::newRow("blanks and accents") << QStringLiteral("carta d'identità Rossi.jpg") << true;
    QTest::newRow("no extension") << "LEGGIMI" << true;
    QTest::newRow("dots inside") << "atto..2024.pdf" << true;
    QTest::newRow("leading dot") << ".nascosto" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("dots alone") << "..." << false;
    QTest::newRow("parent, slash") << "../Archivio_Locatori.pro" << false;
    QTest::newRow("parent, backslash") << "..\\Archivio_Locatori.pro" << false;
    QTest::newRow("subfolder") << "sub/doc.pdf" << false;
    QTest::newRow("subfolder, backslash") << "sub\\doc.pdf" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("ends with a slash") << "doc/" << false;
    QTest::newRow("drive path") << "C:\\Windows\\win.ini" << false;
    QTest::newRow("drive relative") << "C:win.ini" << false;
    QTest::newRow("stream") << "doc.pdf:nascosto" << false;
    QTest::newRow("UNC") << "\\\\server\\share\\x" << false;
    QTest::newRow("control character") << QStringLiteral("doc\tpdf") << false;
}

void TestAttachmentFolder::safeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(AttachmentName::isSafe(name), safe);
}

void TestAttachmentFolder::storableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("storable");

    const QString x250 = QString(250, QLatin1Char('x'));
    QTest::newRow("plain, unchanged") << "contratto.pdf" << "contratto.pdf";
    QTest::newRow("Windows-1252 accents and euro") << QStringLiteral("Città € è.pdf") << QStringLiteral("Città € è.pdf");
    QTest::newRow("outside the code page") << QStringLiteral("Δόμος ☃.jpg") << QStringLiteral("_____ _.jpg");
    QTest::newRow("outside the BMP") << QStringLiteral("foto 😀.jpg") << QStringLiteral("foto _.jpg");
    QTest::newRow("colon, backslash, tab") << QStringLiteral("a:b\\c\td.pdf") << QStringLiteral("a_b_c_d.pdf");
    QTest::newRow("blanks the record trims") << "  doc.pdf " << "doc.pdf";
    QTest::newRow("dots alone") << ".." << "_..";
    QTest::newRow("exactly 250") << x250 << x250;
    QTest::newRow("251, extension kept") << x250 + QStringLiteral("y.pdf") << QString(246, QLatin1Char('x')) + QStringLiteral(".pdf");
    QTest::newRow("long extension is cut like a name") << QStringLiteral("a.") + x250 << QStringLiteral("a.") + QString(248, QLatin1Char('x'));
    // Letters of two bytes each: within the record, not within the disk.
    QTest::newRow("too long for the disk") << QString(130, QChar(0xE8)) + QStringLiteral(".txt")
                                           << QString(125, QChar(0xE8)) + QStringLiteral(".txt");
}

void TestAttachmentFolder::storableNames()
{
    QFETCH(QString, name);
    QFETCH(QString, storable);
    QCOMPARE(AttachmentName::storable(name), storable);
    QVERIFY(AttachmentName::isSafe(storable));
}

void TestAttachmentFolder::numberedNamesFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("numbered");

    QTest::newRow("with extension") << "doc.pdf" << 2 << "doc (2).pdf";
    QTest::newRow("without") << "LEGGIMI" << 12 << "LEGGIMI (12)";
    QTest::newRow("cut to fit") << QString(246, QLatin1Char('x')) + QStringLiteral(".pdf") << 3
                                << QString(242, QLatin1Char('x')) + QStringLiteral(" (3).pdf");
}

void TestAttachmentFolder::numberedNamesFit()
{
    QFETCH(QString, name);
    QFETCH(int, n);
    QFETCH(QString, numbered);
    QCOMPARE(AttachmentName::numbered(name, n), numbered);
}

void TestAttachmentFolder::pathsStayInTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");

    QTest::newRow("bare name") << "doc.pdf" << true;
    QTest::newRow("parent") << "../doc.pdf" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("backslash") << "..\\doc.pdf" << false;
    QTest::newRow("empty") << "" << false;
}

void TestAttachmentFolder::pathsStayInTheFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);

    const AttachmentFolder folder(programFolder());
    QCOMPARE(folder.path(), attachments());
    QCOMPARE(folder.filePath(name), safe ? attachments() + QLatin1Char('/') + name : QString());
    QCOMPARE(folder.openCommand(name).isEmpty(), !safe);
    // A file that would be reached through the name, were it followed.
    if (!safe) {
        QVERIFY(QDir().mkpath(attachments()));
        writeAll(m_dir->path() + QStringLiteral("/doc.pdf"), "vecchio");
        QVERIFY(!folder.holds(name));
    }
}

void TestAttachmentFolder::openCommandIsTheQuotedNativePath()
{
    const AttachmentFolder folder(programFolder());
    QCOMPARE(folder.openCommand(QStringLiteral("atto di acquisto.pdf")),
             QLatin1Char('"') + QDir::toNativeSeparators(attachments() + QStringLiteral("/atto di acquisto.pdf"))
                 + QLatin1Char('"'));
}

void TestAttachmentFolder::copyCreatesTheFolderAndCopiesEveryByte_data()
{
    QTest::addColumn<bool>("folderThere");
    QTest::addColumn<int>("size");

    QTest::newRow("folder missing, small file") << false << 1234;
    QTest::newRow("folder there, several chunks") << true << 300 * 1024 + 17;
    QTest::newRow("empty file") << false << 0;
}

void TestAttachmentFolder::copyCreatesTheFolderAndCopiesEveryByte()
{
    QFETCH(bool, folderThere);
    QFETCH(int, size);

    if (folderThere)
        QVERIFY(QDir().mkpath(attachments()));
    const QByteArray bytes = pattern(size);
    writeAll(outside(QStringLiteral("documento.pdf")), bytes);

    const AttachmentFolder folder(programFolder());
    QVERIFY(!folder.holds(QStringLiteral("documento.pdf")));
    QVERIFY(folder.copyIn(outside(QStringLiteral("documento.pdf")), QStringLiteral("documento.pdf")));
    QVERIFY(folder.holds(QStringLiteral("documento.pdf")));
    QCOMPARE(readAll(attachments() + QStringLiteral("/documento.pdf")), bytes);
    // No temporary file left behind, and the original still in its place.
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("documento.pdf")});
    QCOMPARE(readAll(outside(QStringLiteral("documento.pdf"))), bytes);
}

void TestAttachmentFolder::copyReplacesAFileOfTheSameName()
{
    QVERIFY(QDir().mkpath(attachments()));
    writeAll(attachments() + QStringLiteral("/doc.pdf"), "una versione vecchia e piu' lunga del file");
    writeAll(outside(QStringLiteral("doc.pdf")), "nuovo");

    QVERIFY(AttachmentFolder(programFolder()).copyIn(outside(QStringLiteral("doc.pdf")), QStringLiteral("doc.pdf")));
    QCOMPARE(readAll(attachments() + QStringLiteral("/doc.pdf")), QByteArray("nuovo"));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("doc.pdf")});
}

void TestAttachmentFolder::copyUnderAnUnsafeNameWritesNothing_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("parent") << "../Archivio_Locatori.pro";
    QTest::newRow("parent, new file") << "../nuovo.pdf";
    QTest::newRow("subfolder") << "sub/doc.pdf";
    QTest::newRow("dot dot") << "..";
    // "@" stands for the program folder, not known yet here.
    QTest::newRow("absolute") << "@/Archivio_Locatori.pro";
}

void TestAttachmentFolder::copyUnderAnUnsafeNameWritesNothing()
{
    QFETCH(QString, name);
    name.replace(QLatin1Char('@'), m_dir->path());

    QVERIFY(QDir().mkpath(attachments()));
    writeAll(programFolder() + QStringLiteral("Archivio_Locatori.pro"), "archivio");
    writeAll(outside(QStringLiteral("doc.pdf")), "allegato");

    QVERIFY(!AttachmentFolder(programFolder()).copyIn(outside(QStringLiteral("doc.pdf")), name));
    QCOMPARE(readAll(programFolder() + QStringLiteral("Archivio_Locatori.pro")), QByteArray("archivio"));
    QCOMPARE(allFiles(), QStringList{QStringLiteral("Archivio_Locatori.pro")});
}

void TestAttachmentFolder::missingSourceLeavesNoFile()
{
    QVERIFY(!AttachmentFolder(programFolder()).copyIn(outside(QStringLiteral("sparito.pdf")),
                                                      QStringLiteral("sparito.pdf")));
    QVERIFY(folderEntries().isEmpty());
}

void TestAttachmentFolder::shortWriteLeavesTheOldFileAndNoHalfCopy_data()
{
    QTest::addColumn<bool>("oldFile");

    QTest::newRow("over an older file") << true;
    QTest::newRow("new name") << false;
}

void TestAttachmentFolder::shortWriteLeavesTheOldFileAndNoHalfCopy()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, oldFile);

    QVERIFY(QDir().mkpath(attachments()));
    const QByteArray old = "la copia che c'era prima";
    if (oldFile)
        writeAll(attachments() + QStringLiteral("/scansione.jpg"), old);
    writeAll(outside(QStringLiteral("scansione.jpg")), pattern(200 * 1024));

    bool copied = true;
    {
        // A full disk after the first few kilobytes.
        FileSizeLimit limit(4096);
        QVERIFY(limit.isActive());
        copied = AttachmentFolder(programFolder())
                     .copyIn(outside(QStringLiteral("scansione.jpg")), QStringLiteral("scansione.jpg"));
    }
    QVERIFY(!copied);
    if (oldFile) {
        QCOMPARE(readAll(attachments() + QStringLiteral("/scansione.jpg")), old);
        QCOMPARE(folderEntries(), QStringList{QStringLiteral("scansione.jpg")});
    } else {
        QVERIFY(folderEntries().isEmpty());
    }
#else
    QSKIP("Needs a file-size limit to make the write come back short");
#endif
}

void TestAttachmentFolder::linksLeadingOutsideAreRefused_data()
{
    QTest::addColumn<bool>("targetThere");

    QTest::newRow("to a file of the user's") << true;
    QTest::newRow("to a file not there yet") << false;
}

void TestAttachmentFolder::linksLeadingOutsideAreRefused()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, targetThere);

    // Somebody left in the folder a link to a file elsewhere: writing
    // through it would change (or create) that file.
    QVERIFY(QDir().mkpath(attachments()));
    const QString target = outside(QStringLiteral("profilo"));
    if (targetThere)
        writeAll(target, "del sistema");
    QVERIFY(QFile::link(target, attachments() + QStringLiteral("/doc.pdf")));
    writeAll(outside(QStringLiteral("nuovo.pdf")), "allegato");

    const AttachmentFolder folder(programFolder());
    QCOMPARE(folder.filePath(QStringLiteral("doc.pdf")), QString());
    QCOMPARE(folder.openCommand(QStringLiteral("doc.pdf")), QString());
    QVERIFY(!folder.holds(QStringLiteral("doc.pdf")));
    QVERIFY(!folder.copyIn(outside(QStringLiteral("nuovo.pdf")), QStringLiteral("doc.pdf")));
    if (targetThere)
        QCOMPARE(readAll(target), QByteArray("del sistema"));
    else
        QVERIFY(!QFileInfo::exists(target));
#else
    QSKIP("Needs symbolic links");
#endif
}

void TestAttachmentFolder::linkToAFileOfTheFolderIsFollowed()
{
#ifdef Q_OS_UNIX
    QVERIFY(QDir().mkpath(attachments()));
    writeAll(attachments() + QStringLiteral("/originale.pdf"), "dentro");
    QVERIFY(QFile::link(QStringLiteral("originale.pdf"), attachments() + QStringLiteral("/copia.pdf")));

    const AttachmentFolder folder(programFolder());
    QCOMPARE(folder.filePath(QStringLiteral("copia.pdf")), attachments() + QStringLiteral("/copia.pdf"));
    QVERIFY(folder.holds(QStringLiteral("copia.pdf")));
#else
    QSKIP("Needs symbolic links");
#endif
}

QTEST_APPLESS_MAIN(TestAttachmentFolder)
#include "tst_attachmentfolder.moc"
