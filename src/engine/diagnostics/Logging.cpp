#include "engine/diagnostics/Logging.h"

#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcArchive, "vacanzio.archive", QtInfoMsg)
Q_LOGGING_CATEGORY(lcExport, "vacanzio.export", QtInfoMsg)
Q_LOGGING_CATEGORY(lcReport, "vacanzio.report", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "vacanzio.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGuests, "vacanzio.guests", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBackup, "vacanzio.backup", QtInfoMsg)

namespace Logging {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace Logging
