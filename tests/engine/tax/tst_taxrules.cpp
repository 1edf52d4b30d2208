#include "ArchiveFixture.h"
#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "StayFixture.h"
#include "TestFiles.h"
#include "engine/archive/RecordLayout.h"
#include "engine/guests/PoliceTableStore.h"
#include "engine/tax/TaxRuleChecks.h"
#include "engine/tax/TaxRuleFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <variant>

// The tourist tax rules: their file, the rule in force on a night and the
// checks before a rule is saved.
class TestTaxRules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layoutOfTheFile();
    void recordsWrittenByHandAreRead();
    void savedRulesReadBack();
    void noFileIsNoRules();
    void fragmentsAndDamagedRecordsArePassedOver();
    void failedSaveKeepsTheOldRules();
    void ruleInForceOnANight_data();
    void ruleInForceOnANight();
    void formChecks_data();
    void formChecks();
    void overlappingPeriodsAreRefused_data();
    void overlappingPeriodsAreRefused();

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::shared_ptr<const PoliceCodes> m_codes;
};

namespace {

TaxRule riminiRule(const QDate &from, const QDate &to, qint64 rate = 150)
{
    return StayFixture::riminiRule(from, to, rate, 7, 14, true);
}

TaxRuleForm validForm()
{
    return TaxRuleForm{StayFixture::rimini, QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"),
                       QStringLiteral("1,50"), QStringLiteral("7"), QStringLiteral("14"), true};
}

} // namespace

void TestTaxRules::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_codes = PoliceTableStore::codes();
}

void TestTaxRules::cleanup()
{
    m_codes.reset();
    m_platform.reset();
}

void TestTaxRules::layoutOfTheFile()
{
    const RecordLayout &layout = TaxRuleFile::layout();
    QCOMPARE(TaxRuleFile::fileName(), QStringLiteral("Imposta_Soggiorno.dat"));
    QCOMPARE(layout.recordSize(), 108);
    const QList<QPair<QString, int>> fields = {{"CodiceComune", 0},  {"Comune", 10},      {"Provincia", 61},
                                               {"ValidaDal", 64},    {"ValidaAl", 75},    {"Tariffa", 86},
                                               {"NottiMax", 98},     {"EtaEsenzione", 102}, {"EsentiResidenti", 106}};
    QCOMPARE(layout.fieldCount(), fields.size());
    for (const auto &[name, offset] : fields)
        QCOMPARE(layout.offset(layout.indexOf(name)), offset);
}

void TestTaxRules::recordsWrittenByHandAreRead()
{
    const QByteArray record = ArchiveFixture::record(TaxRuleFile::layout(),
        {{"CodiceComune", "408099014"}, {"Comune", "RIMINI"}, {"Provincia", "RN"}, {"ValidaDal", "01/01/2026"},
         {"ValidaAl", ""}, {"Tariffa", "1.001,05"}, {"NottiMax", "7"}, {"EtaEsenzione", ""},
         {"EsentiResidenti", "s"}});
    QVERIFY(ArchiveFixture::write(m_platform->filePath(TaxRuleFile::fileName()), {record}));
    const TaxRuleFile::Loaded loaded = TaxRuleFile::load(m_platform->folder());
    QVERIFY(loaded.readable);
    QCOMPARE(loaded.rules.size(), 1);
    const TaxRule &rule = loaded.rules.first();
    QCOMPARE(rule.comuneCode, StayFixture::rimini);
    QCOMPARE(rule.comuneLabel(), QStringLiteral("RIMINI (RN)"));
    QCOMPARE(rule.validFrom, QDate(2026, 1, 1));
    QVERIFY(!rule.validTo.isValid());
    QCOMPARE(rule.rateCents, qint64(100105));
    QCOMPARE(rule.maxNights, 7);
    QCOMPARE(rule.exemptUnderAge, 0);
    QVERIFY(rule.residentsExempt);
}

void TestTaxRules::savedRulesReadBack()
{
    const QList<TaxRule> rules = {riminiRule(QDate(2025, 1, 1), QDate(2025, 12, 31), 150),
                                  riminiRule(QDate(2026, 1, 1), QDate(), 200)};
    QVERIFY(TaxRuleFile::save(m_platform->folder(), rules));
    QCOMPARE(QFile(m_platform->filePath(TaxRuleFile::fileName())).size(), 2 * 108);
    const TaxRuleFile::Loaded loaded = TaxRuleFile::load(m_platform->folder());
    QCOMPARE(loaded.rules, rules);
    QCOMPARE(loaded.passedOver, 0);
    // A rate is stored the way it is typed.
    const QByteArray bytes = TestFiles::read(m_platform->filePath(TaxRuleFile::fileName()));
    QCOMPARE(bytes.mid(86, 5), QByteArray("\x04" "1,50"));
}

