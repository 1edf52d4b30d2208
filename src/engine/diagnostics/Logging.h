#pragma once

#include <QLoggingCategory>

// The detail of a failure, written where it happens. The user sees the
// program's own message boxes, which say what to do but not why; the log
// (standard error unless Qt is told otherwise, QT_LOGGING_RULES to choose)
// keeps the file, the system's reason, the library's words.
Q_DECLARE_LOGGING_CATEGORY(lcArchive)   // vacanzio.archive: the record files
Q_DECLARE_LOGGING_CATEGORY(lcExport)    // vacanzio.export: the spreadsheet files
Q_DECLARE_LOGGING_CATEGORY(lcReport)    // vacanzio.report: printing, previews, PDF
Q_DECLARE_LOGGING_CATEGORY(lcFiles)     // vacanzio.files: settings, attachments, pictures, files replaced
Q_DECLARE_LOGGING_CATEGORY(lcGuests)    // vacanzio.guests: the police code tables and guest file
Q_DECLARE_LOGGING_CATEGORY(lcBackup)    // vacanzio.backup: backups, restores, the automatic copies

namespace Logging {

// The system's text for the current errno.
QString systemError();

} // namespace Logging
