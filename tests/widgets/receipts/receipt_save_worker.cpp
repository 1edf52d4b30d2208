// One copy of the program saving a receipt, for the tests that run two of
// them against one folder at the same moment:
//   receipt_save_worker <year archive> <payer>
// It opens the receipt window on the archive, presses New and prints
// "numero <n>"; on a line from its standard input it fills the payer and
// the reason and presses Save, then prints "posizione <k>" when the receipt
// was stored, or "domanda: <question>" when it was asked one (and answered
// No), and ends.
#include "FakePlatform.h"
#include "engine/archive/ArchiveFile.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s archive payer\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    FakePlatform platform;
    ArchiveFile::setLockTimeoutMs(30000);
    TfrmRicevuta window;
    window.setArchiveFile(QString::fromLocal8Bit(argv[1]));
    window.show();
    window.findChild<QToolButton *>(QStringLiteral("cmdNuovo"))->click();
    std::printf("numero %s\n", qPrintable(window.fieldText(QStringLiteral("NumRic"))));
    std::fflush(stdout);

    std::string line;
    std::getline(std::cin, line);
    window.setFieldText(QStringLiteral("Pagatore01"), QString::fromLocal8Bit(argv[2]));
    window.setFieldText(QStringLiteral("Causale01"), QStringLiteral("Affitto"));
    window.findChild<QToolButton *>(QStringLiteral("cmdSalva"))->click();
    if (!platform.questions.isEmpty())
        std::printf("domanda: %s\n", platform.questions.constFirst().toUtf8().constData());
    else
        std::printf("posizione %s\n", qPrintable(window.findChild<QLabel *>(QStringLiteral("lblPosizione"))->text()));
    return 0;
}
