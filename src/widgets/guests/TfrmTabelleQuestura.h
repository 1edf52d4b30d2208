#pragma once

#include "engine/guests/PoliceTable.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QWidget;

// The State Police tables window: shows, for each of the portal's four code
// tables, whether the built-in copy or one the user loaded is in use and
// how many rows it has; loads a newer copy of a table (a button each, since
// the comuni and the states tables have the same columns); goes back to the
// built-in tables. The guests window opens it through
// openPoliceTablesWindow().
class TfrmTabelleQuestura : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmTabelleQuestura(QWidget *owner);

private:
    struct TableRow
    {
        PoliceTableKind kind;
        QLabel *status;
    };

    void btnCaricaClick(PoliceTableKind kind);
    void btnTabelleInterneClick();
    // Shows the tables in use.
    void refresh();

    QList<TableRow> m_rows;
    QPushButton *m_btnTabelleInterne = nullptr;
};

// Opens the tables window modally over `owner` and destroys it when the
// user is done.
void openPoliceTablesWindow(QWidget *owner);
