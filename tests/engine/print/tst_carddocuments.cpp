#include "engine/print/CardDocument.h"
#include "engine/print/LandlordCard.h"
#include "engine/print/TenantCard.h"
#include "engine/report/ReportLayout.h"

#include "PdfText.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Report;

namespace {

const QDateTime printedAt(QDate(2024, 3, 5), QTime(9, 7, 5));

enum class Card { Landlord, Tenant };

PageTemplate cardTemplate(Card card)
{
    return card == Card::Landlord ? LandlordCard::pageTemplate() : TenantCard::pageTemplate();
}

FillResult fillCard(Card card, PageTemplate &pageTemplate, const FieldLookup &field)
{
    return card == Card::Landlord ? LandlordCard::fill(pageTemplate, field, printedAt)
                                  : TenantCard::fill(pageTemplate, field, printedAt);
}

// The card window's controls, in the rows' order on paper.
const QStringList landlordControls = {
    "txtLocatore", "txtCodFiscLoc", "txtSessoLoc", "txtDataNascLoc", "txtLuogoNascLoc",
    "txtProvNascLoc", "txtComuneDom", "txtCapLoc", "txtProvDom", "txtViaDom", "txtRecapitoLoc",
    "txtPartitaIvaLoc", "txtTelCasaLoc", "txtTelCelLoc", "txtPecLoc", "txtEmailLoc", "txtNote",
    "txtTipoDoc", "txtNumDoc", "txtEnteRil", "txtDataRil", "txtDataSca", "txtTipoImm",
    "txtComuneImm", "txtProvImm", "txtViaImm", "txtCapImm", "txtScala", "txtInterno", "txtPiano",
    "txtVani", "txtAccessori", "txtPosti", "txtCodComune", "txtSezUrb", "txtFoglio",
    "txtParticella", "txtSubalterno", "txtSuperficie", "txtRendita", "txtSpese",
};
const QStringList tenantControls = {
    "txtConduttore", "txtCodFiscCon", "txtSessoCon", "txtDataNascCon", "txtLuogoNascCon",
    "txtProvNascCon", "txtComuneRes", "txtCapCon", "txtProvRes", "txtViaRes", "txtRecapitoCon",
    "txtPartitaIvaCon", "txtTelCasaCon", "txtTelCelCon", "txtPecCon", "txtEmailCon", "txtNote",
    "txtDocumento", "txtTipoImm", "txtComuneImm", "txtProvImm", "txtZona", "txtPiano", "txtVani",
    "txtAccessori", "txtPosti", "txtPersone", "txtPeriodo", "txtQuestioni",
};

const QStringList &controlsOf(Card card)
{
    return card == Card::Landlord ? landlordControls : tenantControls;
}

// A window whose every control shows "V" + its position in `controls`,
// with blanks around it that the card must not print.
FieldLookup numberedWindow(const QStringList &controls)
{
    return [controls](const QString &control) {
        const qsizetype index = controls.indexOf(control);
        return index < 0 ? QStringLiteral("SCONOSCIUTO")
                         : QStringLiteral("  V%1 \t").arg(index + 1, 2, 10, QLatin1Char('0'));
    };
}

std::optional<PdfText> printCard(Card card, const FieldLookup &field, const QString &folder)
{
    PageTemplate pageTemplate = cardTemplate(card);
    if (!fillCard(card, pageTemplate, field).succeeded())
        return std::nullopt;
    return PdfText::renderAndRead(prepare(pageTemplate, printedAt.date()), folder);
}

} // namespace

Q_DECLARE_METATYPE(Card)

class TestCardDocuments : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void templateIsTheCards_data();
    void templateIsTheCards();
    void everyFieldIsPrintedOnceTrimmed_data();
    void everyFieldIsPrintedOnceTrimmed();
    void rowsStandAtTheirPositions_data();
    void rowsStandAtTheirPositions();
    void titleAndFooterStandInTheirBars_data();
    void titleAndFooterStandInTheirBars();
    void longNoteIsCutAtTheValueBox_data();
    void longNoteIsCutAtTheValueBox();
    void emptyCardShowsLabelsButNoDesignText_data();
    void emptyCardShowsLabelsButNoDesignText();
    void missingValueBoxIsReported_data();
    void missingValueBoxIsReported();
    void footerText_data();
    void footerText();

