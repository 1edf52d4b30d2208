#include "TestChild.h"
#include "CardTestTools.h"
#include "FakePlatform.h"
#include "KeyInput.h"
#include "engine/archive/ProvinceCodes.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/properties/PropertyCodes.h"
#include "widgets/landlords/TfrmLocatori.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList kChain = {
    "txtLocatore", "txtSessoLoc", "txtCodFiscLoc", "txtLuogoNascLoc", "txtProvNascLoc", "txtDataNascLoc",
    "txtComuneDom", "txtProvDom", "txtViaDom", "txtCapLoc", "txtRecapitoLoc", "txtPartitaIvaLoc",
    "txtTelCasaLoc", "txtTelCelLoc", "txtPecLoc", "txtEmailLoc", "txtNote", "txtTipoDoc", "txtNumDoc",
    "txtEnteRil", "txtDataRil", "txtDataSca", "txtTipoImm", "txtComuneImm", "txtProvImm", "txtViaImm",
    "txtCapImm", "txtScala", "txtInterno", "txtPiano", "txtVani", "txtAccessori", "txtPosti",
    "txtCodComune", "txtSezUrb", "txtFoglio", "txtParticella", "txtSubalterno", "txtSuperficie",
    "txtRendita", "txtSpese",
};

using CardTestTools::moveMouseOver;
using CardTestTools::nextTabStop;

} // namespace

class TestLandlordWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldsFollowTheRecordWithTheirLimits();
    void fieldsLieInsideTheirSections();
    void enterChainRunsThroughEveryFieldAndWraps();
    void tabOrderIsTheEnterChain();
    void onlyTheFocusedFieldIsHighlighted();
    void typingRules_data();
    void typingRules();
    void programSetTextIsNotUpperCased();
    void vatFieldTakesDigitsOnly();
    void provinceComboResetsItsSelectionAndAcceptsAnyText();
    void hoverHints();
    void saveNeedsTheLandlordName_data();
    void saveNeedsTheLandlordName();
    void saveBrowseAndDuplicate();
    void showingStartsAnEmptyCardAndClosingReturnsHome();
    void emailButtonHandsOnTheTrimmedAddress();
    void checkButtonsOpenTheRightCheckWindow_data();
    void checkButtonsOpenTheRightCheckWindow();
    void codesButtonOpensTheStoredCardsCodes();

private:
    template<typename T = QWidget>
    T *control(const QString &name, std::source_location where = std::source_location::current()) const
    {
        return TestTools::child<T>(m_window, name, where);
    }
    void showWindow();

    FakePlatform *m_platform = nullptr;
    TfrmLocatori *m_window = nullptr;
    QWidget *m_home = nullptr;
};

void TestLandlordWindow::init()
{
    m_platform = new FakePlatform;
    m_home = new QWidget;
    m_window = new TfrmLocatori;
    m_window->setHomeWindow(m_home);
}

void TestLandlordWindow::cleanup()
{
    delete m_window;
    delete m_home;
    delete m_platform;
}

void TestLandlordWindow::showWindow()
{
    QVERIFY(CardTestTools::showAndActivate(m_window));
}

void TestLandlordWindow::fieldsFollowTheRecordWithTheirLimits()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmLocatori"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Vacanzio - Immobili e Locatori"));
    const RecordLayout &layout = RecordLayouts::locatore();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString name = layout.name(i);
        if (i < 41) {
            QCOMPARE(QStringLiteral("txt") + name, kChain.at(i));
            QWidget *field = control(QStringLiteral("txt") + name);
            const auto *edit = qobject_cast<QLineEdit *>(field);
            const auto *combo = qobject_cast<QComboBox *>(field);
            QVERIFY2(edit || combo, qPrintable(name));
            QCOMPARE(edit ? edit->maxLength() : combo->lineEdit()->maxLength(), layout.capacity(i));
            QVERIFY(control<QFrame>(QStringLiteral("eff") + name));
        } else {
            QLabel *hidden = control<QLabel>(QStringLiteral("lbl") + name);
            QVERIFY(hidden->isHidden());
        }
    }
    for (const char *combo : {"txtProvNascLoc", "txtProvDom", "txtProvImm"}) {
        QComboBox *province = control<QComboBox>(QString::fromLatin1(combo));
        QCOMPARE(province->count(), 112);
        QCOMPARE(province->itemText(0), QStringLiteral("AG"));
        QCOMPARE(province->itemText(111), QStringLiteral("VV"));
    }
    for (const char *name : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdTrova", "cmdAnteprima", "cmdStampa",
                             "cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdEsporta",
                             "cmdNumerazione", "cmdGuida", "cmdEsci", "btnCodFiscLoc", "btnPartitaIvaLoc",
                             "btnEmailLoc"}) {
        QToolButton *button = control<QToolButton>(QString::fromLatin1(name));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
    QVERIFY(control<QLabel>(QStringLiteral("lblPosizione")));
    QVERIFY(control<QLabel>(QStringLiteral("icoEmailLoc")));
    QCOMPARE(control<QLabel>(QStringLiteral("lblTestoSpese"))->text(),
             QStringLiteral("Spese a carico del Conduttore:"));
}

