#include "CardTestTools.h"
#include "FakePlatform.h"
#include "widgets/contracts/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using CardTestTools::control;

// The picker writes into its owner's field named by the caller tag.
class TestDatePicker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsAtTodayAndImportsIt_data();
    void startsAtTodayAndImportsIt();
    void chosenDayIsWrittenAsDateText();
    void unknownTagWritesNothingAndStaysOpen_data();
    void unknownTagWritesNothingAndStaysOpen();
    void cancelLeavesTheField();

private:
    FakePlatform *m_platform = nullptr;
    QWidget *m_owner = nullptr;
};

void TestDatePicker::init()
{
    m_platform = new FakePlatform;
    m_platform->clock = QDateTime(QDate(2024, 2, 29), QTime(12, 0));
    m_owner = new QWidget;
    for (const char *name : {"txtInizioCon", "txtFineCon", "txtData"}) {
        auto *field = new QLineEdit(m_owner);
        field->setObjectName(QString::fromLatin1(name));
        field->setText(QStringLiteral("01/01/2030"));
    }
}

void TestDatePicker::cleanup()
{
    delete m_owner;
    delete m_platform;
}

void TestDatePicker::startsAtTodayAndImportsIt_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("target");
    QTest::newRow("start") << "contratti_iniziocon" << "txtInizioCon";
    QTest::newRow("end") << "contratti_finecon" << "txtFineCon";
    QTest::newRow("signing") << "contratti_data" << "txtData";
}

void TestDatePicker::startsAtTodayAndImportsIt()
{
    QFETCH(QString, tag);
    QFETCH(QString, target);
    TfrmCalendario picker(m_owner);
    QCOMPARE(picker.objectName(), QStringLiteral("frmCalendario"));
    QCOMPARE(picker.windowTitle(), QStringLiteral(" Importazione data"));
    picker.setCallerTag(tag);
    QCOMPARE(picker.calendar()->selectedDate(), QDate(2024, 2, 29));
    picker.show();
    control<QPushButton>(&picker, QStringLiteral("btnImportaData"))->click();
    QVERIFY(!picker.isVisible());
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    for (const char *name : {"txtInizioCon", "txtFineCon", "txtData"}) {
        const QString text = control<QLineEdit>(m_owner, QString::fromLatin1(name))->text();
        QCOMPARE(text, target == QLatin1String(name) ? QStringLiteral("29/02/2024") : QStringLiteral("01/01/2030"));
    }
}

void TestDatePicker::chosenDayIsWrittenAsDateText()
{
    TfrmCalendario picker(m_owner);
    picker.setCallerTag(QStringLiteral("contratti_finecon"));
    picker.calendar()->setSelectedDate(QDate(2024, 3, 5));
    control<QPushButton>(&picker, QStringLiteral("btnImportaData"))->click();
    QCOMPARE(control<QLineEdit>(m_owner, QStringLiteral("txtFineCon"))->text(), QStringLiteral("05/03/2024"));
}

void TestDatePicker::unknownTagWritesNothingAndStaysOpen_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("empty") << "";
    QTest::newRow("other case") << "Contratti_Data";
    QTest::newRow("with blanks") << " contratti_data";
    QTest::newRow("another purpose") << "ricevuta";
}

void TestDatePicker::unknownTagWritesNothingAndStaysOpen()
{
    QFETCH(QString, tag);
    TfrmCalendario picker(m_owner);
    picker.setCallerTag(tag);
    picker.show();
    control<QPushButton>(&picker, QStringLiteral("btnImportaData"))->click();
    QVERIFY(picker.isVisible());
    QCOMPARE(control<QLineEdit>(m_owner, QStringLiteral("txtData"))->text(), QStringLiteral("01/01/2030"));
}

void TestDatePicker::cancelLeavesTheField()
{
    control<QLineEdit>(m_owner, QStringLiteral("txtInizioCon"))->clear();
    TfrmCalendario picker(m_owner);
    picker.setCallerTag(QStringLiteral("contratti_iniziocon"));
    picker.show();
    control<QPushButton>(&picker, QStringLiteral("btnAnnulla"))->click();
    QVERIFY(!picker.isVisible());
    QVERIFY(control<QLineEdit>(m_owner, QStringLiteral("txtInizioCon"))->text().isEmpty());
}

QTEST_MAIN(TestDatePicker)
#include "tst_datepicker.moc"