private:
    std::optional<QTemporaryDir> m_folder;
};

void TestCardDocuments::init()
{
    m_folder.emplace();
    QVERIFY(m_folder->isValid());
}

void TestCardDocuments::templateIsTheCards_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("reportName");
    QTest::newRow("landlord") << Card::Landlord << "Locatore e Immobile";
    QTest::newRow("tenant") << Card::Tenant << "Scheda Conduttore";
}

void TestCardDocuments::templateIsTheCards()
{
    QFETCH(Card, card);
    QFETCH(QString, reportName);
    const PageTemplate pageTemplate = cardTemplate(card);
    QCOMPARE(pageTemplate.reportName, reportName);
    QCOMPARE(pageTemplate.pageSize, QPageSize::A4);
    QCOMPARE(pageTemplate.orientation, QPageLayout::Portrait);
    QCOMPARE(pageTemplate.marginsMm, QMarginsF(10.0, 10.0, 10.0, 10.0));
    QVERIFY(pageTemplate.bands.isEmpty());
    for (const QString &control : controlsOf(card))
        QVERIFY2(pageTemplate.textBox(control), qPrintable(control));
    QVERIFY(pageTemplate.textBox(QStringLiteral("txtCalce")));
    QVERIFY(pageTemplate.textBox(QStringLiteral("titArcataSup")));
    // Names are unique, or the flow would fill the wrong box.
    QSet<QString> names;
    for (const Element &element : pageTemplate.elements) {
        const QString name = elementName(element);
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
    // One rectangle, label and value a row, plus two bars, their two texts
    // and the separating line.
    QCOMPARE(pageTemplate.elements.size(), controlsOf(card).size() * 3 + 5);
}

void TestCardDocuments::everyFieldIsPrintedOnceTrimmed_data()
{
    QTest::addColumn<Card>("card");
    QTest::newRow("landlord") << Card::Landlord;
    QTest::newRow("tenant") << Card::Tenant;
}

void TestCardDocuments::everyFieldIsPrintedOnceTrimmed()
{
    QFETCH(Card, card);
    const QStringList &controls = controlsOf(card);
    QStringList asked;
    const FieldLookup window = numberedWindow(controls);
    PageTemplate pageTemplate = cardTemplate(card);
    QVERIFY(fillCard(card, pageTemplate, [&](const QString &control) {
                asked.append(control);
                return window(control);
            }).succeeded());
    // Each control is read once, and only the card's own controls.
    QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()), QSet<QString>(controls.cbegin(), controls.cend()));
    QCOMPARE(asked.size(), controls.size());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QCOMPARE(pageTemplate.textBox(controls.at(i))->text,
                 QStringLiteral("V%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    }

    SKIP_WITHOUT_PDF_READER();
    const auto pdf = PdfText::renderAndRead(prepare(pageTemplate, printedAt.date()), m_folder->path());
    QVERIFY(pdf);
    QCOMPARE(pdf->pages().size(), 1);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QString value = QStringLiteral("V%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        const auto found = pdf->find(value);
        QVERIFY2(found.size() == 1, qPrintable(controls.at(i)));
        // Row after row, 5 mm apart, in the value column.
        COMPARE_MM(found.first().box.top(), 10.0 + 7.0 + 5.0 * i + 0.5);
        COMPARE_MM(found.first().box.left(), 10.0 + 44.0);
    }
}

void TestCardDocuments::rowsStandAtTheirPositions_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("rowTop");  // inside the margins

    QTest::newRow("landlord, first row") << Card::Landlord << "txtLocatore" << "Cognome e nome Locatore:" << 7.0;
    QTest::newRow("landlord, sex after the fiscal code") << Card::Landlord << "txtSessoLoc" << "Sesso:" << 17.0;
    QTest::newRow("landlord, postcode before province") << Card::Landlord << "txtCapLoc" << "CAP:" << 42.0;
    QTest::newRow("landlord, notes") << Card::Landlord << "txtNote" << "Note:" << 87.0;
    QTest::newRow("landlord, land registry income") << Card::Landlord << "txtRendita" << "Rendita catastale:" << 202.0;
    QTest::newRow("landlord, last row") << Card::Landlord << "txtSpese" << "Spese del Conduttore:" << 207.0;
    QTest::newRow("tenant, first row") << Card::Tenant << "txtConduttore" << "Cognome e nome Conduttore:" << 7.0;
    QTest::newRow("tenant, document") << Card::Tenant << "txtDocumento" << "Estremi documento:" << 92.0;
    QTest::newRow("tenant, property wanted") << Card::Tenant << "txtTipoImm" << "Tipo immobile richiesto:" << 97.0;
    QTest::newRow("tenant, last row") << Card::Tenant << "txtQuestioni" << "Questioni in sospeso:" << 147.0;
}