void TestLandlordWindow::fieldsLieInsideTheirSections()
{
    QWidget *container = control(QStringLiteral("panContainer"));
    QCOMPARE(container->size(), QSize(995, 692));
    for (const QString &name : kChain) {
        QWidget *field = control(name);
        QWidget *section = field->parentWidget();
        QVERIFY2(QRect(QPoint(0, 0), section->size()).contains(field->geometry()), qPrintable(name));
        for (QToolButton *button : section->findChildren<QToolButton *>())
            QVERIFY2(!button->geometry().intersects(field->geometry()), qPrintable(name));
        for (const QString &other : kChain) {
            QWidget *neighbour = control(other);
            if (other != name && neighbour->parentWidget() == section)
                QVERIFY2(!neighbour->geometry().intersects(field->geometry()),
                         qPrintable(name + QStringLiteral(" / ") + other));
        }
    }
}

void TestLandlordWindow::enterChainRunsThroughEveryFieldAndWraps()
{
    showWindow();
    QTRY_COMPARE(QApplication::focusWidget(), control(QStringLiteral("txtLocatore")));
    for (int i = 0; i < kChain.size(); ++i) {
        QWidget *field = control(kChain.at(i));
        field->setFocus();
        KeyInput::pressKey(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control(kChain.at((i + 1) % kChain.size())));
    }
}

void TestLandlordWindow::tabOrderIsTheEnterChain()
{
    for (int i = 0; i + 1 < kChain.size(); ++i)
        QCOMPARE(nextTabStop(control(kChain.at(i))), control(kChain.at(i + 1)));
}

void TestLandlordWindow::onlyTheFocusedFieldIsHighlighted()
{
    showWindow();
    for (const char *name : {"CodFiscLoc", "ProvDom", "Spese"}) {
        control(QStringLiteral("txt") + QLatin1String(name))->setFocus();
        int visible = 0;
        for (QFrame *frame : m_window->findChildren<QFrame *>()) {
            if (frame->objectName().startsWith(QLatin1String("eff")) && frame->isVisible()) {
                ++visible;
                QCOMPARE(frame->objectName(), QStringLiteral("eff") + QLatin1String(name));
            }
        }
        QCOMPARE(visible, 1);
    }
}

void TestLandlordWindow::typingRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("province upper-cased") << "txtProvDom" << "rm" << "RM";
    QTest::newRow("province not in the list") << "txtProvImm" << "zz" << "ZZ";
    QTest::newRow("province limited to 2") << "txtProvNascLoc" << "abc" << "AB";
    QTest::newRow("fiscal code upper-cased, blank removed") << "txtCodFiscLoc" << "rss " << "RSS";
    QTest::newRow("accented letter keeps its case") << "txtCodFiscLoc" << QString::fromUtf8("aè") << QString::fromUtf8("Aè");
    QTest::newRow("sex upper-cased") << "txtSessoLoc" << "f" << "F";
    QTest::newRow("e-mail trimmed, case kept") << "txtEmailLoc" << " Mario@Posta.it " << "Mario@Posta.it";
    // The rule runs after every key: a blank never survives, even inside.
    QTest::newRow("pec trimmed at every key") << "txtPecLoc" << "a b " << "ab";
    QTest::newRow("plain field untouched") << "txtNote" << " nota " << " nota ";
    QTest::newRow("name limited to 50") << "txtLocatore" << QString(55, QLatin1Char('x')) << QString(50, QLatin1Char('x'));
}

void TestLandlordWindow::typingRules()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QWidget *widget = control(field);
    KeyInput::typeText(widget, typed);
    const QString text = qobject_cast<QComboBox *>(widget) ? qobject_cast<QComboBox *>(widget)->currentText()
                                                           : qobject_cast<QLineEdit *>(widget)->text();
    QCOMPARE(text, shown);
}

