#include "SearchFixture.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/lists/SummaryLayout.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLineModel.h"
#include "engine/lists/SummaryLines.h"
#include "engine/lists/SummaryOrder.h"

#include <QTest>

namespace {

// `text` followed by blanks up to `width`; the text must fit (cut cases are
// written out in full).
QString col(const QString &text, int width)
{
    Q_ASSERT(text.size() <= width);
    return text + QString(width - text.size(), QLatin1Char(' '));
}

enum class Line { Landlords, Tenants, Contracts, Receipts };

const SummaryLayout &layoutOf(Line line)
{
    switch (line) {
    case Line::Landlords: return SummaryLayouts::landlords();
    case Line::Tenants: return SummaryLayouts::tenants();
    case Line::Contracts: return SummaryLayouts::contracts();
    case Line::Receipts: return SummaryLayouts::receipts();
    }
    return SummaryLayouts::landlords();
}

const RecordLayout &recordOf(Line line)
{
    switch (line) {
    case Line::Landlords: return RecordLayouts::locatore();
    case Line::Tenants: return RecordLayouts::conduttore();
    case Line::Contracts: return RecordLayouts::contratto();
    case Line::Receipts: return RecordLayouts::ricevuta();
    }
    return RecordLayouts::locatore();
}

using Values = QList<QPair<QString, QString>>;

Record recordFrom(Line line, const Values &values)
{
    Record record(recordOf(line));
    for (const auto &[field, text] : values)
        record.setValue(field, text);
    return record;
}

} // namespace

Q_DECLARE_METATYPE(Line)

// A summary line from a record: widths, cuts, the last field, literals.
class TestSummaryLines : public QObject
{
    Q_OBJECT
private slots:
    void lineOfARecord_data();
    void lineOfARecord();
    void literalsStandAtTheirColumns_data();
    void literalsStandAtTheirColumns();
    void fieldsAsStoredByAnotherWriter_data();
    void fieldsAsStoredByAnotherWriter();
    void damagedLengthTakesNoByteOutsideTheField();
    void lengthsOfTheLines_data();
    void lengthsOfTheLines();
    void storedLinesKeepTheirOrderUntilSorted();
    void sortedLinesEqualOnesKeepTheirOrder();
    void sortAgreesWithTheOrder_data();
    void sortAgreesWithTheOrder();
    void copiedAddedToAndSortedAgain();
    void linesBeyondABlock();
    void modelShowsTheLines();
};

