// Times the export of a landlord archive of 100,000 records, every field
// filled: opening the export window (the archive read once into the grid's
// model), then the .xls and the .xlsx export through the window's buttons,
// and the engine's reader on its own. Prints each step's time, the size of
// each file and the peak memory of the process after each step.
//   bench_export [folder] [records]   (default: a temporary folder, 100000)
#include "BenchArchives.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/export/ExportReader.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTableModel.h"
#include "engine/export/ExportTables.h"
#include "engine/platform/Platform.h"
#include "widgets/export/ExportWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

// Yes to the export question, No to opening the file: nothing may wait for
// a user.
class BenchPlatform : public Platform
{
public:
    explicit BenchPlatform(QString folder) : m_folder(std::move(folder)) {}
    void showMessage(MessageKind, const QString &text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        ++failures;
    }
    bool askYesNo(const QString &text, DefaultAnswer) override { return text.startsWith(QStringLiteral("L'esportazione")); }
    QString chooseFileToOpen(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFileToSave(const QString &, const QString &, const QString &) override { return {}; }
    void shellOpen(const QString &) override {}
    QDate today() override { return QDate::currentDate(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    QString programFolder() override { return m_folder; }
    int failures = 0;

private:
    QString m_folder;
};

bool writeArchive(const QString &path, int records)
{
    const RecordLayout &layout = RecordLayouts::locatore();
    const int postcode = layout.indexOf(QStringLiteral("CapImm"));
    return writeGeneratedArchive(path, layout, records, [postcode](int k, QStringList &texts) {
        texts[0] = QStringLiteral("LOCATORE %1").arg(k);
        texts[postcode] = QStringLiteral("%1").arg(k % 100000, 5, 10, QLatin1Char('0'));
    });
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // kilobytes on Linux
}

double timeIt(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e9;
}

void report(const char *step, double seconds, const QString &file = QString())
{
    const double megabytes = file.isEmpty() ? 0 : QFile(file).size() / 1e6;
    std::printf("%-28s %9.2f s %10.1f MB %12ld MB\n", step, seconds, megabytes, peakMegabytes());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = benchFolder(argc, argv, temporary);
    const int records = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100000;
    BenchPlatform bench(folder);
    setPlatform(&bench);

    const QString archive = folder + QStringLiteral("Archivio_Locatori.pro");
    if (!writeArchive(archive, records)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(archive));
        return 1;
    }
    std::printf("%d landlord records, archive %.1f MB\n", records, QFile(archive).size() / 1e6);
    std::printf("%-28s %11s %13s %15s\n", "step", "time", "file", "peak memory");
    report("archive written", 0);

    {
        const ExportDefinition &definition = ExportTables::definition(ExportArchive::Locatori);
        ExportRows rows(definition.columnCount());
        const double seconds = timeIt([&] { ExportReader::read(archive, definition, rows); });
        report("engine: read the archive", seconds);
        if (rows.rowCount() != records)
            return 1;
    }

    TfrmExpLocatori window(nullptr);
    report("open the window", timeIt([&] {
        window.show();
        QCoreApplication::processEvents();
    }));
    if (window.model()->rowCount() != records) {
        std::fprintf(stderr, "the grid has %d rows\n", window.model()->rowCount());
        return 1;
    }
    auto click = [&window](const char *name) {
        window.findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
    };
    report("export .xls", timeIt([&] { click("cmdEsporta"); }), folder + QStringLiteral("Archivio_Locatori.xls"));
    report("export .xlsx", timeIt([&] { click("btnEsportaXlsx"); }), folder + QStringLiteral("Archivio_Locatori.xlsx"));
    window.close();

    QFile::remove(archive);
    QFile::remove(folder + QStringLiteral("Archivio_Locatori.xls"));
    QFile::remove(folder + QStringLiteral("Archivio_Locatori.xlsx"));
    setPlatform(nullptr);
    return bench.failures == 0 ? 0 : 1;
}
