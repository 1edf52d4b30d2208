#include "CardTestTools.h"
#include "widgets/platform/StatusHints.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using CardTestTools::moveMouseOver;

// The status line's hints on a small window of their own: a background
// panel with a button and a plain label on it, and the status line.
class TestStatusHints : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mouseOver_data();
    void mouseOver();
    void enteringAControlShowsItsHint();
    void nothingShownBeforeTheLineIsGiven();

private:
    QWidget *m_window = nullptr;
    QWidget *m_panel = nullptr;
    QPushButton *m_button = nullptr;
    QLabel *m_label = nullptr;
    QLabel *m_status = nullptr;
    StatusHints *m_hints = nullptr;
};

void TestStatusHints::init()
{
    m_window = new QWidget;
    m_window->resize(400, 200);
    m_panel = new QWidget(m_window);
    m_panel->setGeometry(0, 0, 400, 150);
    m_button = new QPushButton(QStringLiteral("Salva"), m_panel);
    m_button->setGeometry(10, 10, 80, 30);
    m_label = new QLabel(QStringLiteral("Note:"), m_panel);
    m_label->setGeometry(10, 60, 80, 30);
    m_status = new QLabel(QStringLiteral("Pronto"), m_window);
    m_status->setGeometry(0, 160, 400, 30);
    m_hints = new StatusHints(m_window);
    m_hints->markBackground(m_window);
    m_hints->markBackground(m_panel);
    m_hints->setHint(m_button, QStringLiteral("Salva la scheda in archivio."));
    m_hints->setStatusLine(m_status);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestStatusHints::cleanup()
{
    delete m_window;
}

void TestStatusHints::mouseOver_data()
{
    // Where the mouse goes after the button: "panel" is its free area, "on
    // the button" its area under the button (a move the button passes on).
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("expected");
    const QString hint = QStringLiteral("Salva la scheda in archivio.");
    QTest::newRow("the background panel") << "panel" << QString();
    QTest::newRow("the window around the panel") << "window" << QString();
    QTest::newRow("a label lying on the panel") << "label" << hint;
    QTest::newRow("the panel under the label") << "under label" << hint;
    QTest::newRow("the button again") << "button" << hint;
    QTest::newRow("the status line, not marked") << "status" << hint;
}

void TestStatusHints::mouseOver()
{
    QFETCH(QString, where);
    QFETCH(QString, expected);
    moveMouseOver(m_button);
    QCOMPARE(m_status->text(), QStringLiteral("Salva la scheda in archivio."));
    if (where == QLatin1String("panel"))
        moveMouseOver(m_panel, QPoint(300, 100));
    else if (where == QLatin1String("window"))
        moveMouseOver(m_window, QPoint(200, 155));
    else if (where == QLatin1String("label"))
        moveMouseOver(m_label);
    else if (where == QLatin1String("under label"))
        moveMouseOver(m_panel, m_label->geometry().center());
    else if (where == QLatin1String("button"))
        moveMouseOver(m_button);
    else
        moveMouseOver(m_status);
    QCOMPARE(m_status->text(), expected);
}

void TestStatusHints::enteringAControlShowsItsHint()
{
    m_status->clear();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), m_button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(m_button, &enter);
    QCOMPARE(m_status->text(), QStringLiteral("Salva la scheda in archivio."));
    QVERIFY(m_button->hasMouseTracking());
    QVERIFY(m_panel->hasMouseTracking());
}

void TestStatusHints::nothingShownBeforeTheLineIsGiven()
{
    StatusHints early;
    QPushButton other;
    early.setHint(&other, QStringLiteral("Esci da questo ambiente di lavoro."));
    // No line yet: the move is let through and nothing breaks.
    moveMouseOver(&other);
    QLabel line;
    early.setStatusLine(&line);
    moveMouseOver(&other);
    QCOMPARE(line.text(), QStringLiteral("Esci da questo ambiente di lavoro."));
}

QTEST_MAIN(TestStatusHints)
#include "tst_statushints.moc"
