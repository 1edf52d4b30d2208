#include "engine/print/ContractDocument.h"
#include "engine/report/ReportLayout.h"

#include "PdfText.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

const QDate printDate(2024, 3, 5);

// Every data box of the contract and the window control it shows, in the
// page's reading order.
const QList<std::pair<QString, QString>> dataBoxes = {
    {"txtLocatore", "txtLocatore"}, {"txtCodFiscLoc", "txtCodFiscLoc"},
    {"txtDataNascLoc", "txtDataNascLoc"}, {"txtLuogoNascLoc", "txtLuogoNascLoc"},
    {"txtProvNascLoc", "txtProvNascLoc"}, {"txtViaDom", "txtViaDom"},
    {"txtComuneDom", "txtComuneDom"}, {"txtProvDom", "txtProvDom"}, {"txtCapLoc", "txtCapLoc"},
    {"txtConduttore", "txtConduttore"}, {"txtCodFiscCon", "txtCodFiscCon"},
    {"txtDataNascCon", "txtDataNascCon"}, {"txtLuogoNascCon", "txtLuogoNascCon"},
    {"txtProvNascCon", "txtProvNascCon"}, {"txtViaRes", "txtViaRes"},
    {"txtComuneRes", "txtComuneRes"}, {"txtProvRes", "txtProvRes"}, {"txtCapCon", "txtCapCon"},
    {"txtDocumento", "txtDocumento"}, {"txtComuneImm", "txtComuneImm"},
    {"txtProvImm", "txtProvImm"}, {"txtCapImm", "txtCapImm"}, {"txtViaImm", "txtViaImm"},
    {"txtScala", "txtScala"}, {"txtInterno", "txtInterno"}, {"txtPiano", "txtPiano"},
    {"txtVani", "txtVani"}, {"txtPosti", "txtPosti"}, {"txtAccessori", "txtAccessori"},
    {"txtCodComune", "txtCodComune"}, {"txtSezUrb", "txtSezUrb"}, {"txtFoglio", "txtFoglio"},
    {"txtParticella", "txtParticella"}, {"txtSubalterno", "txtSubalterno"},
    {"txtSuperficie", "txtSuperficie"}, {"txtDurata", "txtDurataCon"},
    {"txtInizioCon", "txtInizioCon"}, {"txtFineCon", "txtFineCon"},
    {"txtImpCanone", "txtImpCanone"}, {"txtPagamento", "txtPagamento"},
    {"txtImpCauzione", "txtImpCauzione"}, {"txtPersone", "txtPersone"}, {"txtSpese", "txtSpese"},
};

// A contract window whose controls show "D01", "D02", ... in the order
// above (with blanks around), and that says what it was asked.
struct FakeWindow
{
    QHash<QString, QString> values;
    mutable QStringList asked;

    QString operator()(const QString &control) const
    {
        asked.append(control);
        return values.value(control);
    }
};

FakeWindow numberedWindow()
{
    FakeWindow window;
    for (qsizetype i = 0; i < dataBoxes.size(); ++i)
        window.values.insert(dataBoxes.at(i).second, QStringLiteral(" D%1  ").arg(i + 1, 2, 10, QLatin1Char('0')));
    window.values.insert(QStringLiteral("txtLuogo"), QStringLiteral(" Roma "));
    window.values.insert(QStringLiteral("txtData"), QStringLiteral("05/03/2024 "));
    window.values.insert(QStringLiteral("txtPattuizioni"), QStringLiteral("NOTE RISERVATE DEL LOCATORE"));
    return window;
}

QString numbered(qsizetype index)
{
    return QStringLiteral("D%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestContractDocument : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void templateIsTheContracts();
    void everyDataBoxShowsItsControlTrimmed();
    void dataStandInTheirBoxes_data();
    void dataStandInTheirBoxes();
    void fixedTextsStandAtTheirPlaces_data();
    void fixedTextsStandAtTheirPlaces();
    void placeAndDate_data();
    void placeAndDate();
    void durationPrintsAsTyped();
    void notesAreNeverPrinted();
    void longAddressIsCutAtItsBox();
    void emptyContractShowsNoDesignText();
    void missingObjectIsReported_data();
    void missingObjectIsReported();
    void propertyCinStandsAboveTheTitle();
    void noCinPrintsNothingThere();

private:
    std::optional<PdfText> print(const FieldLookup &window);

    std::optional<QTemporaryDir> m_folder;
};

void TestContractDocument::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
}