void TestTaxRules::noFileIsNoRules()
{
    const TaxRuleFile::Loaded loaded = TaxRuleFile::load(m_platform->folder());
    QVERIFY(loaded.readable);
    QVERIFY(loaded.rules.isEmpty());
    QVERIFY(!QFile::exists(m_platform->filePath(TaxRuleFile::fileName())));
}

void TestTaxRules::fragmentsAndDamagedRecordsArePassedOver()
{
    const QByteArray good = TaxRuleFile::encode(riminiRule(QDate(2026, 1, 1), QDate()));
    const QByteArray badDate = ArchiveFixture::record(TaxRuleFile::layout(),
        {{"CodiceComune", "408099014"}, {"ValidaDal", "31/02/2026"}, {"Tariffa", "1,00"}});
    const QByteArray badRate = ArchiveFixture::record(TaxRuleFile::layout(),
        {{"CodiceComune", "408099014"}, {"ValidaDal", "01/01/2026"}, {"Tariffa", "uno"}});
    QVERIFY(ArchiveFixture::write(m_platform->filePath(TaxRuleFile::fileName()), {badDate, good, badRate},
                                  QByteArray("\x09" "40809", 6)));
    LogCapture log;
    const TaxRuleFile::Loaded loaded = TaxRuleFile::load(m_platform->folder());
    QCOMPARE(loaded.rules.size(), 1);
    QCOMPARE(loaded.passedOver, 2);
    QVERIFY(!log.messages(QStringLiteral("vacanzio.files")).isEmpty());
}

void TestTaxRules::failedSaveKeepsTheOldRules()
{
    const QList<TaxRule> old = {riminiRule(QDate(2026, 1, 1), QDate())};
    QVERIFY(TaxRuleFile::save(m_platform->folder(), old));
    const QList<TaxRule> more = {riminiRule(QDate(2024, 1, 1), QDate(2024, 12, 31)),
                                 riminiRule(QDate(2025, 1, 1), QDate(2025, 12, 31)),
                                 riminiRule(QDate(2026, 1, 1), QDate())};
    LogCapture log;
    {
        // A full disk: the new file cannot grow past one record.
        FileSizeLimit limit(150);
        QVERIFY(limit.isActive());
        QVERIFY(!TaxRuleFile::save(m_platform->folder(), more));
    }
    QCOMPARE(TaxRuleFile::load(m_platform->folder()).rules, old);
    QCOMPARE(QDir(m_platform->folder()).entryList(QDir::Files), QStringList{TaxRuleFile::fileName()});
    QVERIFY(!log.messages(QStringLiteral("vacanzio.files")).isEmpty());
}

void TestTaxRules::ruleInForceOnANight_data()
{
    QTest::addColumn<QDate>("night");
    QTest::addColumn<qint64>("rate");  // 0: no rule
    QTest::newRow("before any rule") << QDate(2024, 12, 31) << qint64(0);
    QTest::newRow("first day of the first") << QDate(2025, 1, 1) << qint64(150);
    QTest::newRow("last day of the first") << QDate(2025, 12, 31) << qint64(150);
    QTest::newRow("first day of the open one") << QDate(2026, 1, 1) << qint64(200);
    QTest::newRow("years later") << QDate(2040, 6, 1) << qint64(200);
}

void TestTaxRules::ruleInForceOnANight()
{
    QFETCH(QDate, night);
    QFETCH(qint64, rate);
    TaxRule other = riminiRule(QDate(2000, 1, 1), QDate(), 999);
    other.comuneCode = QStringLiteral("408037006");
    const QList<TaxRule> rules = {other, riminiRule(QDate(2025, 1, 1), QDate(2025, 12, 31), 150),
                                  riminiRule(QDate(2026, 1, 1), QDate(), 200)};
    const TaxRule *found = TaxRules::ruleOn(rules, StayFixture::rimini, night);
    QCOMPARE(found ? found->rateCents : qint64(0), rate);
}