void TestSummaryLines::lineOfARecord_data()
{
    QTest::addColumn<Line>("line");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("landlord")
        << Line::Landlords
        << Values{{"Locatore", "ROSSI MARIO"}, {"RecapitoLoc", "333 1234567"}, {"TipoImm", "Appartamento"},
                  {"ComuneImm", "Perugia"}, {"ViaImm", "Via Roma 1"}, {"Posti", "4"}, {"Note", "not shown"}}
        << col("ROSSI MARIO", 28) + "  Tel. " + col("333 1234567", 16) + "  Tipo: " + col("Appartamento", 20)
               + "  Città: " + col("Perugia", 20) + "  " + col("Via Roma 1", 30) + "  Posti: 4";
    QTest::newRow("landlord, long texts cut, last field whole")
        << Line::Landlords
        << Values{{"Locatore", "DELLA ROVERE GUIDOBALDO MONTEFELTRO"},
                  {"RecapitoLoc", "+39 075 1234567 interno 12"},
                  {"TipoImm", "Villa con piscina e giardino"},
                  {"ComuneImm", "Castiglione del Lago (PG)"},
                  {"ViaImm", "Via dei Cavalieri di Vittorio Veneto 128"},
                  {"Posti", "otto più due culle aggiunte su richiesta"}}
        << QStringLiteral("DELLA ROVERE GUIDOBALDO MONT  Tel. +39 075 1234567   Tipo: Villa con piscina e "
                          "  Città: Castiglione del Lago  Via dei Cavalieri di Vittorio   Posti: "
                          "otto più due culle aggiunte su richiesta");
    QTest::newRow("tenant, accents")
        << Line::Tenants
        << Values{{"Conduttore", "NICOLÒ FORLÌ"}, {"RecapitoCon", "06 555"}, {"TipoImm", "Attico"},
                  {"ComuneImm", "Città di Castello"}, {"Zona", "Centro storico è meglio"}, {"Posti", "2"}}
        << col("NICOLÒ FORLÌ", 28) + "  Tel. " + col("06 555", 16) + "  Tipo: " + col("Attico", 20)
               + "  Città: " + col("Città di Castello", 20) + "  Zona: " + col("Centro storico è meglio", 24)
               + "  Posti: 2";
    QTest::newRow("tenant, every field empty")
        << Line::Tenants << Values{}
        << col("", 28) + "  Tel. " + col("", 16) + "  Tipo: " + col("", 20) + "  Città: " + col("", 20)
               + "  Zona: " + col("", 24) + "  Posti: ";
    QTest::newRow("contract, euro and a duration of 120")
        << Line::Contracts
        << Values{{"Conduttore", "BIANCHI ANNA"}, {"DurataCon", "120"}, {"InizioCon", "01/08/2026"},
                  {"FineCon", "28/11/2026"}, {"ComuneImm", "Assisi"}, {"ViaImm", "Via San Francesco 3"},
                  {"ImpCanone", "1.200,00 €"}, {"Locatore", "not shown"}}
        << col("BIANCHI ANNA", 28) + "  Giorni: 120  Da: 01/08/2026  A: 28/11/2026  Città: " + col("Assisi", 24)
               + "  " + col("Via San Francesco 3", 30) + "  € 1.200,00 €";
    QTest::newRow("contract, a duration of 1000 shows 100")
        << Line::Contracts
        << Values{{"Conduttore", "VERDI"}, {"DurataCon", "1000"}, {"InizioCon", "01/01/2026"},
                  {"FineCon", "27/09/2028"}, {"ComuneImm", "Todi"}, {"ViaImm", "Corso €uropa 1"},
                  {"ImpCanone", "90"}}
        << col("VERDI", 28) + "  Giorni: 100  Da: 01/01/2026  A: 27/09/2028  Città: " + col("Todi", 24) + "  "
               + col("Corso €uropa 1", 30) + "  € 90";
    QTest::newRow("contract, a short duration padded")
        << Line::Contracts << Values{{"Conduttore", "NERI"}, {"DurataCon", "7"}}
        << col("NERI", 28) + "  Giorni: 7    Da: " + col("", 10) + "  A: " + col("", 10) + "  Città: "
               + col("", 24) + "  " + col("", 30) + "  € ";
    QTest::newRow("receipt")
        << Line::Receipts
        << Values{{"NumRic", "12"}, {"Data", "05/03/2024"}, {"Pagatore01", "ROSSI MARIO"},
                  {"Causale01", "Affitto di marzo, appartamento di via Roma n. 12"}, {"Intero", "700,00"},
                  {"Pagatore02", "not shown"}}
        << "Ric. n. " + col("12", 15) + "  Data: 05/03/2024  Da: " + col("ROSSI MARIO", 35)
               + "  Per: Affitto di marzo, appartamento di via Ro  Totale: € 700,00";
}

void TestSummaryLines::lineOfARecord()
{
    QFETCH(Line, line);
    QFETCH(Values, values);
    QFETCH(QString, expected);
    const SummaryLineBuilder builder(layoutOf(line), recordOf(line));
    const Record record = recordFrom(line, values);
    QCOMPARE(builder.line(record), expected);
    // The bytes as the archive holds them give the same line.
    QCOMPARE(builder.line(record.encode().constData()), expected);
}

