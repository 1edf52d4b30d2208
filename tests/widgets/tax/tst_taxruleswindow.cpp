#include "CardTestTools.h"
#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "KeyInput.h"
#include "StayFixture.h"
#include "engine/tax/TaxRuleFile.h"
#include "widgets/app/TfrmAvvio.h"
#include "widgets/tax/TfrmImpostaSoggiorno.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using CardTestTools::control;

// The window of the tourist tax rules, from the home window to the file.
class TestTaxRulesWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openedFromTheHomeWindow();
    void newRuleIsSavedToTheFile();
    void faultyRuleIsRefusedAtItsField_data();
    void faultyRuleIsRefusedAtItsField();
    void ruleIsChangedInPlace();
    void deletingAsksFirst_data();
    void deletingAsksFirst();
    void failedSaveKeepsTheRules();

private:
    std::unique_ptr<TfrmImpostaSoggiorno> open();
    void fill(QWidget *window, const QString &comune, const QString &from, const QString &to, const QString &rate);

    std::unique_ptr<FakePlatform> m_platform;
};

namespace {

TaxRule rule(const QDate &from, const QDate &to, qint64 rate)
{
    return StayFixture::riminiRule(from, to, rate, 7, 14, true);
}

void setText(QWidget *window, const char *name, const QString &text)
{
    auto *edit = control<QLineEdit>(window, QLatin1String(name));
    edit->setFocus();
    edit->selectAll();
    KeyInput::pressKey(edit, Qt::Key_Delete);
    KeyInput::typeText(edit, text);
}

QStringList listTexts(const QWidget *window)
{
    QStringList texts;
    auto *list = control<QListWidget>(window, QStringLiteral("lstRegole"));
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

void TestTaxRulesWindow::init()
{
    m_platform = std::make_unique<FakePlatform>();
}

void TestTaxRulesWindow::cleanup()
{
    m_platform.reset();
}

std::unique_ptr<TfrmImpostaSoggiorno> TestTaxRulesWindow::open()
{
    auto window = std::make_unique<TfrmImpostaSoggiorno>();
    window->show();
    return window;
}

// The comune typed ahead and picked from what the combo offers.
void TestTaxRulesWindow::fill(QWidget *window, const QString &comune, const QString &from, const QString &to,
                              const QString &rate)
{
    auto *combo = control<QComboBox>(window, QStringLiteral("cboComune"));
    combo->setFocus();
    combo->lineEdit()->selectAll();
    KeyInput::typeText(combo->lineEdit(), comune);
    combo->lineEdit()->setText(combo->model()->index(0, 0).data().toString());
    emit combo->activated(0);
    setText(window, "txtDal", from);
    setText(window, "txtAl", to);
    setText(window, "txtTariffa", rate);
}

void TestTaxRulesWindow::openedFromTheHomeWindow()
{
    TfrmAvvio home;
    QVERIFY(CardTestTools::showAndActivate(&home));
    QWidget *icon = control(&home, QStringLiteral("imgImposta"));
    QVERIFY(!icon->toolTip().isEmpty());
    QCOMPARE(icon->cursor().shape(), Qt::PointingHandCursor);
    QString opened;
    bool modal = false;
    CardTestTools::onNextModal([&](QWidget *shown) {
        opened = shown->objectName();
        modal = shown->isModal();
        control<QPushButton>(shown, QStringLiteral("cmdChiudi"))->click();
    });
    QTest::mouseClick(icon, Qt::LeftButton);
    QCOMPARE(opened, QStringLiteral("frmImpostaSoggiorno"));
    QVERIFY(modal);
}

void TestTaxRulesWindow::newRuleIsSavedToTheFile()
{
    const auto window = open();
    QVERIFY(listTexts(window.get()).isEmpty());
    fill(window.get(), QStringLiteral("rimi"), QStringLiteral("01/01/2026"), QString(), QStringLiteral("1,50"));
    setText(window.get(), "txtNottiMax", QStringLiteral("7"));
    setText(window.get(), "txtEtaEsenzione", QStringLiteral("14"));
    control<QCheckBox>(window.get(), QStringLiteral("chkResidenti"))->setChecked(true);
    control<QPushButton>(window.get(), QStringLiteral("cmdSalvaRegola"))->click();
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La nuova regola è stata salvata."));
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    const TaxRuleFile::Loaded stored = TaxRuleFile::load(m_platform->folder());
    QCOMPARE(stored.rules, (QList<TaxRule>{rule(QDate(2026, 1, 1), QDate(), 150)}));
    QCOMPARE(listTexts(window.get()),
             QStringList{QStringLiteral("RIMINI (RN) - dal 01/01/2026 senza data di fine - € 1,50 a notte, al massimo "
                                        "7 notti, esenti i minori di 14 anni e i residenti")});
    // The window reads the file afresh when it opens.
    const auto again = open();
    QCOMPARE(listTexts(again.get()).size(), 1);
}

void TestTaxRulesWindow::faultyRuleIsRefusedAtItsField_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("focus");
    QTest::newRow("start not a day") << "31/02/2026" << "" << "1,50" << "txtDal";
    QTest::newRow("end before start") << "01/06/2026" << "31/05/2026" << "1,50" << "txtAl";
    QTest::newRow("rate in words") << "01/01/2026" << "" << "uno" << "txtTariffa";
    QTest::newRow("over the 2025 rule") << "01/12/2025" << "" << "2,00" << "txtDal";
}

void TestTaxRulesWindow::faultyRuleIsRefusedAtItsField()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, rate);
    QFETCH(QString, focus);
    const QList<TaxRule> existing = {rule(QDate(2025, 1, 1), QDate(2025, 12, 31), 100)};
    QVERIFY(TaxRuleFile::save(m_platform->folder(), existing));
    const auto window = open();
    QVERIFY(CardTestTools::showAndActivate(window.get()));
    control<QPushButton>(window.get(), QStringLiteral("cmdNuovaRegola"))->click();
    fill(window.get(), QStringLiteral("rimi"), from, to, rate);
    control<QPushButton>(window.get(), QStringLiteral("cmdSalvaRegola"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QVERIFY(m_platform->lastMessage().text.startsWith(QStringLiteral("Attenzione:")));
    QCOMPARE(QApplication::focusWidget(), control(window.get(), focus));
    QCOMPARE(TaxRuleFile::load(m_platform->folder()).rules, existing);
}

void TestTaxRulesWindow::ruleIsChangedInPlace()
{
    QVERIFY(TaxRuleFile::save(m_platform->folder(), {rule(QDate(2026, 1, 1), QDate(), 200),
                                                      rule(QDate(2025, 1, 1), QDate(2025, 12, 31), 100)}));
    const auto window = open();
    // Listed by comune and first night.
    QVERIFY(listTexts(window.get()).at(0).contains(QStringLiteral("dal 01/01/2025")));
    control<QListWidget>(window.get(), QStringLiteral("lstRegole"))->setCurrentRow(1);
    QCOMPARE(CardTestTools::textOf(control(window.get(), QStringLiteral("txtTariffa"))), QStringLiteral("2,00"));
    QCOMPARE(CardTestTools::textOf(control(window.get(), QStringLiteral("cboComune"))), QStringLiteral("RIMINI (RN)"));
    setText(window.get(), "txtTariffa", QStringLiteral("2,50"));
    control<QPushButton>(window.get(), QStringLiteral("cmdSalvaRegola"))->click();
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Le modifiche alla regola sono state salvate."));
    const QList<TaxRule> stored = TaxRuleFile::load(m_platform->folder()).rules;
    QCOMPARE(stored, (QList<TaxRule>{rule(QDate(2025, 1, 1), QDate(2025, 12, 31), 100),
                                     rule(QDate(2026, 1, 1), QDate(), 250)}));
}

void TestTaxRulesWindow::deletingAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps it") << false;
    QTest::newRow("Yes deletes it") << true;
}