void TestTaxRules::formChecks_data()
{
    QTest::addColumn<QString>("control");  // the field changed from a valid form
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("focus");    // empty: accepted
    QTest::newRow("valid") << "" << "" << "";
    QTest::newRow("no comune") << "cboComune" << "" << "cboComune";
    QTest::newRow("a state is no comune") << "cboComune" << "100000215" << "cboComune";
    QTest::newRow("start missing") << "txtDal" << "" << "txtDal";
    QTest::newRow("start not a day") << "txtDal" << "30/02/2026" << "txtDal";
    QTest::newRow("no end") << "txtAl" << "" << "";
    QTest::newRow("end not a day") << "txtAl" << "32/12/2026" << "txtAl";
    QTest::newRow("end before start") << "txtAl" << "31/12/2025" << "txtAl";
    QTest::newRow("end on the start") << "txtAl" << "01/01/2026" << "";
    QTest::newRow("rate missing") << "txtTariffa" << "" << "txtTariffa";
    QTest::newRow("rate with a dot") << "txtTariffa" << "1.50" << "txtTariffa";
    QTest::newRow("negative rate") << "txtTariffa" << "-1,00" << "txtTariffa";
    QTest::newRow("rate of nothing") << "txtTariffa" << "0" << "";
    QTest::newRow("nights empty") << "txtNottiMax" << "" << "";
    QTest::newRow("nights in words") << "txtNottiMax" << "sette" << "txtNottiMax";
    QTest::newRow("age empty") << "txtEtaEsenzione" << "" << "";
    QTest::newRow("age 200") << "txtEtaEsenzione" << "200" << "txtEtaEsenzione";
}

void TestTaxRules::formChecks()
{
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, focus);
    TaxRuleForm form = validForm();
    if (control == QLatin1String("cboComune"))
        form.comuneCode = value;
    else if (control == QLatin1String("txtDal"))
        form.validFrom = value;
    else if (control == QLatin1String("txtAl"))
        form.validTo = value;
    else if (control == QLatin1String("txtTariffa"))
        form.rate = value;
    else if (control == QLatin1String("txtNottiMax"))
        form.maxNights = value;
    else if (control == QLatin1String("txtEtaEsenzione"))
        form.exemptUnderAge = value;
    const auto checked = TaxRuleChecks::check(form, *m_codes, {});
    if (focus.isEmpty()) {
        QVERIFY2(std::holds_alternative<TaxRule>(checked),
                 qPrintable(std::get_if<TaxRuleProblem>(&checked) ? std::get<TaxRuleProblem>(checked).message
                                                                   : QString()));
        const TaxRule &rule = std::get<TaxRule>(checked);
        QCOMPARE(rule.comuneLabel(), QStringLiteral("RIMINI (RN)"));
        QCOMPARE(rule.residentsExempt, true);
    } else {
        QVERIFY(std::holds_alternative<TaxRuleProblem>(checked));
        const TaxRuleProblem &problem = std::get<TaxRuleProblem>(checked);
        QCOMPARE(problem.focusControl, focus);
        QVERIFY(problem.message.startsWith(QStringLiteral("Attenzione:")));
    }
}

void TestTaxRules::overlappingPeriodsAreRefused_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("refused");
    // The other rule runs from 01/01/2025 to 31/12/2025.
    QTest::newRow("the year after") << "01/01/2026" << "" << false;
    QTest::newRow("the year before") << "01/01/2024" << "31/12/2024" << false;
    QTest::newRow("ends on its first day") << "01/01/2024" << "01/01/2025" << true;
    QTest::newRow("starts on its last day") << "31/12/2025" << "" << true;
    QTest::newRow("open, from before") << "01/01/2020" << "" << true;
    QTest::newRow("inside") << "01/06/2025" << "30/06/2025" << true;
}

void TestTaxRules::overlappingPeriodsAreRefused()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, refused);
    TaxRuleForm form = validForm();
    form.validFrom = from;
    form.validTo = to;
    TaxRule elsewhere = riminiRule(QDate(2000, 1, 1), QDate());
    elsewhere.comuneCode = QStringLiteral("408037006");
    const QList<TaxRule> others = {elsewhere, riminiRule(QDate(2025, 1, 1), QDate(2025, 12, 31))};
    const auto checked = TaxRuleChecks::check(form, *m_codes, others);
    QCOMPARE(std::holds_alternative<TaxRuleProblem>(checked), refused);
    if (refused) {
        QVERIFY(std::get<TaxRuleProblem>(checked).message.contains(
            QStringLiteral("dal 01/01/2025 al 31/12/2025")));
    }
}

QTEST_GUILESS_MAIN(TestTaxRules)
#include "tst_taxrules.moc"