void TestSummaryLines::literalsStandAtTheirColumns_data()
{
    QTest::addColumn<Line>("line");
    QTest::addColumn<QString>("literal");
    QTest::addColumn<int>("column");  // from 1

    QTest::newRow("landlord tel") << Line::Landlords << "  Tel. " << 29;
    QTest::newRow("landlord tipo") << Line::Landlords << "  Tipo: " << 52;
    QTest::newRow("landlord città") << Line::Landlords << "  Città: " << 80;
    QTest::newRow("landlord posti") << Line::Landlords << "  Posti: " << 141;
    QTest::newRow("tenant zona") << Line::Tenants << "  Zona: " << 109;
    QTest::newRow("tenant posti") << Line::Tenants << "  Posti: " << 141;
    QTest::newRow("contract giorni") << Line::Contracts << "  Giorni: " << 29;
    QTest::newRow("contract da") << Line::Contracts << "  Da: " << 42;
    QTest::newRow("contract a") << Line::Contracts << "  A: " << 58;
    QTest::newRow("contract città") << Line::Contracts << "  Città: " << 73;
    QTest::newRow("contract euro") << Line::Contracts << "  € " << 138;
    QTest::newRow("receipt number") << Line::Receipts << "Ric. n. " << 1;
    QTest::newRow("receipt data") << Line::Receipts << "  Data: " << 24;
    QTest::newRow("receipt da") << Line::Receipts << "  Da: " << 42;
    QTest::newRow("receipt per") << Line::Receipts << "  Per: " << 83;
    QTest::newRow("receipt totale") << Line::Receipts << "  Totale: € " << 130;
}

void TestSummaryLines::literalsStandAtTheirColumns()
{
    QFETCH(Line, line);
    QFETCH(QString, literal);
    QFETCH(int, column);
    const SummaryLineBuilder builder(layoutOf(line), recordOf(line));
    // Every field filled with 'x' beyond its width, so that nothing but the
    // widths places the literals.
    Record full(recordOf(line));
    for (int i = 0; i < recordOf(line).fieldCount(); ++i)
        full.setValue(i, QString(recordOf(line).capacity(i), QLatin1Char('x')));
    for (const Record &record : {Record(recordOf(line)), full})
        QCOMPARE(builder.line(record).mid(column - 1, literal.size()), literal);
}

void TestSummaryLines::fieldsAsStoredByAnotherWriter_data()
{
    QTest::addColumn<QByteArray>("name");     // raw bytes of Conduttore
    QTest::addColumn<QByteArray>("places");   // raw bytes of Posti, the last field
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedPlaces");

    QTest::newRow("blanks around") << QByteArray("  ROSSI  ") << QByteArray("  4  ") << col("ROSSI", 28) << "4";
    QTest::newRow("control characters around") << QByteArray("\tROSSI\r\n") << QByteArray("\t4\t")
                                               << col("ROSSI", 28) << "4";
    QTest::newRow("blanks only") << QByteArray("     ") << QByteArray("   ") << col("", 28) << "";
    QTest::newRow("Windows-1252 bytes") << QByteArray("FORL\xCC \x80") << QByteArray("\x80 5")
                                        << col("FORLÌ €", 28) << "€ 5";
}

void TestSummaryLines::fieldsAsStoredByAnotherWriter()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, places);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedPlaces);
    const RecordLayout &layout = RecordLayouts::conduttore();
    QByteArray bytes = Record(layout).encode();
    bytes = SearchFixture::withRawField(layout, bytes, "Conduttore", name);
    bytes = SearchFixture::withRawField(layout, bytes, "Posti", places);
    const QString line = SummaryLineBuilder(SummaryLayouts::tenants(), layout).line(bytes.constData());
    QCOMPARE(line.left(28), expectedName);
    QCOMPARE(line.mid(149), expectedPlaces);
}

void TestSummaryLines::damagedLengthTakesNoByteOutsideTheField()
{
    const RecordLayout &layout = RecordLayouts::locatore();
    QByteArray bytes = Record(layout).encode();
    const int posti = layout.indexOf(QStringLiteral("Posti"));
    bytes = SearchFixture::withRawField(layout, bytes, "Posti", QByteArray(50, 'X'));
    bytes[layout.offset(posti)] = char(255);
    // The next field's bytes would follow if the length were believed.
    bytes = SearchFixture::withRawField(layout, bytes, "CodComune", QByteArray(12, 'Y'));
    const QString line = SummaryLineBuilder(SummaryLayouts::landlords(), layout).line(bytes.constData());
    QCOMPARE(line.mid(149), QString(50, QLatin1Char('X')));
}

