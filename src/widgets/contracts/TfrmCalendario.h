#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;

// The date picker: a month calendar that starts at today and writes the
// chosen day, as dd/mm/yyyy, into the contract window's date field named by
// its caller tag. The contract window is the picker's owner.
class TfrmCalendario : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *owner);

    void setCallerTag(const QString &tag);
    QCalendarWidget *calendar() const { return m_calendar; }

private:
    void importDate();

    QCalendarWidget *m_calendar;
    QLabel *m_callerTag;
};
