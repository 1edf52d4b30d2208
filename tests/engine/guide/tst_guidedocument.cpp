#include "engine/guide/GuideDocument.h"
#include "engine/guide/GuideTopics.h"

#include "PdfText.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Guida.pdf, the printable guide: its contents, its chapters drawn from the
// topic files with nothing lost at a line's or a sheet's end, its page
// numbers, and the rule that a guide already in the folder stays.

namespace {

const Report::TextBox *textBox(const Report::PreparedPage &page, const QString &name)
{
    for (const Report::Element &element : page.elements) {
        if (const auto *box = std::get_if<Report::TextBox>(&element); box && box->name == name)
            return box;
    }
    return nullptr;
}

// Words as a reader sees them, without the punctuation that pdftotext may
// keep apart or join to a neighbour.
QStringList words(const QString &text)
{
    QString letters = text;
    letters.replace(QRegularExpression(QStringLiteral("[^\\w€]+")), QStringLiteral(" "));
    return letters.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestGuideDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void contentsGiveEachChapterItsPage();
    void everyTopicIsPrintedWhole();
    void pagesAfterTheTitleAreNumbered();
    void writtenWhereNoGuideIs();
    void aGuideAlreadyThereIsKept();
    void anUnwritableFolderFails();

private:
    Report::PreparedReport m_report;
    QTemporaryDir m_folder;
    std::optional<PdfText> m_pdf;
};

void TestGuideDocument::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_report = GuideDocument::prepare();
    if (PdfText::readerAvailable())
        m_pdf = PdfText::renderAndRead(m_report, m_folder.path(), QStringLiteral("guida"));
}

void TestGuideDocument::contentsGiveEachChapterItsPage()
{
    const QList<GuideTopic> topics = GuideTopics::all();
    QVERIFY(m_report.pages.size() > topics.size());
    const Report::PreparedPage &title = m_report.pages.first();
    QVERIFY(textBox(title, QStringLiteral("txtProgramma")));
    QCOMPARE(textBox(title, QStringLiteral("txtSottotitolo"))->text,
             QStringLiteral("Guida all'utilizzo del software"));

    const QStringList titles = textBox(title, QStringLiteral("txtIndiceTitoli"))->text.split(QLatin1Char('\n'));
    const QStringList pages = textBox(title, QStringLiteral("txtIndicePagine"))->text.split(QLatin1Char('\n'));
    QCOMPARE(titles.size(), topics.size());
    QCOMPARE(pages.size(), topics.size());
    int previous = 1;
    for (qsizetype i = 0; i < topics.size(); ++i) {
        QCOMPARE(titles.at(i), GuideTopics::title(topics.at(i)));
        bool isNumber = false;
        const int page = pages.at(i).toInt(&isNumber);
        QVERIFY2(isNumber && page > previous, qPrintable(pages.at(i)));
        previous = page;
        // The chapter opens its sheet: its heading is the first thing on it.
        const Report::PreparedPage &sheet = m_report.pages.at(page - 1);
        const auto *heading = std::get_if<Report::TextBox>(&sheet.elements.first());
        QVERIFY(heading);
        QCOMPARE(heading->text, GuideTopics::title(topics.at(i)));
        QCOMPARE(heading->box.top, 20.0);
    }
}

void TestGuideDocument::everyTopicIsPrintedWhole()
{
    // Read back from the PDF, the guide holds every topic's words in order:
    // no line was cut at the right edge, no line lost at a sheet's foot.
    SKIP_WITHOUT_PDF_READER();
    QVERIFY(m_pdf);
    QCOMPARE(m_pdf->pages().size(), m_report.pages.size());
    QStringList expected;
    for (GuideTopic topic : GuideTopics::all())
        expected += words(GuideTopics::title(topic) + QLatin1Char(' ') + GuideTopics::text(topic));

    QStringList printed;
    for (int page = 1; page < m_pdf->pages().size(); ++page) {
        QString text = m_pdf->pageText(page);
        text.remove(QRegularExpression(QStringLiteral("Pagina \\d+ di \\d+$")));
        printed += words(text);
    }
    QCOMPARE(printed.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(printed.at(i) == expected.at(i),
                 qPrintable(QStringLiteral("word %1: %2 printed, %3 expected near: %4")
                                .arg(i)
                                .arg(printed.at(i), expected.at(i),
                                     expected.mid(qMax<qsizetype>(0, i - 5), 10).join(QLatin1Char(' ')))));

    // Every word stands inside the margins of its sheet; below them there
    // is only the page number.
    static const QRegularExpression pageNumberWord(QStringLiteral("^(Pagina|di|\\d+)$"));
    for (const PdfPage &page : m_pdf->pages()) {
        for (const PdfWord &word : page.words) {
            QVERIFY2(word.box.left() >= 19.5 && word.box.right() <= 190.5, qPrintable(word.text));
            QVERIFY2(word.box.bottom() <= 277.5 || pageNumberWord.match(word.text).hasMatch(),
                     qPrintable(word.text));
        }
    }
}

void TestGuideDocument::pagesAfterTheTitleAreNumbered()
{
    SKIP_WITHOUT_PDF_READER();
    QVERIFY(m_pdf);
    const int count = int(m_pdf->pages().size());
    QVERIFY(!m_pdf->pageText(0).contains(QStringLiteral("Pagina")));
    for (int page = 1; page < count; ++page) {
        const QList<PdfPhrase> found = m_pdf->find(QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(count));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().page, page);
        // At the foot, below the text area and centred on the sheet.
        QVERIFY(found.first().box.top() > 277.0);
        COMPARE_MM(found.first().box.center().x(), 105.0);
    }
}

void TestGuideDocument::writtenWhereNoGuideIs()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("programma"));
    QCOMPARE(GuideDocument::writeIfMissing(folder), GuideDocument::Outcome::Written);
    const QString path = folder + QStringLiteral("/Guida.pdf");
    QVERIFY(contentOf(path).startsWith("%PDF"));
    if (PdfText::readerAvailable()) {
        const std::optional<PdfText> read = PdfText::read(path);
        QVERIFY(read);
        QCOMPARE(read->pages().size(), m_report.pages.size());
        QVERIFY(!read->find(QStringLiteral("Uno sguardo a Vacanzio")).isEmpty());
    }
    // Nothing but the guide: no temporary file left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Guida.pdf")});
}

void TestGuideDocument::aGuideAlreadyThereIsKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Guida.pdf"));
    QFile mine(path);
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("%PDF-1.4 la guida di casa mia\n");
    mine.close();

    QCOMPARE(GuideDocument::writeIfMissing(dir.path()), GuideDocument::Outcome::AlreadyPresent);
    QCOMPARE(contentOf(path), QByteArray("%PDF-1.4 la guida di casa mia\n"));
}

void TestGuideDocument::anUnwritableFolderFails()
{
    // A folder that cannot exist, because a file stands where it would go
    // (permissions would not stop the tests' root user).
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("programma")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(GuideDocument::writeIfMissing(dir.filePath(QStringLiteral("programma/sotto"))),
             GuideDocument::Outcome::Failed);
}

QTEST_MAIN(TestGuideDocument)
#include "tst_guidedocument.moc"