void TestSummaryLines::lengthsOfTheLines_data()
{
    QTest::addColumn<Line>("line");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<int>("maximum");
    QTest::newRow("landlords") << Line::Landlords << 149 << 149 + 50;
    QTest::newRow("tenants") << Line::Tenants << 149 << 149 + 50;
    QTest::newRow("contracts") << Line::Contracts << 141 << 141 + 50;
    QTest::newRow("receipts") << Line::Receipts << 141 << 141 + 11;
}

void TestSummaryLines::lengthsOfTheLines()
{
    QFETCH(Line, line);
    QFETCH(int, fixed);
    QFETCH(int, maximum);
    const SummaryLineBuilder builder(layoutOf(line), recordOf(line));
    QCOMPARE(builder.fixedLength(), fixed);
    QCOMPARE(builder.maximumLength(), maximum);
    QCOMPARE(builder.line(Record(recordOf(line))).size(), fixed);
}

void TestSummaryLines::storedLinesKeepTheirOrderUntilSorted()
{
    const RecordLayout &layout = RecordLayouts::conduttore();
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), layout);
    SummaryLines lines;
    lines.append(QStringLiteral("zeta"));
    lines.append(builder, SearchFixture::record(layout, {{"Conduttore", "BIANCHI"}}).encode().constData());
    lines.append(QString());
    lines.append(QStringLiteral("alfa"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.line(0), QStringLiteral("zeta"));
    QVERIFY(lines.line(1).startsWith(QStringLiteral("BIANCHI ")));
    QCOMPARE(lines.line(2), QString());
    QCOMPARE(lines.line(3), QStringLiteral("alfa"));
    QCOMPARE(lines.characterCount(), 4 + 149 + 0 + 4);
    lines.sort();
    QCOMPARE(lines.toStringList().first(), QString());
    QCOMPARE(lines.line(1), QStringLiteral("alfa"));
    QVERIFY(lines.line(2).startsWith(QStringLiteral("BIANCHI ")));
    QCOMPARE(lines.line(3), QStringLiteral("zeta"));
}

void TestSummaryLines::sortedLinesEqualOnesKeepTheirOrder()
{
    SummaryLines lines(QStringList{"rossi 2", "ROSSI 1", "Bianchi", "Rossi 1", "rossi 1"});
    lines.sort();
    QCOMPARE(lines.toStringList(), (QStringList{"Bianchi", "ROSSI 1", "Rossi 1", "rossi 1", "rossi 2"}));
}

void TestSummaryLines::sortAgreesWithTheOrder_data()
{
    QTest::addColumn<QStringList>("lines");
    // Lines that differ late, lines with characters beyond one byte early,
    // lines that begin others, many lines alike.
    const QString name = QStringLiteral("DELLA ROVERE GUIDOBALDO MONTEFELTRO");
    QTest::newRow("differing after the first 24 characters")
        << QStringList{name + "  Z", name + "  a", name + "  B", name.toLower() + "  A", name + " "};
    QTest::newRow("wide characters early")
        << QStringList{"€B", "€A", "ÿZ", "ÿA", "Œ", "€", "ÿ", "ŒA", "€ ", "þ", "EURO"};
    QTest::newRow("prefixes") << QStringList{"ROSSI MARIO", "ROSSI", "rossi m", "", "ROSSI MARIO ", "R"};
    QTest::newRow("control and zero characters")
        << QStringList{QString(QChar(0)) + "B", "A", QString(QChar(0)), QStringLiteral("A") + QChar(0) + "B", "A\tB"};
    QStringList many;
    for (int i = 0; i < 500; ++i)
        many.append(QStringLiteral("%1 %2 é%3").arg(i % 7 ? QStringLiteral("Rossi") : QStringLiteral("ROSSI"))
                        .arg((i * 7919) % 101).arg((i * 104729) % 13));
    QTest::newRow("many alike") << many;
    QStringList long_;
    for (int i = 0; i < 400; ++i) {
        long_.append(col(i % 3 ? QStringLiteral("ROSSI MARIO") : QStringLiteral("rossi mario"), 28)
                     + QStringLiteral("  Giorni: %1  Da: 01/0%2/2026  A: ").arg(i % 4).arg(i % 9 + 1)
                     + QString(i % 5, QChar(u'é')) + QString::number((i * 7919) % 37));
    }
    long_.append(long_.first());
    long_.append(long_.first().left(50));
    QTest::newRow("long lines alike far into the line") << long_;
    // Lines all beginning alike for their first 24 characters, then in
    // every letter case and with characters beyond one byte.
    QStringList deep;
    const QStringList tails = {"b", "B", "a", "€", "ÿ", "Ā", "", "a ", "A\t", "z"};
    for (int i = 0; i < 900; ++i)
        deep.append(name.left(24) + QString::number((i * 37) % 11) + tails.at((i * 7) % tails.size())
                    + QString::number(i % 3));
    QTest::newRow("many lines alike for a long stretch") << deep;
}

