#pragma once

#include "engine/export/ExportProgress.h"
#include "engine/export/ExportRows.h"
#include "engine/export/ExportTables.h"

#include <QDialog>

#include <functional>

class ExportTableModel;
class QPushButton;
class QTableView;
class QToolButton;
class StatusHints;

// The export window, one design for the four archives: the whole archive in
// the grid grdRecords, the export buttons that write it to the .xls file
// (cmdEsporta) or to the .xlsx workbook (btnEsportaXlsx) in the program
// folder and offer to open it, the status line with the buttons' hints, and
// the exit. A card window creates it for one use and shows it modally (see
// ExportLauncher.h); the archive is read once, when the window is shown.
class ExportWindow : public QDialog
{
    Q_OBJECT
public:
    const ExportDefinition &definition() const { return m_definition; }
    // The archive read when the window is shown. By default the archive's
    // file in the program folder; the receipt window names its year's.
    void setArchivePath(const QString &path) { m_archivePath = path; }
    QString archivePath() const;
    const ExportTableModel *model() const { return m_model; }

protected:
    ExportWindow(ExportArchive archive, QWidget *owner);

    void showEvent(QShowEvent *event) override;

private:
    using Writer = std::function<bool(const QString &, const ExportDefinition &, const ExportRows &,
                                      const ExportProgress &)>;

    void buildHeading();
    void buildGrid();
    void buildButtons();
    void buildStatusLine();
    QToolButton *makePictureButton(QWidget *parent, const QString &name, const QPixmap &picture);
    void centreOnScreen();

    void formShow();
    void cmdEsportaClick();
    void btnEsportaXlsxClick();
    // The export, whatever the format: question, file, question, opening.
    void exportTo(const QString &fileName, const Writer &writer);

    const ExportDefinition &m_definition;
    ExportArchive m_archive;
    QString m_archivePath;
    bool m_loaded = false;
    ExportTableModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    StatusHints *m_hints;
};