void TestTaxRulesWindow::deletingAsksFirst()
{
    QFETCH(bool, answer);
    QVERIFY(TaxRuleFile::save(m_platform->folder(), {rule(QDate(2025, 1, 1), QDate(2025, 12, 31), 100),
                                                      rule(QDate(2026, 1, 1), QDate(), 200)}));
    const auto window = open();
    auto *remove = control<QPushButton>(window.get(), QStringLiteral("cmdEliminaRegola"));
    QVERIFY(!remove->isEnabled());
    control<QListWidget>(window.get(), QStringLiteral("lstRegole"))->setCurrentRow(0);
    QVERIFY(remove->isEnabled());
    m_platform->answers = {answer};
    remove->click();
    QCOMPARE(m_platform->questions.size(), 1);
    QVERIFY(m_platform->questions.first().startsWith(QStringLiteral("Eliminare la regola RIMINI (RN) - dal 01/01/2025")));
    QCOMPARE(m_platform->questionDefaults, QList<DefaultAnswer>{DefaultAnswer::No});
    QCOMPARE(TaxRuleFile::load(m_platform->folder()).rules.size(), answer ? 1 : 2);
    QCOMPARE(listTexts(window.get()).size(), answer ? 1 : 2);
}

void TestTaxRulesWindow::failedSaveKeepsTheRules()
{
    QVERIFY(TaxRuleFile::save(m_platform->folder(), {rule(QDate(2025, 1, 1), QDate(2025, 12, 31), 100)}));
    const auto window = open();
    fill(window.get(), QStringLiteral("rimi"), QStringLiteral("01/01/2026"), QString(), QStringLiteral("2,00"));
    {
        // A full disk: no room for the second record.
        FileSizeLimit limit(150);
        QVERIFY(limit.isActive());
        control<QPushButton>(window.get(), QStringLiteral("cmdSalvaRegola"))->click();
    }
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("non permette di accedere")));
    QCOMPARE(listTexts(window.get()).size(), 1);
    QCOMPARE(window->rules().size(), 1);
    QCOMPARE(TaxRuleFile::load(m_platform->folder()).rules.size(), 1);
}

QTEST_MAIN(TestTaxRulesWindow)
#include "tst_taxruleswindow.moc"
