#include "engine/receipts/AmountInWords.h"
#include "engine/receipts/ReceiptAmount.h"

#include <QTest>

namespace {

ReceiptAmountBoxes boxes(const QString &importo, const QString &cents, const QString &centLettere,
                         const QString &intero)
{
    return {importo, cents, centLettere, intero};
}

} // namespace

// Shows the four texts when a comparison fails.
template <>
char *QTest::toString(const ReceiptAmountBoxes &b)
{
    return qstrdup(qPrintable(QStringLiteral("importo '%1', cents '%2', centLettere '%3', intero '%4'")
                                  .arg(b.importo, b.cents, b.centLettere, b.intero)));
}

class TestReceiptAmount : public QObject
{
    Q_OBJECT

private slots:
    void normaliseForSave_data()
    {
        QTest::addColumn<ReceiptAmountBoxes>("before");
        QTest::addColumn<ReceiptAmountBoxes>("after");
        const QString s00 = QStringLiteral("00");

        // After New the cents are "00" and the hidden label "0,00"; a receipt
        // with no amount typed is saved as zero euros.
        QTest::newRow("no amount typed after New")
            << boxes({}, s00, s00, QStringLiteral("0,00")) << boxes(QStringLiteral("0"), s00, s00, QStringLiteral("0,00"));
        QTest::newRow("no amount typed after the window opens")
            << boxes({}, s00, s00, {}) << boxes(QStringLiteral("0"), s00, s00, QStringLiteral("0,00"));
        QTest::newRow("blank euro box counts as empty")
            << boxes(QStringLiteral("   "), s00, s00, {}) << boxes(QStringLiteral("0"), s00, s00, QStringLiteral("0,00"));
        QTest::newRow("euros and cents")
            << boxes(QStringLiteral("1250"), QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("stale"))
            << boxes(QStringLiteral("1250"), QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("1250,50"));

        // One cents digit typed without leaving the box means tens of cents.
        QTest::newRow("one cents digit")
            << boxes(QStringLiteral("75"), QStringLiteral("5"), QStringLiteral("5"), {})
            << boxes(QStringLiteral("75"), QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("75,50"));
        QTest::newRow("one cents digit, label not yet in step")
            << boxes(QStringLiteral("75"), QStringLiteral("0"), s00, {})
            << boxes(QStringLiteral("75"), s00, s00, QStringLiteral("75,00"));
        QTest::newRow("emptied cents box")
            << boxes(QStringLiteral("75"), {}, {}, {}) << boxes(QStringLiteral("75"), s00, s00, QStringLiteral("75,00"));
        QTest::newRow("cents box of one blank")
            << boxes(QStringLiteral("75"), QStringLiteral(" "), {}, {}) << boxes(QStringLiteral("75"), s00, s00, QStringLiteral("75,00"));
        QTest::newRow("cents box of two blanks")
            << boxes(QStringLiteral("75"), QStringLiteral("  "), {}, {}) << boxes(QStringLiteral("75"), s00, s00, QStringLiteral("75,00"));

        // Longer cents are cut to their first two characters.
        QTest::newRow("three cents digits")
            << boxes(QStringLiteral("75"), QStringLiteral("123"), QStringLiteral("123"), {})
            << boxes(QStringLiteral("75"), QStringLiteral("12"), QStringLiteral("12"), QStringLiteral("75,12"));
        QTest::newRow("cut leaves blanks")
            << boxes(QStringLiteral("75"), QStringLiteral("  9"), {}, {}) << boxes(QStringLiteral("75"), s00, s00, QStringLiteral("75,00"));
        QTest::newRow("cut leaves one digit and a blank")
            << boxes(QStringLiteral("75"), QStringLiteral("4 7"), {}, {})
            << boxes(QStringLiteral("75"), QStringLiteral("4 "), QStringLiteral("4 "), QStringLiteral("75,4"));

        // Two characters are kept as they are; only the hidden label trims.
        QTest::newRow("two characters with a blank")
            << boxes(QStringLiteral("75"), QStringLiteral(" 5"), QStringLiteral(" 5"), {})
            << boxes(QStringLiteral("75"), QStringLiteral(" 5"), QStringLiteral(" 5"), QStringLiteral("75,5"));
        QTest::newRow("label left alone for two digits")
            << boxes(QStringLiteral("75"), QStringLiteral("25"), QStringLiteral("2"), {})
            << boxes(QStringLiteral("75"), QStringLiteral("25"), QStringLiteral("2"), QStringLiteral("75,25"));
        QTest::newRow("euro box with blanks")
            << boxes(QStringLiteral(" 42 "), QStringLiteral("05"), QStringLiteral("05"), {})
            << boxes(QStringLiteral(" 42 "), QStringLiteral("05"), QStringLiteral("05"), QStringLiteral("42,05"));
    }