std::optional<PdfText> TestContractDocument::print(const FieldLookup &window)
{
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    if (!ContractDocument::fill(pageTemplate, window).succeeded())
        return std::nullopt;
    return PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
}

void TestContractDocument::templateIsTheContracts()
{
    const PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QCOMPARE(pageTemplate.reportName, QStringLiteral("Contratto di Affitto Turistico"));
    QCOMPARE(pageTemplate.pageSize, QPageSize::A4);
    QCOMPARE(pageTemplate.orientation, QPageLayout::Portrait);
    QCOMPARE(pageTemplate.marginsMm, QMarginsF());
    // The data boxes are beige, the fixed texts are not.
    const QColor beige(0xF5, 0xF5, 0xDC);
    for (const auto &[box, control] : dataBoxes) {
        const TextBox *found = pageTemplate.textBox(box);
        QVERIFY2(found, qPrintable(box));
        QCOMPARE(found->fill, beige);
        QVERIFY(found->verticallyCentred);
        QVERIFY(!found->wordWrap);
        QCOMPARE(found->font, (TextFont{QStringLiteral("Arial"), 11.0}));
    }
    QVERIFY(!pageTemplate.textBox(QStringLiteral("Memo15"))->fill.isValid());
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtData"))->font,
             (TextFont{QStringLiteral("Arial"), 11.0, true}));
    QVERIFY(!pageTemplate.textBox(QStringLiteral("txtPattuizioni")));
}

void TestContractDocument::everyDataBoxShowsItsControlTrimmed()
{
    const FakeWindow window = numberedWindow();
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QVERIFY(ContractDocument::fill(pageTemplate, std::cref(window)).succeeded());
    for (qsizetype i = 0; i < dataBoxes.size(); ++i)
        QCOMPARE(pageTemplate.textBox(dataBoxes.at(i).first)->text, numbered(i));

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    for (qsizetype i = 0; i < dataBoxes.size(); ++i)
        QVERIFY2(pdf->find(numbered(i)).size() == 1, qPrintable(dataBoxes.at(i).first));
}

void TestContractDocument::dataStandInTheirBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("height");
    // Left-aligned and vertically centred, measured from the sheet's corner.
    QTest::newRow("landlord") << "txtLocatore" << 80.0 << 28.0 << 5.0;
    QTest::newRow("landlord's fiscal code") << "txtCodFiscLoc" << 39.0 << 34.0 << 5.0;
    QTest::newRow("landlord's province of birth") << "txtProvNascLoc" << 187.0 << 40.0 << 5.0;
    QTest::newRow("tenant's postcode") << "txtCapCon" << 174.0 << 91.0 << 5.0;
    QTest::newRow("identity document") << "txtDocumento" << 10.0 << 103.0 << 5.0;
    QTest::newRow("surface") << "txtSuperficie" << 167.0 << 139.0 << 5.0;
    QTest::newRow("duration") << "txtDurata" << 98.0 << 154.0 << 5.0;
    QTest::newRow("end of the stay") << "txtFineCon" << 34.0 << 160.0 << 5.0;
    QTest::newRow("rent") << "txtImpCanone" << 114.0 << 172.4 << 5.0;
    QTest::newRow("deposit") << "txtImpCauzione" << 51.0 << 196.8 << 5.0;
    QTest::newRow("guests") << "txtPersone" << 16.0 << 227.2 << 5.0;
    QTest::newRow("expenses") << "txtSpese" << 16.0 << 239.6 << 5.0;
}

