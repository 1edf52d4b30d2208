#include "engine/lists/ParallelParts.h"

#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

// Running a list's parts at once: every part runs once, the first on the
// calling thread; a part's failure reaches the caller only after every part
// has ended; the caller is kept busy while it waits.
class TestParallelParts : public QObject
{
    Q_OBJECT
private slots:
    void automaticPartsStayWithinBounds_data();
    void automaticPartsStayWithinBounds();
    void everyPartRunsOnce();
    void aFailureIsThrownOnceAllHaveEnded();
    void theCallerIsKeptBusyWhileWaiting();
};

void TestParallelParts::automaticPartsStayWithinBounds_data()
{
    QTest::addColumn<qint64>("items");
    QTest::addColumn<qint64>("minimumPerPart");
    QTest::addColumn<int>("atMost");
    QTest::newRow("nothing") << qint64(0) << qint64(100) << 1;
    QTest::newRow("less than two parts' worth") << qint64(199) << qint64(100) << 1;
    QTest::newRow("two parts' worth") << qint64(200) << qint64(100) << 2;
    QTest::newRow("a great many") << qint64(1) << qint64(0) << ParallelParts::kMaximumParts;
    QTest::newRow("a hundred thousand") << qint64(100000) << qint64(16384) << ParallelParts::kMaximumParts;
}

void TestParallelParts::automaticPartsStayWithinBounds()
{
    QFETCH(qint64, items);
    QFETCH(qint64, minimumPerPart);
    QFETCH(int, atMost);
    const int parts = ParallelParts::automatic(items, minimumPerPart);
    QVERIFY(parts >= 1);
    QVERIFY(parts <= atMost);
    QVERIFY(parts <= std::max(1, QThread::idealThreadCount()));
}

void TestParallelParts::everyPartRunsOnce()
{
    std::mutex mutex;
    std::multiset<int> ran;
    std::thread::id firstOn;
    ParallelParts::run(5, [&](int part) {
        const std::lock_guard lock(mutex);
        ran.insert(part);
        if (part == 0)
            firstOn = std::this_thread::get_id();
    });
    QCOMPARE(ran, (std::multiset<int>{0, 1, 2, 3, 4}));
    QCOMPARE(firstOn, std::this_thread::get_id());
}

void TestParallelParts::aFailureIsThrownOnceAllHaveEnded()
{
    std::atomic<int> ended = 0;
    bool thrown = false;
    try {
        ParallelParts::run(3, [&](int part) {
            if (part == 1)
                throw std::runtime_error("part 1");
            QThread::msleep(30);
            ++ended;
        });
    } catch (const std::runtime_error &error) {
        thrown = QByteArray(error.what()) == "part 1";
    }
    QVERIFY(thrown);
    QCOMPARE(ended.load(), 2);
}

void TestParallelParts::theCallerIsKeptBusyWhileWaiting()
{
    std::atomic<bool> slowDone = false;
    int calls = 0;
    bool calledBeforeTheEnd = false;
    ParallelParts::run(
        2,
        [&](int part) {
            if (part == 1) {
                QThread::msleep(100);
                slowDone = true;
            }
        },
        [&] {
            ++calls;
            calledBeforeTheEnd = calledBeforeTheEnd || !slowDone;
        },
        5);
    QVERIFY(calledBeforeTheEnd);
    QVERIFY2(calls >= 3, qPrintable(QString::number(calls)));
}

QTEST_APPLESS_MAIN(TestParallelParts)
#include "tst_parallelparts.moc"
