#pragma once

#include "engine/export/ExportProgress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

// The progress of one long step (reading an archive, writing a file), shown
// in a progress dialog over `owner` only once the step has lasted long
// enough to be noticed: a small archive shows none. The dialog goes when
// this object does.
class ExportProgressIndicator
{
public:
    ExportProgressIndicator(QWidget *owner, QString label);
    ~ExportProgressIndicator();
    ExportProgressIndicator(const ExportProgressIndicator &) = delete;
    ExportProgressIndicator &operator=(const ExportProgressIndicator &) = delete;

    // What the engine's readers and writers report to; valid while this
    // object lives.
    ExportProgress callback();
    // Whether the dialog came up (for tests).
    bool wasShown() const { return m_shown; }

    // How long a step runs before the dialog comes up.
    static void setDelayMs(int milliseconds);

private:
    void report(qint64 done, qint64 total);

    QWidget *m_owner;
    QString m_label;
    QElapsedTimer m_elapsed;
    QPointer<QProgressDialog> m_dialog;
    bool m_shown = false;
};
