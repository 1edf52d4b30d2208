#pragma once

#include <QString>

// Where the program keeps its files (the "program folder" of every other
// part of the program), chosen once at start:
// 1. a folder named on the command line (--cartella), created when missing;
// 2. otherwise the executable's own folder, when it holds the password file
//    or can be written and is not a folder of installed programs: a copy on
//    a USB stick or in a shared network folder keeps everything beside it;
// 3. otherwise, for an installed program, "Vacanzio" in the user's
//    documents folder, made at the first start with the initial password.
// The folders are parameters, so that every rule can be tried on folders a
// test makes.
namespace ProgramFolder {

enum class Source {
    Given,      // --cartella
    Portable,   // the executable's folder
    Installed,  // the user's documents folder
};

struct Places
{
    QString given;             // empty when no folder was named
    QString executableFolder;  // the folder of the running executable
    QString documentsFolder;   // the user's documents folder
};

struct Choice
{
    Source source = Source::Portable;
    QString folder;  // absolute, ending with '/'
};

// "Vacanzio": the data folder of an installed program, in the documents.
QString dataFolderName();

// Which folder the rules give; nothing is created or written.
Choice choose(const Places &places);

// Makes the chosen folder ready: a given or installed data folder is
// created when missing and receives the initial password file when it has
// none (the executable's own folder is used as it is). An empty text when
// the folder is ready; otherwise the message for the user.
QString prepare(const Choice &choice);

// A folder of installed programs: a "bin" folder (/usr/bin, /usr/local/bin,
// ~/.local/bin, or a package unpacked anywhere) or anything under the
// system's own trees (/usr, /opt, /bin, /etc, ...). A program there is
// shared by every user, so its folder is never a data folder by itself.
bool isSystemFolder(const QString &folder);
// True when a file can really be created in the folder (access() says yes
// to root even where nothing can be written).
bool isWritableFolder(const QString &folder);

// Where an installed copy finds its documentation (Guida.pdf), beside the
// "bin" folder of its executable: <prefix>/share/doc/vacanzio/, ending
// with '/'. Empty for a copy that is not installed.
QString documentationFolder(const QString &executableFolder);

} // namespace ProgramFolder
