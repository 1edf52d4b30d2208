#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "engine/archive/RecordLayouts.h"
#include "widgets/tenants/TfrmConduttori.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using CardTestTools::control;

// The tenant window is the landlord window's machinery on another table:
// these tests cover what the table makes different.
class TestTenantWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldsFollowTheRecord();
    void enterChainAndTabOrder();
    void inputRules_data();
    void inputRules();
    void saveNeedsTheTenantName();
    void savedRecordHasTheTenantLayout();
    void buttonsAndHints();
    void reopeningShowsAnEmptyCard();

private:
    FakePlatform *m_platform = nullptr;
    TfrmConduttori *m_window = nullptr;
    QWidget *m_home = nullptr;
};

namespace {
const QStringList kChain = {
    "txtConduttore", "txtSessoCon", "txtCodFiscCon", "txtLuogoNascCon", "txtProvNascCon", "txtDataNascCon",
    "txtComuneRes", "txtProvRes", "txtViaRes", "txtCapCon", "txtRecapitoCon", "txtPartitaIvaCon",
    "txtTelCasaCon", "txtTelCelCon", "txtPecCon", "txtEmailCon", "txtNote", "txtDocumento", "txtTipoImm",
    "txtComuneImm", "txtProvImm", "txtZona", "txtPiano", "txtVani", "txtAccessori", "txtPosti",
    "txtPersone", "txtPeriodo", "txtQuestioni",
};
}

void TestTenantWindow::init()
{
    m_platform = new FakePlatform;
    m_home = new QWidget;
    m_window = new TfrmConduttori;
    m_window->setHomeWindow(m_home);
}

void TestTenantWindow::cleanup()
{
    delete m_window;
    delete m_home;
    delete m_platform;
}

void TestTenantWindow::fieldsFollowTheRecord()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmConduttori"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Vacanzio - Archivio Conduttori"));
    const RecordLayout &layout = RecordLayouts::conduttore();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        if (i < kChain.size()) {
            QCOMPARE(QStringLiteral("txt") + name, kChain.at(i));
            QWidget *field = control(m_window, kChain.at(i));
            auto *combo = qobject_cast<QComboBox *>(field);
            const int limit = combo ? combo->lineEdit()->maxLength() : qobject_cast<QLineEdit *>(field)->maxLength();
            QCOMPARE(limit, layout.capacity(i));
        } else {
            QVERIFY(control<QLabel>(m_window, QStringLiteral("lbl") + name)->isHidden());
        }
    }
    QCOMPARE(control<QLineEdit>(m_window, QStringLiteral("txtSessoCon"))->alignment() & Qt::AlignHCenter,
             Qt::AlignHCenter);
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblTestoDocumento"))->text(), QStringLiteral("Estremi documento:"));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("lblTestoTipoImm"))->text(),
             QStringLiteral("Tipo immobile richiesto:"));
}

void TestTenantWindow::enterChainAndTabOrder()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QTRY_COMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtConduttore")));
    for (int i = 0; i < kChain.size(); ++i) {
        QWidget *field = control(m_window, kChain.at(i));
        field->setFocus();
        KeyInput::pressKey(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control(m_window, kChain.at((i + 1) % kChain.size())));
        if (i + 1 < kChain.size())
            QCOMPARE(CardTestTools::nextTabStop(field), control(m_window, kChain.at(i + 1)));
    }
}

void TestTenantWindow::inputRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fiscal code") << "txtCodFiscCon" << "bnc " << "BNC";
    QTest::newRow("accented letter keeps its case") << "txtCodFiscCon" << QString::fromUtf8("è") << QString::fromUtf8("è");
    QTest::newRow("sex") << "txtSessoCon" << "m" << "M";
    QTest::newRow("province of residence") << "txtProvRes" << "fi" << "FI";
    QTest::newRow("province wanted, 2 at most") << "txtProvImm" << "lux" << "LU";
    QTest::newRow("vat digits only") << "txtPartitaIvaCon" << "1a2-3" << "123";
    QTest::newRow("e-mail") << "txtEmailCon" << " a@b.it " << "a@b.it";
    QTest::newRow("zone untouched") << "txtZona" << "mare " << "mare ";
}

