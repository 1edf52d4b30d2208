#include "engine/lists/FindWalk.h"
#include "engine/lists/SummaryLines.h"
#include "engine/text/TextRules.h"

#include <QTest>

namespace {

const QStringList kLines = {
    QStringLiteral("ALFA ANNA      Città: Milano"),
    QStringLiteral("BETA BRUNO     Città: ROMA"),
    QStringLiteral("GAMMA GINO     Città: Torino"),
    QStringLiteral("DELTA DORA     Città: Roma"),
    QStringLiteral("EPSILON ELSA   Città: CITTÀ DI CASTELLO"),
};

} // namespace

// Trova, press after press.
class TestFindWalk : public QObject
{
    Q_OBJECT
private slots:
    void presses_data();
    void presses();
    void anEmptyListSelectsNothing();
    void rememberedTextBelongsToAWindowClass();
};

void TestFindWalk::presses_data()
{
    QTest::addColumn<int>("selectedBefore");
    QTest::addColumn<QStringList>("typed");     // one text per press
    QTest::addColumn<QList<int>>("selected");   // the row selected after each press

    QTest::newRow("two matches, then wrap") << -1 << QStringList{"roma", "roma", "roma", "roma"}
                                            << QList<int>{1, 3, 1, 3};
    QTest::newRow("capitals typed find lower case") << -1 << QStringList{"ROMA", "ROMA"} << QList<int>{1, 3};
    QTest::newRow("the same text in another case goes on") << -1 << QStringList{"roma", "Roma"}
                                                           << QList<int>{1, 3};
    QTest::newRow("a changed text starts from the top")
        << -1 << QStringList{"roma", "roma", "torino", "roma"} << QList<int>{1, 3, 2, 1};
    QTest::newRow("a new text tests the first line first") << 3 << QStringList{"alfa"} << QList<int>{0};
    QTest::newRow("a new text ignores the selection") << 3 << QStringList{"roma"} << QList<int>{1};
    QTest::newRow("the only match found again") << -1 << QStringList{"torino", "torino"} << QList<int>{2, 2};
    QTest::newRow("not found: the selection stays") << -1 << QStringList{"roma", "napoli"} << QList<int>{1, 1};
    QTest::newRow("not found with nothing selected: the first line") << -1 << QStringList{"napoli"}
                                                                     << QList<int>{0};
    QTest::newRow("empty text finds nothing") << 2 << QStringList{"", ""} << QList<int>{2, 2};
    QTest::newRow("empty text with nothing selected") << -1 << QStringList{""} << QList<int>{0};
    QTest::newRow("accented capitals are not folded") << -1 << QStringList{"città di"} << QList<int>{0};
    QTest::newRow("accented capitals match themselves") << -1 << QStringList{"CITTÀ DI"} << QList<int>{4};
    QTest::newRow("a trailing blank is looked for too") << -1 << QStringList{"roma "} << QList<int>{0};
    QTest::newRow("the whole line is searched") << -1 << QStringList{"bruno     città"} << QList<int>{1};
}

void TestFindWalk::presses()
{
    QFETCH(int, selectedBefore);
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, selected);
    const SummaryLines lines(kLines);
    QString remembered;
    qsizetype row = selectedBefore;
    for (int press = 0; press < typed.size(); ++press) {
        row = FindWalk::next(lines, row, typed.at(press), remembered);
        QCOMPARE(row, qsizetype(selected.at(press)));
        QCOMPARE(remembered, TextRules::lowerAscii(typed.at(press)));
    }
}

void TestFindWalk::anEmptyListSelectsNothing()
{
    QString remembered;
    QCOMPARE(FindWalk::next(SummaryLines(), -1, QStringLiteral("roma"), remembered), qsizetype(-1));
}

void TestFindWalk::rememberedTextBelongsToAWindowClass()
{
    FindWalk::rememberedText("TfrmImpLocatore") = QStringLiteral("roma");
    FindWalk::rememberedText("TfrmSospesi") = QStringLiteral("milano");
    QCOMPARE(FindWalk::rememberedText("TfrmImpLocatore"), QStringLiteral("roma"));
    QCOMPARE(FindWalk::rememberedText("TfrmSospesi"), QStringLiteral("milano"));
    QCOMPARE(FindWalk::rememberedText("TfrmImpConduttore"), QString());
}

QTEST_APPLESS_MAIN(TestFindWalk)
#include "tst_findwalk.moc"
