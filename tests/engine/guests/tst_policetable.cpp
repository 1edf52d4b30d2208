#include "engine/guests/PoliceTable.h"

#include <QTest>

namespace {

PoliceTableRow row(const QString &code, const QString &name, const QString &province = {}, QDate end = {})
{
    return {code, name, province, end};
}

} // namespace

class TestPoliceTable : public QObject
{
    Q_OBJECT
private slots:
    void acceptedForms_data();
    void acceptedForms();
    void refused_data();
    void refused();
    void builtInTables_data();
    void builtInTables();
};

void TestPoliceTable::acceptedForms_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<PoliceTableRow>>("rows");

    const QList<PoliceTableRow> comuni = {row("408099014", "RIMINI", "RN"),
                                          row("408040519", "RIMINI", "FO", QDate(1992, 3, 5))};
    QTest::newRow("download: commas, header, CR LF")
        << int(PoliceTableKind::Comuni)
        << QByteArray("Codice,Descrizione,Provincia,DataFineVal\r\n408099014,RIMINI,RN,\r\n"
                      "408040519,RIMINI,FO,05/03/1992 00:00:00\r\n")
        << comuni;
    QTest::newRow("web service: semicolons, LF, no header")
        << int(PoliceTableKind::Comuni)
        << QByteArray("408099014;RIMINI;RN;\n408040519;RIMINI;FO;05/03/1992 00:00:00") << comuni;
    QTest::newRow("older download: three columns without header")
        << int(PoliceTableKind::Comuni) << QByteArray("408099014;RIMINI;RN\r\n403015146;MILANO;MI\r\n")
        << QList<PoliceTableRow>{row("408099014", "RIMINI", "RN"), row("403015146", "MILANO", "MI")};
    QTest::newRow("end date without time, blank lines, blanks around fields")
        << int(PoliceTableKind::Comuni)
        << QByteArray("\r\n 408040519 , RIMINI , fo , 05/03/1992 \r\n\r\n\r\n")
        << QList<PoliceTableRow>{row("408040519", "RIMINI", "FO", QDate(1992, 3, 5))};
    QTest::newRow("header in capitals, UTF-8 mark")
        << int(PoliceTableKind::Comuni) << QByteArray("\xEF\xBB\xBF" "CODICE;DESCRIZIONE;PROVINCIA\n408099014;RIMINI;RN\n")
        << QList<PoliceTableRow>{row("408099014", "RIMINI", "RN")};
    QTest::newRow("states, semicolons, no header")
        << int(PoliceTableKind::States)
        << QByteArray("100000100;ITALIA;ES;\n100000210;CECOSLOVACCHIA;ES;01/01/1993 00:00:00\n")
        << QList<PoliceTableRow>{row("100000100", "ITALIA"), row("100000210", "CECOSLOVACCHIA", "", QDate(1993, 1, 1))};
    QTest::newRow("states, three columns without header")
        << int(PoliceTableKind::States) << QByteArray("100000100;ITALIA;ES\r\n100000215;FRANCIA;ES\r\n")
        << QList<PoliceTableRow>{row("100000100", "ITALIA"), row("100000215", "FRANCIA")};
    QTest::newRow("documents")
        << int(PoliceTableKind::DocumentTypes)
        << QByteArray("Codice,Descrizione\r\nIDENT,CARTA DI IDENTITA'\r\nPORM5,TESS. AGENTI/ASS.TI P.P.\r\n")
        << QList<PoliceTableRow>{row("IDENT", "CARTA DI IDENTITA'"), row("PORM5", "TESS. AGENTI/ASS.TI P.P.")};
    QTest::newRow("guest types, no header")
        << int(PoliceTableKind::GuestTypes)
        << QByteArray("16;OSPITE SINGOLO\n17;CAPO FAMIGLIA\n18;CAPO GRUPPO\n19;FAMILIARE\n20;MEMBRO GRUPPO\n")
        << QList<PoliceTableRow>{row("16", "OSPITE SINGOLO"), row("17", "CAPO FAMIGLIA"), row("18", "CAPO GRUPPO"),
                                 row("19", "FAMILIARE"), row("20", "MEMBRO GRUPPO")};
    QTest::newRow("Windows code page")
        << int(PoliceTableKind::Comuni) << QByteArray("401001001;AGLI\xC8;TO\n")
        << QList<PoliceTableRow>{row("401001001", "AGLIÈ", "TO")};
}

void TestPoliceTable::acceptedForms()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<PoliceTableRow>, rows);
    const PoliceTableParse parsed = PoliceTable::parse(PoliceTableKind(kind), bytes);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.rows, rows);
}