void TestTenantWindow::inputRules()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QWidget *widget = control(m_window, field);
    KeyInput::typeText(widget, typed);
    if (typed.contains(QLatin1Char('-')))
        KeyInput::pressKey(widget, Qt::Key_Minus, QStringLiteral("-"));
    QCOMPARE(CardTestTools::textOf(widget), shown);
}

void TestTenantWindow::saveNeedsTheTenantName()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    m_window->setFieldText(QStringLiteral("Conduttore"), QStringLiteral("   "));
    control(m_window, QStringLiteral("txtZona"))->setFocus();
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: per salvare la scheda è necessario indicare cognome e nome del Conduttore."));
    QCOMPARE(QApplication::focusWidget(), control(m_window, QStringLiteral("txtConduttore")));
    QVERIFY(!QFile::exists(m_platform->filePath(QStringLiteral("Archivio_Conduttori.pro"))));
}

void TestTenantWindow::savedRecordHasTheTenantLayout()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    m_window->setFieldText(QStringLiteral("Conduttore"), QStringLiteral("VERDI ANNA"));
    m_window->setFieldText(QStringLiteral("Questioni"), QStringLiteral("caparra"));
    m_window->setFieldText(QStringLiteral("File02"), QStringLiteral("doc.pdf"));
    control<QToolButton>(m_window, QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QFile file(m_platform->filePath(QStringLiteral("Archivio_Conduttori.pro")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray record = file.readAll();
    QCOMPARE(record.size(), 3628);
    QCOMPARE(record.left(11), QByteArray("\x0aVERDI ANNA"));
    QCOMPARE(record.mid(1871, 8), QByteArray("\x07" "caparra"));
    QCOMPARE(record.mid(2373, 8), QByteArray("\x07" "doc.pdf"));

    control<QToolButton>(m_window, QStringLiteral("cmdDuplica"))->click();
    QVERIFY(m_window->fieldText(QStringLiteral("File02")).isEmpty());
    QCOMPARE(m_window->fieldText(QStringLiteral("Questioni")), QStringLiteral("caparra"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                            "Al termine premere Salva per inserire la scheda in archivio."));
}

void TestTenantWindow::buttonsAndHints()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QCOMPARE(m_window->statusText(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const QList<QPair<QString, QString>> hints = {
        {"btnCodFiscCon", "Controlla il codice fiscale."},
        {"btnPartitaIvaCon", "Controlla il numero di partita IVA."},
        {"btnEmailCon", "Invia una e-mail all'indirizzo indicato."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    };
    for (const auto &[name, hint] : hints) {
        CardTestTools::moveMouseOver(control(m_window, name));
        QCOMPARE(m_window->statusText(), hint);
    }
    CardTestTools::moveMouseOver(control(m_window, QStringLiteral("icoConduttore")));
    QCOMPARE(m_window->statusText(), QString());

    m_window->setFieldText(QStringLiteral("EmailCon"), QStringLiteral(" anna@posta.it"));
    control<QToolButton>(m_window, QStringLiteral("btnEmailCon"))->click();
    QCOMPARE(m_platform->shellCommands, QStringList{QStringLiteral("\"mailto:anna@posta.it\"")});

    m_window->setFieldText(QStringLiteral("CodFiscCon"), QStringLiteral("12345678901"));
    QString opened;
    CardTestTools::onNextModal([&](QWidget *modal) { opened = modal->objectName(); });
    control<QToolButton>(m_window, QStringLiteral("btnCodFiscCon"))->click();
    QCOMPARE(opened, QStringLiteral("frmPartitaIva"));
}

void TestTenantWindow::reopeningShowsAnEmptyCard()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
    m_window->setFieldText(QStringLiteral("Conduttore"), QStringLiteral("NERI"));
    m_home->hide();
    m_window->close();
    QVERIFY(m_home->isVisible());
    QVERIFY(CardTestTools::showAndActivate(m_window));
    QVERIFY(m_window->fieldText(QStringLiteral("Conduttore")).isEmpty());
}

QTEST_MAIN(TestTenantWindow)
#include "tst_tenantwindow.moc"
