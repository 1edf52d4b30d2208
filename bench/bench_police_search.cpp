// Times the type-ahead search of the guests window over the built-in police
// tables (11,284 comuni and 236 states, every one scanned for each key
// typed), and the reading of the tables at first use.
//   bench_police_search
#include "BenchArchives.h"
#include "engine/guests/PoliceCodes.h"
#include "engine/guests/PoliceTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    QElapsedTimer clock;
    clock.start();
    QList<PoliceTableParse> tables;
    for (PoliceTableKind kind : PoliceTable::allKinds())
        tables.append(PoliceTable::parse(kind, PoliceTable::builtInBytes(kind)));
    const double parsed = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const PoliceCodes codes(tables.at(0).rows, tables.at(1).rows, tables.at(2).rows, tables.at(3).rows);
    const double built = clock.nsecsElapsed() / 1e6;
    std::printf("tables read: %.1f ms, look-ups built: %.1f ms (%d comuni, %d states)\n", parsed, built,
                codes.comuneCount(), codes.stateCount());

    // The keys as they are typed, one letter more each time; the widest
    // search (comuni and states, ceased ones too).
    const QStringList typed = {QStringLiteral("r"),     QStringLiteral("ri"),   QStringLiteral("rim"),
                               QStringLiteral("rimi"),  QStringLiteral("a"),    QStringLiteral("san"),
                               QStringLiteral("forlì"), QStringLiteral("zzzz")};
    constexpr int kRounds = 200;
    double worst = 0;
    for (const QString &text : typed) {
        std::vector<double> times;
        qsizetype found = 0;
        for (int round = 0; round < kRounds; ++round) {
            clock.restart();
            found = codes.search(text, PlaceFilter::ComuniAndStates, PlacePurpose::Birth).size();
            times.push_back(clock.nsecsElapsed() / 1e3);
        }
        const double typical = median(times);
        worst = std::max(worst, typical);
        std::printf("search \"%s\": %.0f µs (median of %d), %lld offered\n", qPrintable(text), typical, kRounds,
                    static_cast<long long>(found));
    }
    std::printf("slowest key: %.2f ms\n", worst / 1000);
    return 0;
}