void TestPoliceTable::refused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray header = "Codice,Descrizione,Provincia,DataFineVal\r\n";
    QTest::newRow("code of 8 digits")
        << int(PoliceTableKind::Comuni) << header + "408099014,RIMINI,RN,\r\n40809901,RICCIONE,RN,\r\n"
        << "Riga 3: il codice \"40809901\" non è di 9 cifre.";
    QTest::newRow("code with a letter")
        << int(PoliceTableKind::States) << QByteArray("100000100;ITALIA;ES\n10000021A;FRANCIA;ES\n")
        << "Riga 2: il codice \"10000021A\" non è di 9 cifre.";
    QTest::newRow("too few columns")
        << int(PoliceTableKind::Comuni) << header + "408099014,RIMINI,RN,\r\n408099013,RICCIONE\r\n"
        << "Riga 3: 2 colonne invece di 4 come nelle righe precedenti.";
    QTest::newRow("too many columns on the first line")
        << int(PoliceTableKind::Comuni) << QByteArray("408099014,RIMINI,RN,,X\n")
        << "Riga 1: 5 colonne invece di 3 o 4.";
    QTest::newRow("documents with a third column")
        << int(PoliceTableKind::DocumentTypes) << QByteArray("IDENT;CARTA;X\n") << "Riga 1: 3 colonne invece di 2.";
    QTest::newRow("bad end date")
        << int(PoliceTableKind::Comuni) << header + "408040519,RIMINI,FO,31/02/1992 00:00:00\r\n"
        << "Riga 2: la data di fine validità \"31/02/1992 00:00:00\" non è una data valida.";
    QTest::newRow("bad end time")
        << int(PoliceTableKind::Comuni) << header + "408040519,RIMINI,FO,05/03/1992 25:00:00\r\n"
        << "Riga 2: la data di fine validità \"05/03/1992 25:00:00\" non è una data valida.";
    QTest::newRow("line number counts blank lines")
        << int(PoliceTableKind::Comuni) << QByteArray("408099014;RIMINI;RN\n\n\n408099013;;RN\n")
        << "Riga 4: manca la descrizione del codice \"408099013\".";
    QTest::newRow("province of three letters")
        << int(PoliceTableKind::Comuni) << QByteArray("408099014;RIMINI;RNN\n")
        << "Riga 1: la provincia \"RNN\" non è una sigla di due lettere.";
    QTest::newRow("states loaded as comuni")
        << int(PoliceTableKind::Comuni) << QByteArray("100000100;ITALIA;ES\n")
        << "Riga 1: la provincia \"ES\" è quella degli stati esteri, non di un comune.";
    QTest::newRow("comuni loaded as states")
        << int(PoliceTableKind::States) << header + "100000100,ITALIA,ES,\r\n408099014,RIMINI,RN,\r\n"
        << "Riga 3: la provincia \"RN\" è quella di un comune, non di uno stato estero.";
    QTest::newRow("guest types loaded as documents")
        << int(PoliceTableKind::DocumentTypes) << QByteArray("Codice,Descrizione\r\n16,OSPITE SINGOLO\r\n")
        << "Riga 2: il codice \"16\" non è un codice di documento "
           "(fino a 5 lettere maiuscole o cifre, la prima una lettera).";
    QTest::newRow("document code too long")
        << int(PoliceTableKind::DocumentTypes) << QByteArray("PASSAP;PASSAPORTO\n")
        << "Riga 1: il codice \"PASSAP\" non è un codice di documento "
           "(fino a 5 lettere maiuscole o cifre, la prima una lettera).";
    QTest::newRow("guest type not a number")
        << int(PoliceTableKind::GuestTypes) << QByteArray("16;OSPITE SINGOLO\nXX;ALTRO\n")
        << "Riga 2: il codice \"XX\" non è un tipo di alloggiato (un numero di due cifre).";
    QTest::newRow("code twice")
        << int(PoliceTableKind::Comuni) << QByteArray("408099014;RIMINI;RN\n408099013;RICCIONE;RN\n408099014;RIMINI;FO\n")
        << "Riga 3: il codice \"408099014\" c'è già alla riga 1.";
    QTest::newRow("states without Italy")
        << int(PoliceTableKind::States) << QByteArray("100000215;FRANCIA;ES\n")
        << "Manca l'Italia (codice 100000100).";
    QTest::newRow("guest types without 19")
        << int(PoliceTableKind::GuestTypes) << QByteArray("16;A\n17;B\n18;C\n20;D\n")
        << "Manca il tipo di alloggiato 19.";
    QTest::newRow("header alone") << int(PoliceTableKind::Comuni) << header
                                  << "Il file non contiene nessuna riga della tabella.";
    QTest::newRow("empty file") << int(PoliceTableKind::DocumentTypes) << QByteArray()
                                << "Il file non contiene nessuna riga della tabella.";
}

void TestPoliceTable::refused()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const PoliceTableParse parsed = PoliceTable::parse(PoliceTableKind(kind), bytes);
    QVERIFY(!parsed.ok());
    QCOMPARE(parsed.error, error);
    QVERIFY(parsed.rows.isEmpty());
}

void TestPoliceTable::builtInTables_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("ceased");

    // As the portal published them in April 2025.
    QTest::newRow("comuni") << int(PoliceTableKind::Comuni) << 11284 << 11284 - 7903;
    QTest::newRow("states") << int(PoliceTableKind::States) << 236 << 4;
    QTest::newRow("documents") << int(PoliceTableKind::DocumentTypes) << 95 << 0;
    QTest::newRow("guest types") << int(PoliceTableKind::GuestTypes) << 5 << 0;
}

void TestPoliceTable::builtInTables()
{
    QFETCH(int, kind);
    QFETCH(int, rows);
    QFETCH(int, ceased);
    const QByteArray bytes = PoliceTable::builtInBytes(PoliceTableKind(kind));
    QVERIFY(!bytes.isEmpty());
    const PoliceTableParse parsed = PoliceTable::parse(PoliceTableKind(kind), bytes);
    QVERIFY2(parsed.ok(), qPrintable(parsed.error));
    QCOMPARE(parsed.rows.size(), rows);
    const auto ceasedRows = std::count_if(parsed.rows.cbegin(), parsed.rows.cend(),
                                          [](const PoliceTableRow &r) { return r.endDate.isValid(); });
    QCOMPARE(int(ceasedRows), ceased);
}

QTEST_GUILESS_MAIN(TestPoliceTable)
#include "tst_policetable.moc"
