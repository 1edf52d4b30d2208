#include "engine/guide/GuideTopics.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

Q_DECLARE_METATYPE(GuideTopic)

// The topics of the built-in help: every topic file, its paragraphs, and
// what the texts must tell a new user.
class TestGuideTopics : public QObject
{
    Q_OBJECT

private slots:
    void everyTopicHasItsTitleAndFile();
    void topicFileIsInParagraphForm_data();
    void topicFileIsInParagraphForm();
    void generalTopicGathersTheModulesInOrder();
    void generalTopicTellsWhatANewUserNeeds_data();
    void generalTopicTellsWhatANewUserNeeds();
    void exportTopicsReadAsWritten_data();
    void exportTopicsReadAsWritten();
};

void TestGuideTopics::everyTopicHasItsTitleAndFile()
{
    const QList<GuideTopic> topics = GuideTopics::all();
    QCOMPARE(topics.size(), 9);
    QCOMPARE(topics.constFirst(), GuideTopic::General);
    QSet<QString> titles;
    QSet<QString> files;
    for (GuideTopic topic : topics) {
        titles.insert(GuideTopics::title(topic));
        files.insert(GuideTopics::resourcePath(topic));
    }
    QCOMPARE(titles.size(), topics.size());
    QCOMPARE(files.size(), topics.size());
}

void TestGuideTopics::topicFileIsInParagraphForm_data()
{
    QTest::addColumn<GuideTopic>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("paragraphs");

    QTest::newRow("general") << GuideTopic::General << "Uno sguardo a Vacanzio" << 41;
    QTest::newRow("landlords") << GuideTopic::Landlords << "App Immobili e Locatori" << 7;
    QTest::newRow("tenants") << GuideTopic::Tenants << "App Archivio Conduttori" << 7;
    QTest::newRow("contracts") << GuideTopic::Contracts << "App Contratti di Locazione" << 8;
    QTest::newRow("receipts") << GuideTopic::Receipts << "App Emissione Ricevute" << 11;
    QTest::newRow("landlords export") << GuideTopic::LandlordsExport
                                      << "Esportazione archivio Locatori in Microsoft Excel" << 3;
    QTest::newRow("tenants export") << GuideTopic::TenantsExport
                                    << "Esportazione archivio Conduttori in Microsoft Excel" << 3;
    QTest::newRow("contracts export") << GuideTopic::ContractsExport
                                      << "Esportazione archivio contratti in Microsoft Excel" << 3;
    QTest::newRow("receipts export") << GuideTopic::ReceiptsExport
                                     << "Esportazione archivio ricevute in Microsoft Excel" << 3;
}

void TestGuideTopics::topicFileIsInParagraphForm()
{
    QFETCH(GuideTopic, topic);
    QFETCH(QString, title);
    QFETCH(int, paragraphs);

    QCOMPARE(GuideTopics::title(topic), title);
    const QString text = GuideTopics::text(topic);
    QVERIFY2(!text.isEmpty(), qPrintable(GuideTopics::resourcePath(topic)));

    QFile file(GuideTopics::resourcePath(topic));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(raw);
    QVERIFY2(!utf8.hasError(), "not UTF-8");
    // The text is the file, at most without the line break that ends it.
    QVERIFY(decoded == text || decoded == text + QStringLiteral("\r\n"));

    const QStringList parts = text.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(parts.size(), paragraphs);
    QCOMPARE(GuideTopics::paragraphs(topic), parts);
    for (const QString &paragraph : parts) {
        QVERIFY2(!paragraph.trimmed().isEmpty(), "an empty paragraph");
        QVERIFY2(!paragraph.contains(QLatin1Char('\r')) && !paragraph.contains(QLatin1Char('\n')),
                 qPrintable(QStringLiteral("a stray line break in: ") + paragraph.left(60)));
        QCOMPARE(paragraph.trimmed(), paragraph);
        // A paragraph ends as a sentence does.
        QVERIFY2(QStringLiteral(".!:").contains(paragraph.back()), qPrintable(paragraph.right(40)));
    }
}

void TestGuideTopics::generalTopicGathersTheModulesInOrder()
{
    // Three opening paragraphs, then each app's own topic, word for word.
    const QStringList general = GuideTopics::paragraphs(GuideTopic::General);
    QStringList modules;
    for (GuideTopic topic : {GuideTopic::Landlords, GuideTopic::Tenants, GuideTopic::Contracts, GuideTopic::Receipts})
        modules += GuideTopics::paragraphs(topic);
    QCOMPARE(modules.size(), 33);
    QCOMPARE(general.mid(3, modules.size()), modules);
}

void TestGuideTopics::generalTopicTellsWhatANewUserNeeds_data()
{
    QTest::addColumn<int>("paragraph");  // from 0
    QTest::addColumn<QStringList>("words");

    QTest::newRow("tourist lettings") << 1 << QStringList{"30 giorni", "Agenzia delle Entrate"};
    QTest::newRow("export") << 36 << QStringList{"Excel", "Esporta"};
    QTest::newRow("password") << 37 << QStringList{"benvenutoposta", "Cambia password"};
    QTest::newRow("network") << 38 << QStringList{"cartella condivisa", "rete locale", "stesso momento",
                                                  "tutte e due le schede"};
    QTest::newRow("USB and backup") << 39 << QStringList{"chiavetta USB", "copia di sicurezza",
                                                         "cartella del programma"};
}

void TestGuideTopics::generalTopicTellsWhatANewUserNeeds()
{
    QFETCH(int, paragraph);
    QFETCH(QStringList, words);

    const QString text = GuideTopics::paragraphs(GuideTopic::General).value(paragraph);
    for (const QString &word : words)
        QVERIFY2(text.contains(word, Qt::CaseInsensitive), qPrintable(word));
}

void TestGuideTopics::exportTopicsReadAsWritten_data()
{
    QTest::addColumn<GuideTopic>("topic");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("which");

    QTest::newRow("landlords") << GuideTopic::LandlordsExport << "tutti i Locatori registrati in archivio"
                               << "tutte le schede";
    QTest::newRow("tenants") << GuideTopic::TenantsExport << "tutti i Conduttori registrati in archivio"
                             << "tutte le schede";
    QTest::newRow("contracts") << GuideTopic::ContractsExport
                               << "tutti i contratti di locazione registrati in archivio" << "tutte le schede";
    QTest::newRow("receipts") << GuideTopic::ReceiptsExport << "l'archivio annuale delle ricevute" << "le schede";
}

void TestGuideTopics::exportTopicsReadAsWritten()
{
    QFETCH(GuideTopic, topic);
    QFETCH(QString, what);
    QFETCH(QString, which);

    const QStringList expected = {
        QStringLiteral("Il pulsante Esporta archivio consente di esportare ") + what
            + QStringLiteral(" in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
                             "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, "
                             "Libre Office o Microsoft Office)."),
        QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona "
                       "di Excel. Questa operazione crea in tempo reale un file in formato XLS contenente ")
            + which
            + QStringLiteral(" in archivio, che potrà essere aperto immediatamente rispondendo affermativamente al "
                             "messaggio di domanda che appare."),
        QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
                       "nome qualsiasi."),
    };
    QCOMPARE(GuideTopics::paragraphs(topic), expected);
}

QTEST_GUILESS_MAIN(TestGuideTopics)
#include "tst_guidetopics.moc"
