// vacanzio_initial_password <programFolder>
//
// Run by the build after the program itself: puts the password file of a
// fresh installation into the program folder, holding the initial password
// "benvenutoposta". A file already there is left alone, so that a password
// the user has changed survives every rebuild. Needs no display.

#include "engine/password/PasswordStore.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vacanzio_initial_password <program folder>\n");
        return 2;
    }
    QString folder = QDir::fromNativeSeparators(QString::fromLocal8Bit(argv[1]));
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "vacanzio_initial_password: cannot create %s\n", argv[1]);
        return 1;
    }

    const PasswordStore store(folder);
    if (!store.createIfMissing(PasswordStore::initialPassword())) {
        std::fprintf(stderr, "vacanzio_initial_password: cannot write %s\n",
                     qPrintable(QDir::toNativeSeparators(store.filePath())));
        return 1;
    }
    return 0;
}
