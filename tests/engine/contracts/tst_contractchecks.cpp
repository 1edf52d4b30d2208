#include "engine/contracts/ContractChecks.h"

#include <QHash>
#include <QTest>

using Fields = QHash<QString, QString>;

namespace {

const QString kBreak = QStringLiteral("\n\r\n\r");

QString missing(const char *what)
{
    return QStringLiteral("Attenzione: per salvare il contratto è necessario indicare ") + QString::fromUtf8(what);
}

} // namespace

class TestContractChecks : public QObject
{
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
};

void TestContractChecks::checks_data()
{
    QTest::addColumn<Fields>("changes");
    QTest::addColumn<int>("kind");  // -1: saved
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const int warning = static_cast<int>(MessageKind::Warning);
    const int plain = static_cast<int>(MessageKind::Plain);

    QTest::newRow("complete contract") << Fields{} << -1 << "" << "";
    QTest::newRow("same day start and end") << Fields{{"FineCon", "01/08/2024"}} << -1 << "" << "";
    QTest::newRow("duration in words, 45 days") << Fields{{"DurataCon", "quarantacinque"}} << -1 << "" << "";
    QTest::newRow("rent in words") << Fields{{"ImpCanone", "settecento"}} << -1 << "" << "";

    QTest::newRow("1 landlord") << Fields{{"Locatore", "  "}} << warning
                                << missing("cognome e nome del Locatore.") << "Locatore";
    QTest::newRow("2 tenant") << Fields{{"Conduttore", ""}} << warning
                              << missing("cognome e nome del Conduttore.") << "Conduttore";
    QTest::newRow("3 duration") << Fields{{"DurataCon", " "}} << warning
                                << missing("la sua durata in numero di giorni.") << "DurataCon";
    QTest::newRow("4 start missing")
        << Fields{{"InizioCon", ""}} << warning
        << "Attenzione: per salvare i dati è necessario indicare la data di inizio contratto." << "InizioCon";
    QTest::newRow("5 start not a day")
        << Fields{{"InizioCon", "31/04/2024"}} << plain
        << "Attenzione: la data 31/04/2024 di inizio contratto non esiste." + kBreak
               + "Per salvare il contratto in archivio è necessario indicare una data valida."
        << "InizioCon";
    QTest::newRow("6 end missing")
        << Fields{{"FineCon", ""}} << warning
        << "Attenzione: per salvare i dati è necessario indicare la data di fine contratto." << "FineCon";
    QTest::newRow("7 end not a day")
        << Fields{{"FineCon", " 31/02/2024 "}} << plain
        << "Attenzione: la data 31/02/2024 di fine contratto non esiste." + kBreak
               + "Per salvare il contratto in archivio è necessario indicare una data valida."
        << "FineCon";
    QTest::newRow("7 end on 29 February of a common year")
        << Fields{{"FineCon", "29/02/2023"}} << plain
        << "Attenzione: la data 29/02/2023 di fine contratto non esiste." + kBreak
               + "Per salvare il contratto in archivio è necessario indicare una data valida."
        << "FineCon";
    QTest::newRow("8 end before start")
        << Fields{{"InizioCon", "10/08/2024"}, {"FineCon", "09/08/2024"}} << plain
        << "Attenzione: la data di fine contratto (09/08/2024) non può essere anteriore a quella di inizio "
           "contratto (10/08/2024)." + kBreak
               + "Per poter salvare il contratto è necessario indicare un intervallo di tempo valido."
        << "InizioCon";
    QTest::newRow("8 compared as dates, not as texts")
        << Fields{{"InizioCon", "02/01/2025"}, {"FineCon", "01/02/2025"}} << -1 << "" << "";
    QTest::newRow("9 rent") << Fields{{"ImpCanone", ""}} << warning
                            << missing("l'importo del canone di locazione.") << "ImpCanone";

    QTest::newRow("two failing: the first is reported")
        << Fields{{"Conduttore", ""}, {"ImpCanone", ""}} << warning
        << missing("cognome e nome del Conduttore.") << "Conduttore";
    QTest::newRow("start invalid before end missing")
        << Fields{{"InizioCon", "32/01/2024"}, {"FineCon", ""}} << plain
        << "Attenzione: la data 32/01/2024 di inizio contratto non esiste." + kBreak
               + "Per salvare il contratto in archivio è necessario indicare una data valida."
        << "InizioCon";
    QTest::newRow("order before rent")
        << Fields{{"InizioCon", "10/08/2024"}, {"FineCon", "09/08/2024"}, {"ImpCanone", ""}} << plain
        << "Attenzione: la data di fine contratto (09/08/2024) non può essere anteriore a quella di inizio "
           "contratto (10/08/2024)." + kBreak
               + "Per poter salvare il contratto è necessario indicare un intervallo di tempo valido."
        << "InizioCon";
}

void TestContractChecks::checks()
{
    QFETCH(Fields, changes);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fields fields = {
        {"Locatore", "ROSSI MARIO"}, {"Conduttore", "BIANCHI ANNA"}, {"DurataCon", "7"},
        {"InizioCon", "01/08/2024"}, {"FineCon", "07/08/2024"}, {"ImpCanone", "700"},
    };
    fields.insert(changes);
    const auto failure = firstFailedContractCheck([&](const QString &name) { return fields.value(name); });
    if (kind < 0) {
        QVERIFY(!failure);
        return;
    }
    QVERIFY(failure);
    QCOMPARE(static_cast<int>(failure->kind), kind);
    QCOMPARE(failure->message, message);
    QCOMPARE(failure->focusField, focus);
}

QTEST_APPLESS_MAIN(TestContractChecks)
#include "tst_contractchecks.moc"