void TestCardDocuments::rowsStandAtTheirPositions()
{
    QFETCH(Card, card);
    QFETCH(QString, control);
    QFETCH(QString, label);
    QFETCH(double, rowTop);
    SKIP_WITHOUT_PDF_READER();

    const auto pdf = printCard(card, [&](const QString &name) {
        return name == control ? QStringLiteral("Valore di prova") : QString();
    }, m_folder->path());
    QVERIFY(pdf);
    const auto value = pdf->find(QStringLiteral("Valore di prova"));
    QCOMPARE(value.size(), 1);
    COMPARE_MM(value.first().box.left(), 10.0 + 44.0);
    COMPARE_MM(value.first().box.top(), 10.0 + rowTop + 0.5);

    const auto labels = pdf->find(label);
    QVERIFY(!labels.isEmpty());
    const auto onRow = std::find_if(labels.cbegin(), labels.cend(), [&](const PdfPhrase &phrase) {
        return qAbs(phrase.box.top() - value.first().box.top()) < 0.5;
    });
    QVERIFY2(onRow != labels.cend(), "the label is not on the value's row");
    COMPARE_MM(onRow->box.left(), 10.0 + 2.0);
    QVERIFY(onRow->box.right() <= 10.0 + 2.0 + 37.8);
}

void TestCardDocuments::titleAndFooterStandInTheirBars_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("footerTop");  // of the footer's text box, inside the margins
    QTest::newRow("landlord") << Card::Landlord << "SCHEDA LOCATORE E IMMOBILE" << 218.0;
    QTest::newRow("tenant") << Card::Tenant << "SCHEDA CONDUTTORE" << 155.0;
}

void TestCardDocuments::titleAndFooterStandInTheirBars()
{
    QFETCH(Card, card);
    QFETCH(QString, title);
    QFETCH(double, footerTop);
    SKIP_WITHOUT_PDF_READER();

    const auto pdf = printCard(card, numberedWindow(controlsOf(card)), m_folder->path());
    QVERIFY(pdf);
    // Both are centred on the 185.8 mm boxes that start 2 mm in.
    const double middle = 10.0 + 2.0 + 185.8 / 2.0;
    const auto titleFound = pdf->find(title);
    QCOMPARE(titleFound.size(), 1);
    COMPARE_MM(titleFound.first().box.center().x(), middle);
    COMPARE_MM(titleFound.first().box.top(), 10.0 + 2.0);

    const auto footer = pdf->find(QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:05"));
    QCOMPARE(footer.size(), 1);
    COMPARE_MM(footer.first().box.center().x(), middle);
    COMPARE_MM(footer.first().box.top(), 10.0 + footerTop);
}

void TestCardDocuments::longNoteIsCutAtTheValueBox_data()
{
    QTest::addColumn<Card>("card");
    QTest::newRow("landlord") << Card::Landlord;
    QTest::newRow("tenant") << Card::Tenant;
}

void TestCardDocuments::longNoteIsCutAtTheValueBox()
{
    QFETCH(Card, card);
    SKIP_WITHOUT_PDF_READER();
    // 250 characters: "nota001 nota002 ...", far more than 144 mm at 7 pt.
    QStringList words;
    for (int i = 1; words.join(QLatin1Char(' ')).size() < 250; ++i)
        words.append(QStringLiteral("nota%1").arg(i, 3, 10, QLatin1Char('0')));
    const QString note = words.join(QLatin1Char(' ')).left(250);

    const auto pdf = printCard(card, [&](const QString &name) {
        return name == QLatin1String("txtNote") ? note : QString();
    }, m_folder->path());
    QVERIFY(pdf);
    const double rowTop = 10.0 + 87.0 + 0.5;
    const QList<PdfWord> shown = pdf->wordsInside(0, QRectF(10.0 + 42.0, rowTop - 0.5, 160.0, 4.0));
    QVERIFY(!shown.isEmpty());
    QStringList texts;
    for (const PdfWord &word : shown) {
        texts.append(word.text);
        QVERIFY2(word.box.right() <= 10.0 + 44.0 + 144.0 + 0.05, qPrintable(word.text));
    }
    QVERIFY(texts.join(QLatin1Char(' ')).size() < note.size());
    QVERIFY(note.startsWith(texts.join(QLatin1Char(' '))));
    // Cut at the edge, not before: what is left is less than a blank and a
    // letter at 7 pt.
    QVERIFY(10.0 + 44.0 + 144.0 - shown.last().box.right() < 3.0);
    // Nothing of it spills onto the next row.
    QVERIFY(pdf->wordsInside(0, QRectF(10.0 + 42.0, rowTop + 4.5, 160.0, 4.0)).isEmpty());
}

void TestCardDocuments::emptyCardShowsLabelsButNoDesignText_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<double>("rowsBottom");  // inside the margins
    QTest::newRow("landlord") << Card::Landlord
                              << QStringList{"Cognome e nome Locatore:", "Codice fiscale:", "E-mail:",
                                             "Spese del Conduttore:", "Rendita catastale:"}
                              << 211.6;
    QTest::newRow("tenant") << Card::Tenant
                            << QStringList{"Cognome e nome Conduttore:", "Periodo preferito:",
                                           "Questioni in sospeso:", "Zona:"}
                            << 151.6;
}

