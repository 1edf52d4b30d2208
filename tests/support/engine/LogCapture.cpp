#include "LogCapture.h"

#include <QStringList>

namespace {

LogCapture *current = nullptr;

} // namespace

LogCapture::LogCapture()
{
    current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

QStringList LogCapture::messages(const QString &category) const
{
    QStringList result;
    for (const Entry &entry : m_entries) {
        if (entry.category == category)
            result.append(entry.message);
    }
    return result;
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (current)
        current->m_entries.append({QString::fromUtf8(context.category), type, message});
}
