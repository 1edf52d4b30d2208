// Times the program's start, from launching the process until its first
// window (the sign-in window) has been painted, against a bare Qt window
// started the same way in the same run, alternately, and reports the
// median time and the peak memory (resident) of each.
//   bench_startup [rounds] [other vacanzio ...]
// Every program runs on Qt's headless platform (unless QT_QPA_PLATFORM says
// otherwise) with a fresh home folder; vacanzio is given a data folder of
// its own with --cartella and ends by itself with --prova-avvio. Further
// vacanzio executables (an older build, say) are timed alongside; they need
// --prova-avvio too.
#include "BenchArchives.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

struct Program
{
    QString label;
    QStringList command;
    std::vector<double> seconds;
    std::vector<double> mebibytes;
};

// One start: wall time and peak resident memory, or false when it failed.
bool runOnce(const QStringList &command, double *seconds, double *mebibytes)
{
    std::vector<QByteArray> arguments;
    for (const QString &argument : command)
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    *seconds = timer.nsecsElapsed() / 1e9;
    *mebibytes = usage.ru_maxrss / 1024.0;  // ru_maxrss is in KiB
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int rounds = arguments.size() > 1 ? std::max(1, arguments.at(1).toInt()) : 21;

    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    const QString home = scratch.filePath(QStringLiteral("home"));
    const QString runtime = scratch.filePath(QStringLiteral("runtime"));
    QDir().mkpath(home);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::vector<Program> programs;
    programs.push_back({QStringLiteral("bare Qt window"), {QStringLiteral(BARE_WINDOW)}, {}, {}});
    QStringList vacanzios = {QStringLiteral(VACANZIO_PROGRAM)};
    vacanzios += arguments.mid(2);
    for (int i = 0; i < vacanzios.size(); ++i) {
        const QString data = scratch.filePath(QStringLiteral("dati%1").arg(i));
        programs.push_back({QStringLiteral("vacanzio ") + vacanzios.at(i),
                            {vacanzios.at(i), QStringLiteral("--cartella"), data, QStringLiteral("--prova-avvio")},
                            {},
                            {}});
    }

    // One start of each first, unmeasured: the files are in the page cache
    // for every program alike, and each data folder exists.
    double seconds = 0;
    double mebibytes = 0;
    for (const Program &program : programs) {
        if (!runOnce(program.command, &seconds, &mebibytes)) {
            std::fprintf(stderr, "bench_startup: %s did not start and end by itself\n",
                         qPrintable(program.command.join(u' ')));
            return 1;
        }
    }
    // Alternately, so that a slower moment of the machine hits every
    // program alike.
    for (int round = 0; round < rounds; ++round) {
        for (Program &program : programs) {
            if (!runOnce(program.command, &seconds, &mebibytes))
                return 1;
            program.seconds.push_back(seconds);
            program.mebibytes.push_back(mebibytes);
        }
    }

    const double bareSeconds = median(programs.front().seconds);
    const double bareMemory = median(programs.front().mebibytes);
    std::printf("start to first window painted, median of %d (QT_QPA_PLATFORM=%s):\n", rounds,
                qgetenv("QT_QPA_PLATFORM").constData());
    for (const Program &program : programs) {
        const double time = median(program.seconds);
        const double memory = median(program.mebibytes);
        std::printf("  %-40s %6.3f s (%.2f x)  %5.1f MiB (%.2f x)\n", qPrintable(program.label), time,
                    time / bareSeconds, memory, memory / bareMemory);
    }
    return 0;
}
