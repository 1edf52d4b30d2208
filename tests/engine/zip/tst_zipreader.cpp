#include "engine/zip/ZipReader.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

// The zip reader that tells a complete .xlsx from one the disk cut short,
// on zip files built here byte by byte.
class TestZipReader : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void readsStoredAndDeflatedEntries();
    void readsPastAComment();
    void everyCutFileIsRefused();
    void damagedContentIsRefused_data();
    void damagedContentIsRefused();
    void notAZipIsRefused_data();
    void notAZipIsRefused();

private:
    QString write(const QByteArray &bytes);
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

quint32 crc32Of(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

struct Entry
{
    QByteArray name;
    QByteArray content;
    bool deflate;
};

// Raw deflate data: qCompress's zlib stream without its 4-byte length, its
// 2-byte header and its 4-byte checksum.
QByteArray deflated(const QByteArray &content)
{
    const QByteArray zlib = qCompress(content, 9);
    return zlib.mid(6, zlib.size() - 10);
}

struct Layout
{
    QByteArray bytes;
    qsizetype directoryOffset = 0;
    qsizetype endOffset = 0;
};

Layout buildZip(const QList<Entry> &entries, const QByteArray &comment = {})
{
    Layout zip;
    QByteArray directory;
    for (const Entry &entry : entries) {
        const QByteArray data = entry.deflate ? deflated(entry.content) : entry.content;
        const quint16 method = entry.deflate ? 8 : 0;
        const auto offset = static_cast<quint32>(zip.bytes.size());
        put32(zip.bytes, 0x04034b50);
        put16(zip.bytes, 20);
        put16(zip.bytes, 0);
        put16(zip.bytes, method);
        put16(zip.bytes, 0);
        put16(zip.bytes, 0x21);
        put32(zip.bytes, crc32Of(entry.content));
        put32(zip.bytes, data.size());
        put32(zip.bytes, entry.content.size());
        put16(zip.bytes, entry.name.size());
        put16(zip.bytes, 0);
        zip.bytes += entry.name + data;

        put32(directory, 0x02014b50);
        put16(directory, 20);
        put16(directory, 20);
        put16(directory, 0);
        put16(directory, method);
        put16(directory, 0);
        put16(directory, 0x21);
        put32(directory, crc32Of(entry.content));
        put32(directory, data.size());
        put32(directory, entry.content.size());
        put16(directory, entry.name.size());
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put32(directory, 0);
        put32(directory, offset);
        directory += entry.name;
    }
    zip.directoryOffset = zip.bytes.size();
    zip.bytes += directory;
    zip.endOffset = zip.bytes.size();
    put32(zip.bytes, 0x06054b50);
    put16(zip.bytes, 0);
    put16(zip.bytes, 0);
    put16(zip.bytes, entries.size());
    put16(zip.bytes, entries.size());
    put32(zip.bytes, directory.size());
    put32(zip.bytes, zip.directoryOffset);
    put16(zip.bytes, comment.size());
    zip.bytes += comment;
    return zip;
}

// Large enough to take several reads and several inflate rounds.
QByteArray sheetText()
{
    QByteArray text = "<sheetData>";
    for (int i = 0; i < 8000; ++i)
        text += "<row r=\"" + QByteArray::number(i) + "\"><c><v>" + QByteArray::number(i * 7919 % 10007) + "</v></c></row>";
    return text + "</sheetData>";
}

const QList<Entry> &sampleEntries()
{
    static const QList<Entry> entries = {
        {"[Content_Types].xml", "<Types/>", false},
        {"xl/worksheets/sheet1.xml", sheetText(), true},
        {"empty.txt", "", false},
        {"docProps/app.xml", "<Properties>Vacanzio</Properties>", true},
    };
    return entries;
}

} // namespace

void TestZipReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestZipReader::write(const QByteArray &bytes)
{
    const QString path = m_dir->filePath(QStringLiteral("file.zip"));
    if (!TestFiles::write(path, bytes))
        QTest::qFail("cannot write the zip file", __FILE__, __LINE__);
    return path;
}