void TestCardDocuments::emptyCardShowsLabelsButNoDesignText()
{
    QFETCH(Card, card);
    QFETCH(QStringList, labels);
    QFETCH(double, rowsBottom);
    SKIP_WITHOUT_PDF_READER();
    const auto pdf = printCard(card, [](const QString &) { return QStringLiteral("   "); },
                               m_folder->path());
    QVERIFY(pdf);
    const QString text = pdf->allText();
    QVERIFY2(!text.contains(QStringLiteral("txt")), qPrintable(text));
    for (const QString &label : labels)
        QVERIFY2(!pdf->find(label).isEmpty(), qPrintable(label));
    QCOMPARE(pdf->find(QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:07:05")).size(), 1);
    // Nothing in the value column at all.
    QVERIFY(pdf->wordsInside(0, QRectF(10.0 + 43.0, 10.0 + 7.0, 150.0, rowsBottom - 7.0)).isEmpty());
}

void TestCardDocuments::missingValueBoxIsReported_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("removed");
    QTest::newRow("landlord, a value box") << Card::Landlord << "txtCodFiscLoc";
    QTest::newRow("landlord, the footer") << Card::Landlord << "txtCalce";
    QTest::newRow("tenant, a value box") << Card::Tenant << "txtQuestioni";
    QTest::newRow("tenant, the footer") << Card::Tenant << "txtCalce";
}

void TestCardDocuments::missingValueBoxIsReported()
{
    QFETCH(Card, card);
    QFETCH(QString, removed);
    PageTemplate pageTemplate = cardTemplate(card);
    const qsizetype before = pageTemplate.elements.size();
    pageTemplate.elements.removeIf([&](const Element &element) { return elementName(element) == removed; });
    QCOMPARE(pageTemplate.elements.size(), before - 1);

    const FillResult result = fillCard(card, pageTemplate, numberedWindow(controlsOf(card)));
    QVERIFY(!result.succeeded());
    QCOMPARE(result.missingObjects, QStringList{removed});
}

void TestCardDocuments::footerText_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("morning") << QDateTime(QDate(2024, 3, 5), QTime(9, 7, 5))
                             << "Stampa eseguita in data 05/03/2024 alle ore 09:07:05";
    QTest::newRow("afternoon, 24-hour clock") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))
                                              << "Stampa eseguita in data 31/12/2026 alle ore 23:59:59";
    QTest::newRow("midnight") << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0))
                              << "Stampa eseguita in data 01/01/2025 alle ore 00:00:00";
}

void TestCardDocuments::footerText()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, expected);
    QCOMPARE(CardDocument::footerText(moment), expected);
    // No time zone, whatever the clock's.
    QCOMPARE(CardDocument::footerText(moment.toUTC()).size(), expected.size());
}

QTEST_MAIN(TestCardDocuments)
#include "tst_carddocuments.moc"