void TestLandlordWindow::programSetTextIsNotUpperCased()
{
    m_window->setFieldText(QStringLiteral("CodFiscLoc"), QStringLiteral("abc "));
    QCOMPARE(m_window->fieldText(QStringLiteral("CodFiscLoc")), QStringLiteral("abc "));
}

void TestLandlordWindow::vatFieldTakesDigitsOnly()
{
    auto *vat = control<QLineEdit>(QStringLiteral("txtPartitaIvaLoc"));
    KeyInput::typeText(vat, QStringLiteral("12a-b3"));
    KeyInput::pressKey(vat, Qt::Key_Minus, QStringLiteral("-"));
    QCOMPARE(vat->text(), QStringLiteral("123"));
    KeyInput::pressKey(vat, Qt::Key_Left);
    KeyInput::pressKey(vat, Qt::Key_Backspace);
    QCOMPARE(vat->text(), QStringLiteral("13"));
    KeyInput::pressKey(vat, Qt::Key_Delete);
    QCOMPARE(vat->text(), QStringLiteral("1"));
    KeyInput::pressKey(vat, Qt::Key_Home);
    KeyInput::pressKey(vat, Qt::Key_9, QStringLiteral("9"));
    QCOMPARE(vat->text(), QStringLiteral("19"));  // Home was discarded: typed at the end
    KeyInput::pressKey(vat, Qt::Key_Right);
    KeyInput::pressKey(vat, Qt::Key_Up);
    KeyInput::pressKey(vat, Qt::Key_End);
    QCOMPARE(vat->text(), QStringLiteral("19"));
    QCOMPARE(vat->maxLength(), 11);
}

void TestLandlordWindow::provinceComboResetsItsSelectionAndAcceptsAnyText()
{
    showWindow();
    auto *province = control<QComboBox>(QStringLiteral("txtProvDom"));
    province->setCurrentIndex(provinceCodes().indexOf(QStringLiteral("RM")));
    QCOMPARE(province->currentText(), QStringLiteral("RM"));
    control(QStringLiteral("txtLocatore"))->setFocus();
    province->setFocus();
    QCOMPARE(province->currentIndex(), -1);
    QCOMPARE(province->currentText(), QStringLiteral("RM"));
}

