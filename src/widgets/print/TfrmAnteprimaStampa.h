#pragma once

#include "engine/report/ReportLayout.h"

#include <QDialog>
#include <QPrinter>

class QPrintPreviewWidget;
class QToolButton;

// The preview of a prepared document: its pages as they will print, at
// 100 % to start with, with print, zoom, full screen, save as PDF and close.
// The pages cannot be edited.
class TfrmAnteprimaStampa : public QDialog
{
    Q_OBJECT
public:
    struct Texts
    {
        QString printFailure;    // shown when printing from the preview fails
        QString pdfName;         // proposed in the program folder
    };

    TfrmAnteprimaStampa(Report::PreparedReport report, Texts texts, QWidget *owner);

    QPrintPreviewWidget *previewWidget() const { return m_preview; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addButton(const char *name, const QString &text, const QIcon &icon);
    void print();
    void savePdf();
    void toggleFullScreen(bool on);

    Report::PreparedReport m_report;
    Texts m_texts;
    QPrinter m_printer;
    QPrintPreviewWidget *m_preview = nullptr;
    QWidget *m_toolbar = nullptr;
};
