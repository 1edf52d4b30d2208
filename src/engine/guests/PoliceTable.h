#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The four code tables of the State Police portal ("Alloggiati Web").
enum class PoliceTableKind {
    Comuni,         // comuni.csv: code, name, province, end date
    States,         // stati.csv: code, name, "ES", end date
    DocumentTypes,  // documenti.csv: code, name
    GuestTypes,     // tipo_alloggiato.csv: code, name
};

// One row of a table. Documents and guest types have no province and no
// end date.
struct PoliceTableRow
{
    QString code;
    QString name;
    QString province;
    QDate endDate;  // the day the code stopped being valid; invalid while valid

    bool operator==(const PoliceTableRow &) const = default;
};

// A table read from a file, or why it was refused.
struct PoliceTableParse
{
    QList<PoliceTableRow> rows;
    // Empty when the file was accepted; otherwise one sentence in Italian
    // for a message box, naming the line ("Riga 12: il codice ...").
    QString error;

    bool ok() const { return error.isEmpty(); }
};

namespace PoliceTable {

// Every kind, in the order the tables window lists them.
QList<PoliceTableKind> allKinds();
// The portal's file name ("comuni.csv"), under which a loaded copy is kept.
QString fileName(PoliceTableKind kind);
// The table as the windows name it, after "tabella": "dei comuni".
QString describedAs(PoliceTableKind kind);
// The bytes of the built-in copy, a resource of the program.
QByteArray builtInBytes(PoliceTableKind kind);

// Reads a table as the portal publishes it: columns separated by commas
// (the download) or by semicolons (the web service), with or without the
// header line, lines ended by CR LF or LF, no quoting. Comuni and states
// have four columns, or three in the older files without the end date;
// the others two. Every row is checked: the number of columns, a 9-digit
// code for comuni and states (a 5-character code starting with a letter
// for documents, a number for guest types), a name, a two-letter province
// for comuni and "ES" for states (so that one table cannot pass for the
// other), an end date "dd/mm/yyyy" with or without its time, no code twice;
// the states must hold Italy and the guest types 16 to 20. The first fault
// refuses the whole file.
PoliceTableParse parse(PoliceTableKind kind, const QByteArray &bytes);

} // namespace PoliceTable