void TestLandlordWindow::hoverHints()
{
    showWindow();
    QCOMPARE(m_window->statusText(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    moveMouseOver(control(QStringLiteral("cmdSalva")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Salva la scheda in archivio."));
    // Onto a text field: the hint stays.
    moveMouseOver(control(QStringLiteral("txtNote")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Salva la scheda in archivio."));
    moveMouseOver(control(QStringLiteral("lblTestoNote")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Salva la scheda in archivio."));
    moveMouseOver(control(QStringLiteral("btnPartitaIvaLoc")));
    QCOMPARE(m_window->statusText(), QStringLiteral("Controlla il numero di partita IVA."));
    moveMouseOver(control(QStringLiteral("shpControlli")), QPoint(1, 1));
    QCOMPARE(m_window->statusText(), QString());

    const QList<QPair<QString, QString>> hints = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdNumerazione", "Allega file alla scheda corrente."},
        {"cmdEsporta", "Esporta l'archivio in un foglio di lavoro di Microsoft Excel."},
        {"btnEmailLoc", "Invia una e-mail all'indirizzo indicato."},
    };
    for (const auto &[name, hint] : hints) {
        moveMouseOver(control(name));
        QCOMPARE(m_window->statusText(), hint);
        moveMouseOver(control(QStringLiteral("icoLocatore")));
        QCOMPARE(m_window->statusText(), QString());
    }
    moveMouseOver(control(QStringLiteral("cmdEsci")));
    moveMouseOver(control(QStringLiteral("bkgLocatoreCalce")), QPoint(3, 250));
    QCOMPARE(m_window->statusText(), QString());
}

void TestLandlordWindow::saveNeedsTheLandlordName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "    ";
}

void TestLandlordWindow::saveNeedsTheLandlordName()
{
    QFETCH(QString, name);
    showWindow();
    m_window->setFieldText(QStringLiteral("Locatore"), name);
    m_window->setFieldText(QStringLiteral("Note"), QStringLiteral("qualcosa"));
    control(QStringLiteral("txtNote"))->setFocus();
    control<QToolButton>(QStringLiteral("cmdSalva"))->click();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: per salvare la scheda è necessario indicare cognome e nome del Locatore."));
    QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("txtLocatore")));
    QVERIFY(!QFile::exists(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro"))));
}

void TestLandlordWindow::saveBrowseAndDuplicate()
{
    showWindow();
    const RecordLayout &layout = RecordLayouts::locatore();
    const auto value = [&](int i) { return QStringLiteral("V%1").arg(i).left(layout.capacity(i)); };
    for (int i = 0; i < kChain.size(); ++i)
        m_window->setFieldText(kChain.at(i).mid(3), value(i));
    m_window->setFieldText(QStringLiteral("File01"), QStringLiteral("carta.pdf"));
    m_window->setFieldText(QStringLiteral("Desc01"), QStringLiteral("Carta d'identità"));
    control<QToolButton>(QStringLiteral("cmdSalva"))->click();
    QCOMPARE(control<QLabel>(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));

    QFile archive(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro")));
    QVERIFY(archive.open(QIODevice::ReadOnly));
    const QByteArray record = archive.readAll();
    archive.close();
    QCOMPARE(record.size(), 3479);
    QCOMPARE(record.mid(1722, 4), QByteArray("\x03V40", 4));  // Spese
    QCOMPARE(record.mid(1973, 10), QByteArray("\x09" "carta.pdf", 10));  // File01

    control<QToolButton>(QStringLiteral("cmdNuovo"))->click();
    QVERIFY(m_window->fieldText(QStringLiteral("Locatore")).isEmpty());
    QVERIFY(m_window->fieldText(QStringLiteral("File01")).isEmpty());
    QVERIFY(control<QLabel>(QStringLiteral("lblPosizione"))->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("txtLocatore")));

    control<QToolButton>(QStringLiteral("cmdUltimo"))->click();
    QCOMPARE(m_window->fieldText(QStringLiteral("ProvImm")), QStringLiteral("V2"));
    QCOMPARE(m_window->fieldText(QStringLiteral("Rendita")), QStringLiteral("V39"));
    QCOMPARE(m_window->fieldText(QStringLiteral("Desc01")), QString::fromUtf8("Carta d'identità"));

    control<QToolButton>(QStringLiteral("cmdDuplica"))->click();
    QVERIFY(control<QLabel>(QStringLiteral("lblPosizione"))->text().isEmpty());
    QVERIFY(m_window->fieldText(QStringLiteral("File01")).isEmpty());
    QVERIFY(m_window->fieldText(QStringLiteral("Desc01")).isEmpty());
    for (int i = 0; i < kChain.size(); ++i)
        QCOMPARE(m_window->fieldText(kChain.at(i).mid(3)), value(i));
    control<QToolButton>(QStringLiteral("cmdSalva"))->click();
    QCOMPARE(control<QLabel>(QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));

    control<QToolButton>(QStringLiteral("cmdPrimo"))->click();
    QCOMPARE(control<QLabel>(QStringLiteral("lblPosizione"))->text(), QStringLiteral("1"));
    QCOMPARE(m_window->fieldText(QStringLiteral("File01")), QStringLiteral("carta.pdf"));
    control<QToolButton>(QStringLiteral("cmdAvanti"))->click();
    QCOMPARE(control<QLabel>(QStringLiteral("lblPosizione"))->text(), QStringLiteral("2"));
    QVERIFY(m_window->fieldText(QStringLiteral("File01")).isEmpty());
}

void TestLandlordWindow::showingStartsAnEmptyCardAndClosingReturnsHome()
{
    showWindow();
    m_window->setFieldText(QStringLiteral("Locatore"), QStringLiteral("ROSSI"));
    m_window->setFieldText(QStringLiteral("Desc02"), QStringLiteral("atto"));
    control<QLabel>(QStringLiteral("lblPosizione"))->setText(QStringLiteral("3"));
    m_home->hide();
    m_window->close();
    QVERIFY(m_home->isVisible());
    QVERIFY(!m_window->isVisible());
    showWindow();
    QVERIFY(m_window->fieldText(QStringLiteral("Locatore")).isEmpty());
    QVERIFY(m_window->fieldText(QStringLiteral("Desc02")).isEmpty());
    QVERIFY(control<QLabel>(QStringLiteral("lblPosizione"))->text().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), control(QStringLiteral("txtLocatore")));

    m_home->hide();
    control<QToolButton>(QStringLiteral("cmdEsci"))->click();
    QVERIFY(m_home->isVisible());
    QVERIFY(!m_window->isVisible());
}

void TestLandlordWindow::emailButtonHandsOnTheTrimmedAddress()
{
    m_window->setFieldText(QStringLiteral("EmailLoc"), QStringLiteral("  mario@posta.it "));
    control<QToolButton>(QStringLiteral("btnEmailLoc"))->click();
    m_window->setFieldText(QStringLiteral("EmailLoc"), QString());
    control<QToolButton>(QStringLiteral("btnEmailLoc"))->click();
    QCOMPARE(m_platform->shellCommands,
             QStringList({QStringLiteral("\"mailto:mario@posta.it\""), QStringLiteral("\"mailto:\"")}));
}

void TestLandlordWindow::checkButtonsOpenTheRightCheckWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("passed");
    QTest::newRow("empty fiscal code") << "btnCodFiscLoc" << "CodFiscLoc" << "" << "frmCodFisc" << "";
    QTest::newRow("company fiscal code: eleven digits")
        << "btnCodFiscLoc" << "CodFiscLoc" << " 00743110157 " << "frmPartitaIva" << "00743110157";
    QTest::newRow("one letter among the digits")
        << "btnCodFiscLoc" << "CodFiscLoc" << "0074311015A" << "frmCodFisc" << "0074311015A";
    QTest::newRow("personal code") << "btnCodFiscLoc" << "CodFiscLoc" << "RSSMRA85T10A562S" << "frmCodFisc"
                                   << "RSSMRA85T10A562S";
    QTest::newRow("vat number") << "btnPartitaIvaLoc" << "PartitaIvaLoc" << "00743110157" << "frmPartitaIva"
                                << "00743110157";
    QTest::newRow("empty vat number") << "btnPartitaIvaLoc" << "PartitaIvaLoc" << "" << "frmPartitaIva" << "";
}

void TestLandlordWindow::checkButtonsOpenTheRightCheckWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, window);
    QFETCH(QString, passed);
    showWindow();
    m_window->setFieldText(field, value);
    QString opened;
    QString received;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        if (auto *edit = modal->findChild<QLineEdit *>())
            received = edit->text();
    });
    control<QToolButton>(button)->click();
    QCOMPARE(opened, window);
    QCOMPARE(received, passed);
    // The check never writes back into the card.
    QCOMPARE(m_window->fieldText(field), value);
}