void TestZipReader::readsStoredAndDeflatedEntries()
{
    ZipReader zip(write(buildZip(sampleEntries()).bytes));
    QVERIFY(zip.open());
    QCOMPARE(zip.names(), (QStringList{"[Content_Types].xml", "xl/worksheets/sheet1.xml", "empty.txt", "docProps/app.xml"}));
    QVERIFY(zip.contains("xl/worksheets/sheet1.xml"));
    QVERIFY(!zip.contains("xl/worksheets/sheet2.xml"));
    for (const Entry &entry : sampleEntries()) {
        const auto content = zip.read(QString::fromLatin1(entry.name));
        QVERIFY2(content.has_value(), entry.name.constData());
        QCOMPARE(*content, entry.content);
    }
    QVERIFY(!zip.read("missing").has_value());
    QVERIFY(zip.verifyAll());
}

void TestZipReader::readsPastAComment()
{
    ZipReader zip(write(buildZip(sampleEntries(), "made by hand; PK\x05\x06 inside").bytes));
    QVERIFY(zip.open());
    QVERIFY(zip.verifyAll());
}

void TestZipReader::everyCutFileIsRefused()
{
    const QByteArray whole = buildZip(sampleEntries()).bytes;
    // Every length from nothing to one byte short, in steps that still
    // cover every part of the file.
    for (qsizetype length = 0; length < whole.size(); length += (length < 200 || length > whole.size() - 200) ? 1 : 97) {
        ZipReader zip(write(whole.left(length)));
        QVERIFY2(!(zip.open() && zip.verifyAll()), qPrintable(QString::number(length)));
    }
}

void TestZipReader::damagedContentIsRefused_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("at");  // from the start of the entry's data
    QTest::newRow("stored byte") << 0 << 3;
    QTest::newRow("deflated byte") << 1 << 500;
    // The deflated stream's last byte may hold only padding after its end
    // code, which changes no content: a byte before it is damaged instead.
    QTest::newRow("deflated, near the end") << 3 << -3;
}

void TestZipReader::damagedContentIsRefused()
{
    QFETCH(int, entry);
    QFETCH(int, at);
    QByteArray bytes = buildZip(sampleEntries()).bytes;
    const Entry &damaged = sampleEntries()[entry];
    const qsizetype start = bytes.indexOf(damaged.name) + damaged.name.size();
    const qsizetype size = damaged.deflate ? deflated(damaged.content).size() : damaged.content.size();
    const qsizetype position = at >= 0 ? start + at : start + size + at;
    bytes[position] = static_cast<char>(bytes[position] ^ 0x5A);
    ZipReader zip(write(bytes));
    QVERIFY(zip.open());
    QVERIFY(!zip.verifyAll());
    QVERIFY(!zip.read(QString::fromLatin1(damaged.name)).has_value());
}

void TestZipReader::notAZipIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const Layout zip = buildZip(sampleEntries());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("<html>not a workbook</html>").repeated(10);
    QTest::newRow("end record only") << zip.bytes.mid(zip.endOffset);
    QByteArray wrongOffset = zip.bytes;
    wrongOffset[zip.endOffset + 16] = static_cast<char>(wrongOffset[zip.endOffset + 16] + 1);
    QTest::newRow("directory offset wrong") << wrongOffset;
    QByteArray wrongCount = zip.bytes;
    wrongCount[zip.endOffset + 10] = static_cast<char>(wrongCount[zip.endOffset + 10] + 1);
    wrongCount[zip.endOffset + 8] = static_cast<char>(wrongCount[zip.endOffset + 8] + 1);
    QTest::newRow("entry count wrong") << wrongCount;
}

void TestZipReader::notAZipIsRefused()
{
    QFETCH(QByteArray, bytes);
    ZipReader zip(write(bytes));
    QVERIFY(!(zip.open() && zip.verifyAll()));
}

QTEST_GUILESS_MAIN(TestZipReader)
#include "tst_zipreader.moc"
