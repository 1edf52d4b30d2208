#include "widgets/export/ExportProgressIndicator.h"

#include <QProgressDialog>

#include <utility>

namespace {

int delayMs = 400;
constexpr int Steps = 1000;

} // namespace

ExportProgressIndicator::ExportProgressIndicator(QWidget *owner, QString label)
    : m_owner(owner)
    , m_label(std::move(label))
{
    m_elapsed.start();
}

ExportProgressIndicator::~ExportProgressIndicator()
{
    delete m_dialog;
}

void ExportProgressIndicator::setDelayMs(int milliseconds)
{
    delayMs = milliseconds;
}

ExportProgress ExportProgressIndicator::callback()
{
    return [this](qint64 done, qint64 total) { report(done, total); };
}

void ExportProgressIndicator::report(qint64 done, qint64 total)
{
    if (!m_dialog) {
        if (m_shown || done >= total || m_elapsed.elapsed() < delayMs)
            return;
        // The step runs on the interface thread: there is nothing to cancel
        // it with, and the window behind stays closed to input meanwhile.
        m_dialog = new QProgressDialog(m_label, QString(), 0, Steps, m_owner);
        m_dialog->setObjectName(QStringLiteral("dlgAvanzamento"));
        m_dialog->setWindowTitle(m_owner ? m_owner->windowTitle() : QString());
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
        m_shown = true;
    }
    // Setting the value of a modal progress dialog also lets the window
    // system repaint it.
    m_dialog->setValue(total > 0 ? static_cast<int>(done * Steps / total) : Steps);
}
