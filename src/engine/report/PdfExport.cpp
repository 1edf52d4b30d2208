#include "engine/report/PdfExport.h"

#include "engine/diagnostics/Logging.h"
#include "engine/report/ReportRenderer.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace Report {

bool writePdf(const PreparedReport &report, const QString &filePath)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcReport) << "cannot write the PDF" << filePath << ":" << file.errorString();
        return false;
    }
    {
        // The writer flushes its last page when it is destroyed, so it must
        // be gone before the file is committed.
        QPdfWriter writer(&file);
        writer.setTitle(report.reportName);
        writer.setCreator(QStringLiteral("Vacanzio"));
        writer.setResolution(1200);
        if (!render(report, writer)) {
            file.cancelWriting();
            return false;
        }
    }
    // The last pages are still in the file's buffer: a full disk shows when
    // they are written out, and commit() would put the cut file in place.
    if (!file.flush()) {
        qCWarning(lcReport) << "cannot write the PDF" << filePath << ":" << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcReport) << "cannot write the PDF" << filePath << ":" << file.errorString();
        return false;
    }
    return true;
}

} // namespace Report
