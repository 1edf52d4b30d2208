#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// Putting a backup back. The zip is checked whole before anything is
// touched: names the program keeps only (DataFiles), nothing that leads out
// of the program folder, every entry against its CRC, every archive a whole
// number of records of its layout. Then the program's files are replaced,
// each archive under its lock; the files replaced, and those the copy does
// not have, are kept in "Sostituiti <yyyy-mm-dd hh-mm>" in the program
// folder. Any failure puts the previous files back.
namespace Restore {

struct Item
{
    QString name;        // relative to the program folder
    QDateTime modified;
    qint64 records = -1;  // archives only
};

struct Inspection
{
    QList<Item> items;  // sorted by name
    QString problem;    // for the user; empty when the copy can be used
    bool usable() const { return problem.isEmpty(); }
};

// Reads and checks the whole zip; changes nothing.
Inspection inspect(const QString &zipPath);

// What the copy holds, for the question before restoring: each archive
// with its records and date, each other file with its date, the files of a
// folder counted.
QString describe(const QList<Item> &items);

// "Sostituiti 2026-12-09 10-30": where the replaced files go.
QString replacedFolderName(const QDateTime &when);

struct Outcome
{
    bool restored = false;
    QString replacedFolder;  // absolute, when restored
};

// Replaces the program's files with the copy's. The zip is checked again as
// it is unpacked; on any failure every file is as it was before.
Outcome apply(const QString &programFolder, const QString &zipPath, const QDateTime &now);

} // namespace Restore