void TestContractDocument::dataStandInTheirBoxes()
{
    QFETCH(QString, box);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, height);
    SKIP_WITHOUT_PDF_READER();
    const qsizetype index = std::find_if(dataBoxes.cbegin(), dataBoxes.cend(),
                                         [&](const auto &pair) { return pair.first == box; })
        - dataBoxes.cbegin();
    QVERIFY(index < dataBoxes.size());

    const auto pdf = print(numberedWindow());
    QVERIFY(pdf);
    const auto found = pdf->find(numbered(index));
    QCOMPARE(found.size(), 1);
    COMPARE_MM(found.first().box.left(), left);
    COMPARE_MM(found.first().box.center().y(), top + height / 2.0);
}

void TestContractDocument::fixedTextsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<double>("x");  // left edge, or middle when centred
    QTest::addColumn<double>("middleY");

    QTest::newRow("title") << "CONTRATTO DI LOCAZIONE DI IMMOBILE AD USO TURISTICO" << 0 << true << 105.0 << 14.7;
    QTest::newRow("law") << "(ai sensi dell'art. 1, comma 2, lettera c, della legge 9 dicembre 1998, n. 431 "
                            "e successive modificazioni e integrazioni)" << 0 << true << 105.0 << 22.0;
    QTest::newRow("opening") << "Con il presente contratto, il Locatore:" << 0 << false << 10.0 << 30.5;
    QTest::newRow("date of birth caption") << "data di nascita:" << 0 << false << 112.0 << 36.5;
    QTest::newRow("lets") << "CONCEDE IN LOCAZIONE" << 0 << true << 105.0 << 62.0;
    QTest::newRow("to the tenant") << "al Conduttore:" << 0 << false << 10.0 << 69.5;
    QTest::newRow("identity, with its mark") << "identificato mediante il seguente documento di riconoscimento:¹"
                                            << 0 << false << 10.0 << 99.5;
    QTest::newRow("terms") << "PATTI E CONDIZIONI:" << 0 << true << 105.0 << 149.0;
    QTest::newRow("duration, with its mark") << "1) Il contratto è stipulato per la durata di giorni²"
                                            << 0 << false << 10.0 << 156.5;
    QTest::newRow("rent ends with euro") << "2) Il canone di locazione è convenuto nell'importo di euro"
                                        << 0 << false << 10.0 << 174.9;
    QTest::newRow("deposit caption, 0.2 mm lower") << "a titolo di deposito cauzionale, infruttifera di"
                                                  << 0 << false << 119.0 << 199.5;
    QTest::newRow("guests") << "4) Con il Conduttore saranno ospitate esclusivamente le seguenti persone:"
                           << 0 << false << 11.0 << 223.7;
    QTest::newRow("landlord signs") << "IL LOCATORE" << 0 << true << 38.0 << 256.0;
    QTest::newRow("tenant signs") << "IL CONDUTTORE" << 0 << true << 172.0 << 256.0;
    QTest::newRow("landlord's signature line") << "(firma per esteso e leggibile)" << 0 << true << 38.0 << 270.2;
    QTest::newRow("tenant's signature line") << "(firma per esteso e leggibile)" << 1 << true << 172.0 << 270.2;
    QTest::newRow("first footnote") << "¹ Nel caso di affitto a cittadini extracomunitari," << 0 << false << 10.0 << 276.0;
    QTest::newRow("its second line") << "soggiorno valido riportante chiaramente la data di scadenza."
                                    << 0 << false << 12.0 << 280.4;
    QTest::newRow("second footnote") << "² La durata massima è di giorni 30 (trenta)." << 0 << false << 10.0 << 285.8;
}

void TestContractDocument::fixedTextsStandAtTheirPlaces()
{
    QFETCH(QString, phrase);
    QFETCH(int, occurrence);
    QFETCH(bool, centred);
    QFETCH(double, x);
    QFETCH(double, middleY);
    SKIP_WITHOUT_PDF_READER();
    const auto pdf = print(numberedWindow());
    QVERIFY(pdf);
    const auto found = pdf->find(phrase);
    QVERIFY2(found.size() > occurrence, qPrintable(pdf->allText()));
    const QRectF box = found.at(occurrence).box;
    if (centred)
        COMPARE_MM(box.center().x(), x);
    else
        COMPARE_MM(box.left(), x);
    COMPARE_MM(box.center().y(), middleY);
}