void TestSummaryLines::sortAgreesWithTheOrder()
{
    QFETCH(QStringList, lines);
    QStringList expected = lines;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const QString &a, const QString &b) { return SummaryOrder::less(a, b); });
    SummaryLines sorted(lines);
    sorted.sort();
    QCOMPARE(sorted.toStringList(), expected);
}

void TestSummaryLines::copiedAddedToAndSortedAgain()
{
    // A list sorted once, then added to and copied, still sorts right.
    SummaryLines first(QStringList{"rossi", "Bianchi", "Verdi", "abate"});
    QCOMPARE(first.characterCount(), 5 + 7 + 5 + 5);
    first.sort();
    QCOMPARE(first.toStringList(), (QStringList{"abate", "Bianchi", "rossi", "Verdi"}));

    first.append(QStringLiteral("Bianchi"));
    first.append(QStringLiteral("conti"));
    first.append(QStringLiteral("ABATE"));
    const SummaryLines copy = first;
    QCOMPARE(copy.toStringList(), first.toStringList());
    QCOMPARE(copy.characterCount(), first.characterCount());
    SummaryLines again = copy;
    again.sort();
    QCOMPARE(again.toStringList(), (QStringList{"abate", "ABATE", "Bianchi", "Bianchi", "conti", "rossi", "Verdi"}));
    // Sorting a copy leaves the list it came from as it was.
    QCOMPARE(copy.toStringList(), first.toStringList());
    // The copy owns its text: the original may go.
    first.clear();
    QVERIFY(first.isEmpty());
    QCOMPARE(first.characterCount(), 0);
    QCOMPARE(copy.line(0), QStringLiteral("abate"));

    // Moved, the lines go with the list.
    SummaryLines moved = std::move(again);
    QCOMPARE(moved.size(), 7);
    QCOMPARE(moved.line(6), QStringLiteral("Verdi"));
}

void TestSummaryLines::linesBeyondABlock()
{
    // More text than one block holds, and a line longer than a block: every
    // line stays whole and in its place.
    const SummaryLineBuilder builder(SummaryLayouts::tenants(), RecordLayouts::conduttore());
    QStringList expected;
    SummaryLines lines;
    for (int i = 0; i < 600; ++i) {
        const QByteArray bytes = SearchFixture::record(RecordLayouts::conduttore(),
                                                       {{"Conduttore", QStringLiteral("INQUILINO %1").arg(i)},
                                                        {"Posti", QString(i % 50, QLatin1Char('p'))}})
                                     .encode();
        lines.append(builder, bytes.constData());
        expected.append(builder.line(bytes.constData()));
        if (i == 300) {
            const QString huge(100000, QLatin1Char('h'));
            lines.append(huge);
            expected.append(huge);
        }
    }
    QCOMPARE(lines.toStringList(), expected);
    qsizetype characters = 0;
    for (const QString &line : expected)
        characters += line.size();
    QCOMPARE(lines.characterCount(), characters);
    QVERIFY(lines.memoryBytes() >= characters * qsizetype(sizeof(char16_t)));
}

void TestSummaryLines::modelShowsTheLines()
{
    SummaryLineModel model;
    QCOMPARE(model.rowCount(), 0);
    model.setLines(SummaryLines(QStringList{"uno", "due"}));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(1)).toString(), QStringLiteral("due"));
    QCOMPARE(model.line(0), QStringLiteral("uno"));
    QCOMPARE(model.line(5), QString());
    QVERIFY(!model.data(model.index(0), Qt::DecorationRole).isValid());
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_APPLESS_MAIN(TestSummaryLines)
#include "tst_summarylines.moc"