void TestLandlordWindow::codesButtonOpensTheStoredCardsCodes()
{
    showWindow();
    auto *codes = control<QToolButton>(QStringLiteral("btnCodiciImmobile"));
    QCOMPARE(codes->parentWidget(), control(QStringLiteral("bkgLocatoreCalce")));
    QCOMPARE(codes->cursor().shape(), Qt::PointingHandCursor);
    moveMouseOver(codes);
    QCOMPARE(m_window->statusText(),
             QStringLiteral("Codici dell'immobile: CIN, codice regionale, codice appartamento."));
    // A card not yet stored has no codes.
    QVERIFY(!codes->isEnabled());

    m_window->setFieldText(QStringLiteral("Locatore"), QStringLiteral("ROSSI MARIO"));
    m_window->setFieldText(QStringLiteral("CodFiscLoc"), QStringLiteral("RSSMRA70A01G478X"));
    control<QToolButton>(QStringLiteral("cmdSalva"))->click();
    QVERIFY(codes->isEnabled());
    QVERIFY(PropertyCodes::save(m_platform->folder(), 1,
                                {QStringLiteral("RSSMRA70A01G478X"), QStringLiteral("ROSSI MARIO")},
                                {QStringLiteral("IT054039C2ABCD1234"), {}, QStringLiteral("12")}));
    control<QToolButton>(QStringLiteral("cmdNuovo"))->click();
    QVERIFY(!codes->isEnabled());
    control<QToolButton>(QStringLiteral("cmdUltimo"))->click();
    QVERIFY(codes->isEnabled());

    // Unsaved edits of the card do not change whose codes they are.
    m_window->setFieldText(QStringLiteral("Locatore"), QStringLiteral("VERDI LUIGI"));
    QString opened;
    QString cin;
    CardTestTools::onNextModal([&](QWidget *modal) {
        opened = modal->objectName();
        cin = TestTools::child<QLineEdit>(modal, QStringLiteral("txtCIN"))->text();
    });
    codes->click();
    QCOMPARE(opened, QStringLiteral("frmCodiciImmobile"));
    QCOMPARE(cin, QStringLiteral("IT054039C2ABCD1234"));
    QCOMPARE(m_platform->messages.size(), 1);  // the save's own

    control<QToolButton>(QStringLiteral("cmdDuplica"))->click();
    QVERIFY(!codes->isEnabled());
}

QTEST_MAIN(TestLandlordWindow)
#include "tst_landlordwindow.moc"