void TestContractDocument::placeAndDate_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both") << "Roma" << "05/03/2024" << "Roma, 05/03/2024.";
    QTest::newRow("blanks around") << "  Roma\t" << " 05/03/2024  " << "Roma, 05/03/2024.";
    QTest::newRow("place of two words") << "Reggio Emilia" << "31/12/2026" << "Reggio Emilia, 31/12/2026.";
    QTest::newRow("no date") << "Roma" << "" << "Roma, .";
    QTest::newRow("no place") << "" << "05/03/2024" << ", 05/03/2024.";
    QTest::newRow("neither") << "" << "  " << ", .";
}

void TestContractDocument::placeAndDate()
{
    QFETCH(QString, place);
    QFETCH(QString, date);
    QFETCH(QString, expected);
    FakeWindow window;
    window.values.insert(QStringLiteral("txtLuogo"), place);
    window.values.insert(QStringLiteral("txtData"), date);
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QVERIFY(ContractDocument::fill(pageTemplate, std::cref(window)).succeeded());
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtData"))->text, expected);

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    const auto found = pdf->find(expected);
    QCOMPARE(found.size(), 1);
    COMPARE_MM(found.first().box.left(), 10.0);
    COMPARE_MM(found.first().box.center().y(), 246.8 + 3.0);
}

void TestContractDocument::durationPrintsAsTyped()
{
    for (const QString &duration : {QStringLiteral("7"), QStringLiteral("45"), QStringLiteral("sette")}) {
        FakeWindow window;
        window.values.insert(QStringLiteral("txtDurataCon"), duration);
        window.values.insert(QStringLiteral("txtDurata"), QStringLiteral("SBAGLIATO"));
        PageTemplate pageTemplate = ContractDocument::pageTemplate();
        QVERIFY(ContractDocument::fill(pageTemplate, std::cref(window)).succeeded());
        QCOMPARE(pageTemplate.textBox(QStringLiteral("txtDurata"))->text, duration);
        QVERIFY(!window.asked.contains(QStringLiteral("txtDurata")));
    }
}

void TestContractDocument::notesAreNeverPrinted()
{
    const FakeWindow window = numberedWindow();
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QVERIFY(ContractDocument::fill(pageTemplate, std::cref(window)).succeeded());
    QVERIFY(!window.asked.contains(QStringLiteral("txtPattuizioni")));

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    QVERIFY(!pdf->allText().contains(QStringLiteral("RISERVATE")));
}

void TestContractDocument::longAddressIsCutAtItsBox()
{
    SKIP_WITHOUT_PDF_READER();
    // 120 characters: "Via dei Mille 1, Via dei Mille 2, ..."
    QString address;
    for (int i = 1; address.size() < 120; ++i)
        address += QStringLiteral("Via dei Mille %1, ").arg(i);
    address = address.left(120);
    FakeWindow window;
    window.values.insert(QStringLiteral("txtViaDom"), address);
    const auto pdf = print(std::cref(window));
    QVERIFY(pdf);
    // The landlord's address row: from 53 mm to the sheet's 200 mm edge.
    const QList<PdfWord> shown = pdf->wordsInside(0, QRectF(52.0, 46.0, 158.0, 5.0));
    QVERIFY(!shown.isEmpty());
    QStringList texts;
    for (const PdfWord &word : shown) {
        texts.append(word.text);
        QVERIFY2(word.box.right() <= 200.0 + 0.05, qPrintable(word.text));
        COMPARE_MM(word.box.center().y(), 48.5);
    }
    COMPARE_MM(shown.first().box.left(), 53.0);
    QVERIFY(address.startsWith(texts.join(QLatin1Char(' '))));
    QVERIFY(texts.join(QLatin1Char(' ')).size() < address.size());
    // Cut at the edge, not before: what is left is less than a blank and a
    // capital at 11 pt.
    QVERIFY(200.0 - shown.last().box.right() < 5.0);
    // Not wrapped onto the next row (the city's row shows nothing else).
    QVERIFY(pdf->wordsInside(0, QRectF(44.0, 52.0, 90.0, 5.0)).isEmpty());
}

