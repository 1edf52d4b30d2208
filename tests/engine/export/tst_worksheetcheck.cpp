#include "engine/export/WorksheetCheck.h"

#include <QTest>

// The check of a worksheet's text against the rows and cells written into
// it, whatever the pieces it comes in.
class TestWorksheetCheck : public QObject
{
    Q_OBJECT
private slots:
    void sheets_data();
    void sheets();
};

namespace {

QByteArray sheet(int rows, int columns)
{
    QByteArray text = "<?xml version=\"1.0\"?><worksheet><cols><col min=\"1\" max=\"2\"/></cols><sheetData>";
    for (int r = 1; r <= rows; ++r) {
        text += "<row r=\"" + QByteArray::number(r) + "\" spans=\"1:2\">";
        for (int c = 0; c < columns; ++c)
            text += "<c r=\"" + QByteArray(1, char('A' + c)) + QByteArray::number(r)
                    + "\" s=\"1\" t=\"inlineStr\"><is><t>&lt;c r=&quot;</t></is></c>";
        text += "</row>";
    }
    return text + "</sheetData><autoFilter ref=\"A1:B2\"/></worksheet>";
}

} // namespace

void TestWorksheetCheck::sheets_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("complete");
    const QByteArray whole = sheet(300, 3);
    QTest::newRow("whole") << whole << true;
    QTest::newRow("end line after it") << whole + "\n" << true;
    QTest::newRow("cut before the end tag") << whole.chopped(5) << false;
    QTest::newRow("cut inside the rows") << whole.left(whole.size() / 2) << false;
    QByteArray rowMissing = whole;
    const qsizetype row = rowMissing.indexOf("<row r=\"150\"");
    rowMissing.remove(row, rowMissing.indexOf("<row r=\"151\"") - row);
    QTest::newRow("a row missing inside") << rowMissing << false;
    QByteArray cellMissing = whole;
    const qsizetype cell = cellMissing.indexOf("<c r=\"B40\"");
    cellMissing.remove(cell, cellMissing.indexOf("<c r=\"C40\"") - cell);
    QTest::newRow("a cell missing inside") << cellMissing << false;
    QByteArray swapped = whole;
    swapped.replace("<row r=\"7\"", "<row r=\"8\"");
    QTest::newRow("rows out of order") << swapped << false;
    QTest::newRow("one row more") << sheet(301, 3) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestWorksheetCheck::sheets()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, complete);
    // Whole, in pieces that split the tags anywhere, byte by byte.
    for (const qsizetype piece : {qsizetype(1 << 20), qsizetype(7), qsizetype(33), qsizetype(1)}) {
        WorksheetCheck check(300, 3);
        for (qsizetype at = 0; at < text.size(); at += piece)
            check.feed(text.constData() + at, std::min(piece, text.size() - at));
        QVERIFY2(check.isComplete() == complete, qPrintable(QStringLiteral("pieces of %1").arg(piece)));
    }
}

QTEST_APPLESS_MAIN(TestWorksheetCheck)
#include "tst_worksheetcheck.moc"
