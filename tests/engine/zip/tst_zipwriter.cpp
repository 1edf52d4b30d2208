#include "engine/zip/ZipReader.h"
#include "engine/zip/ZipWriter.h"

#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The zip writer: what it writes reads back entry by entry, and a write that
// fails leaves the target as it was and nothing beside it.

class TestZipWriter : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void entriesReadBack_data();
    void entriesReadBack();
    void failedWriteLeavesTheTargetAsItWas_data();
    void failedWriteLeavesTheTargetAsItWas();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

using Contents = QList<QPair<QString, QByteArray>>;

void TestZipWriter::entriesReadBack_data()
{
    QTest::addColumn<Contents>("entries");

    QTest::newRow("one small file") << Contents{{QStringLiteral("Rovoziv.ini"), QByteArray("[Contratti]\r\nLuogo=Rimini\r\n")}};
    QTest::newRow("empty file") << Contents{{QStringLiteral("Logo.bmp"), QByteArray()}};
    QTest::newRow("records that compress")
        << Contents{{QStringLiteral("Archivio_Locatori.pro"), QByteArray(3479 * 40, ' ')},
                    {QStringLiteral("2026.ric"), QByteArray(1528 * 3, 'x')}};
    QTest::newRow("folders and accents")
        << Contents{{QStringLiteral("Documenti_Allegati/fattura è.pdf"), TestFiles::noise(70000, 1)},
                    {QStringLiteral("Tabelle_Questura/comuni.csv"), TestFiles::noise(300, 2)}};
    QTest::newRow("larger than a read") << Contents{{QStringLiteral("grande.dat"), TestFiles::noise(700 * 1024, 3)}};
}

void TestZipWriter::entriesReadBack()
{
    QFETCH(Contents, entries);

    const QDateTime modified(QDate(2026, 7, 14), QTime(18, 42, 10));
    ZipWriter writer(path(QStringLiteral("copia.zip")));
    int produced = 0;
    for (const auto &[name, content] : entries) {
        const QByteArray bytes = content;
        writer.add(name, modified, [bytes, &produced] {
            ++produced;
            return std::optional<QByteArray>(bytes);
        });
    }
    QVERIFY2(writer.write(), qPrintable(writer.errorString()));
    // Each content asked for once, when its entry was written.
    QCOMPARE(produced, entries.size());
    // Nothing else beside the zip.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("copia.zip")});

    ZipReader reader(path(QStringLiteral("copia.zip")));
    QVERIFY(reader.open());
    QCOMPARE(reader.names().size(), entries.size());
    for (const auto &[name, content] : entries)
        QCOMPARE(reader.read(name).value_or(QByteArray("missing")), content);
    for (const ZipReader::Entry &entry : reader.entries())
        QCOMPARE(entry.modified, modified);
}

void TestZipWriter::failedWriteLeavesTheTargetAsItWas_data()
{
    QTest::addColumn<bool>("unreadableEntry");
    QTest::addColumn<qint64>("fileSizeLimit");  // 0: none

    QTest::newRow("an entry cannot be read") << true << qint64(0);
    QTest::newRow("disk full") << false << qint64(64 * 1024);
}

void TestZipWriter::failedWriteLeavesTheTargetAsItWas()
{
    QFETCH(bool, unreadableEntry);
    QFETCH(qint64, fileSizeLimit);

    const QString target = path(QStringLiteral("copia.zip"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.write("la copia di ieri") > 0);
    }
    ZipWriter writer(target);
    writer.add(QStringLiteral("Documenti_Allegati/foto.jpg"), QDateTime::currentDateTime(),
               [] { return std::optional<QByteArray>(TestFiles::noise(256 * 1024, 4)); });
    writer.add(QStringLiteral("Rovoziv.ini"), QDateTime::currentDateTime(), [unreadableEntry] {
        return unreadableEntry ? std::nullopt : std::optional<QByteArray>(QByteArray("[Contratti]\r\n"));
    });
    bool written = true;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (fileSizeLimit > 0) {
            limit = std::make_unique<FileSizeLimit>(static_cast<rlim_t>(fileSizeLimit));
            QVERIFY(limit->isActive());
        }
        written = writer.write();
    }
    QVERIFY(!written);
    QVERIFY(!writer.errorString().isEmpty());
    QCOMPARE(TestFiles::read(target), QByteArray("la copia di ieri"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("copia.zip")});
}

QTEST_GUILESS_MAIN(TestZipWriter)
#include "tst_zipwriter.moc"