void TestContractDocument::emptyContractShowsNoDesignText()
{
    SKIP_WITHOUT_PDF_READER();
    const auto pdf = print([](const QString &) { return QString(); });
    QVERIFY(pdf);
    const QString text = pdf->allText();
    QVERIFY2(!text.contains(QStringLiteral("txt")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Luogo")));
    QCOMPARE(pdf->find(QStringLiteral(", .")).size(), 1);
    QCOMPARE(pdf->find(QStringLiteral("CONCEDE IN LOCAZIONE")).size(), 1);
    // The landlord's row shows only its caption.
    QCOMPARE(pdf->wordsInside(0, QRectF(79.0, 28.0, 121.0, 5.0)).size(), 0);
}

void TestContractDocument::missingObjectIsReported_data()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("a data box") << "txtViaDom";
    QTest::newRow("the duration") << "txtDurata";
    QTest::newRow("place and date") << "txtData";
    QTest::newRow("the property's CIN") << "txtCIN";
}

void TestContractDocument::missingObjectIsReported()
{
    QFETCH(QString, removed);
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QCOMPARE(pageTemplate.elements.removeIf([&](const Element &e) { return elementName(e) == removed; }), 1);
    const FillResult result = ContractDocument::fill(pageTemplate, numberedWindow());
    QVERIFY(!result.succeeded());
    QCOMPARE(result.missingObjects, QStringList{removed});
}

void TestContractDocument::propertyCinStandsAboveTheTitle()
{
    const FakeWindow window = numberedWindow();
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QVERIFY(ContractDocument::fill(pageTemplate, std::cref(window), QStringLiteral(" IT054039C2ABCD1234 "))
                .succeeded());
    const TextBox *cin = pageTemplate.textBox(QStringLiteral("txtCIN"));
    QVERIFY(cin);
    QCOMPARE(cin->text, QStringLiteral("CIN: IT054039C2ABCD1234"));
    QVERIFY(!window.asked.contains(QStringLiteral("txtCIN")));
    // In a free place: no other object of the page is under it.
    const BoxMm at = cin->box;
    for (const Element &element : std::as_const(pageTemplate.elements)) {
        const BoxMm &other = elementBox(element);
        if (elementName(element) == QLatin1String("txtCIN"))
            continue;
        const bool apart = other.right() <= at.left || at.right() <= other.left
            || other.top + std::max(other.height, 0.0) <= at.top || at.bottom() <= other.top;
        QVERIFY2(apart, qPrintable(elementName(element)));
    }

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    const auto found = pdf->find(QStringLiteral("CIN: IT054039C2ABCD1234"));
    QCOMPARE(found.size(), 1);
    // At the right edge of the title, above it.
    COMPARE_MM(found.first().box.right(), 200.0);
    COMPARE_MM(found.first().box.center().y(), 7.0);
    QVERIFY(found.first().box.bottom() < 10.0);
    // The boxes around stay where they were.
    const auto title = pdf->find(QStringLiteral("CONTRATTO DI LOCAZIONE DI IMMOBILE AD USO TURISTICO"));
    QCOMPARE(title.size(), 1);
    COMPARE_MM(title.first().box.center().y(), 14.7);
    COMPARE_MM(pdf->find(numbered(0)).first().box.left(), 80.0);
}

void TestContractDocument::noCinPrintsNothingThere()
{
    PageTemplate pageTemplate = ContractDocument::pageTemplate();
    QVERIFY(ContractDocument::fill(pageTemplate, numberedWindow(), QStringLiteral("  ")).succeeded());
    QCOMPARE(pageTemplate.textBox(QStringLiteral("txtCIN"))->text, QString());

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printDate), m_folder->path());
    QVERIFY(pdf);
    QVERIFY(pdf->wordsInside(0, QRectF(0.0, 0.0, 210.0, 10.0)).isEmpty());
    QVERIFY(!pdf->allText().contains(QStringLiteral("CIN")));
}

QTEST_MAIN(TestContractDocument)
#include "tst_contractdocument.moc"