    void normaliseForSave()
    {
        QFETCH(ReceiptAmountBoxes, before);
        QFETCH(ReceiptAmountBoxes, after);
        QCOMPARE(::normaliseForSave(before), after);
    }

    void normalisingTwiceChangesNothing_data() { normaliseForSave_data(); }

    void normalisingTwiceChangesNothing()
    {
        QFETCH(ReceiptAmountBoxes, after);
        QCOMPARE(::normaliseForSave(after), after);
    }

    void centsAfterFocusLoss_data()
    {
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("centLettere");
        QTest::addColumn<QString>("newCents");
        QTest::addColumn<QString>("newCentLettere");
        QTest::newRow("empty") << QString() << QString() << QStringLiteral("00") << QStringLiteral("00");
        QTest::newRow("one blank") << QStringLiteral(" ") << QString() << QStringLiteral("00") << QStringLiteral("00");
        QTest::newRow("two blanks") << QStringLiteral("  ") << QStringLiteral("  ") << QStringLiteral("00")
                                    << QStringLiteral("00");
        QTest::newRow("5 means fifty") << QStringLiteral("5") << QStringLiteral("5") << QStringLiteral("50")
                                       << QStringLiteral("50");
        QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("00")
                           << QStringLiteral("00");
        QTest::newRow("label follows the box") << QStringLiteral("9") << QStringLiteral("00")
                                               << QStringLiteral("90") << QStringLiteral("90");
        QTest::newRow("two digits unchanged") << QStringLiteral("05") << QStringLiteral("05")
                                              << QStringLiteral("05") << QStringLiteral("05");
        QTest::newRow("two characters with a blank unchanged") << QStringLiteral("5 ") << QStringLiteral("5 ")
                                                               << QStringLiteral("5 ") << QStringLiteral("5 ");
        QTest::newRow("label left alone for two digits") << QStringLiteral("25") << QStringLiteral("2")
                                                         << QStringLiteral("25") << QStringLiteral("2");
        QTest::newRow("longer text is not cut here") << QStringLiteral("123") << QStringLiteral("123")
                                                     << QStringLiteral("123") << QStringLiteral("123");
    }

    void centsAfterFocusLoss()
    {
        QFETCH(QString, cents);
        QFETCH(QString, centLettere);
        QFETCH(QString, newCents);
        QFETCH(QString, newCentLettere);
        const ReceiptAmountBoxes before = boxes(QStringLiteral("1250"), cents, centLettere, QStringLiteral("1250,00"));
        // The euro box and the hidden label are not this rule's business.
        QCOMPARE(::centsAfterFocusLoss(before),
                 boxes(QStringLiteral("1250"), newCents, newCentLettere, QStringLiteral("1250,00")));
    }

    void centLettereAfterKeyRelease_data()
    {
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("centLettere");
        QTest::newRow("two digits") << QStringLiteral("50") << QStringLiteral("50");
        QTest::newRow("one digit is not completed") << QStringLiteral("5") << QStringLiteral("5");
        QTest::newRow("copied untrimmed") << QStringLiteral(" 5") << QStringLiteral(" 5");
        QTest::newRow("emptied") << QString() << QString();
        QTest::newRow("blanks only") << QStringLiteral("  ") << QString();
    }

    void centLettereAfterKeyRelease()
    {
        QFETCH(QString, cents);
        QFETCH(QString, centLettere);
        QCOMPARE(::centLettereAfterKeyRelease(cents), centLettere);
    }

    // The words label holds only the euros; the cents go to their own label
    // in figures.
    void eurosInWordsCentsInFigures()
    {
        QCOMPARE(wordsForEuroBox(QStringLiteral("1250"), QString()), QStringLiteral("MILLEDUECENTOCINQUANTA"));
        QCOMPARE(::centLettereAfterKeyRelease(QStringLiteral("50")), QStringLiteral("50"));
        const ReceiptAmountBoxes saved = ::normaliseForSave(
            boxes(QStringLiteral("1250"), QStringLiteral("50"), QStringLiteral("50"), QString()));
        QCOMPARE(saved.intero, QStringLiteral("1250,50"));
    }
};

QTEST_GUILESS_MAIN(TestReceiptAmount)
#include "tst_receiptamount.moc"
