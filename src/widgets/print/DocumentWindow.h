#pragma once

#include "widgets/print/PrintedDocument.h"

#include <QDialog>

class QPushButton;

// The small window between a card window's Print or Preview button and the
// document: it says what will happen and runs it on "Stampa" (or "Mostra
// anteprima"), reading the card window as it is at that moment. Created
// for one use; each use starts from the document's template afresh.
class DocumentWindow : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose { Print, Preview };

    DocumentWindow(PrintedDocument document, Purpose purpose, const char *objectName, const QString &caption,
                   QWidget *cardWindow);

    PrintedDocument document() const { return m_document; }
    Purpose purpose() const { return m_purpose; }

private:
    void run();
    void fail();

    PrintedDocument m_document;
    Purpose m_purpose;
    QWidget *m_cardWindow;
};

// The eight windows, one print and one preview window per document.
#define VACANZIO_DOCUMENT_WINDOW(ClassName, Document, Use, ObjectName, Caption)                              \
    class ClassName : public DocumentWindow                                                                        \
    {                                                                                                              \
    public:                                                                                                        \
        explicit ClassName(QWidget *cardWindow)                                                                    \
            : DocumentWindow(PrintedDocument::Document, DocumentWindow::Purpose::Use, ObjectName,                  \
                             QStringLiteral(Caption), cardWindow)                                                  \
        {                                                                                                          \
        }                                                                                                          \
    };

VACANZIO_DOCUMENT_WINDOW(TfrmStampa_Locatore, LandlordCard, Print, "frmStampa_Locatore", " Stampa scheda")
VACANZIO_DOCUMENT_WINDOW(TfrmAnteprima_Locatore, LandlordCard, Preview, "frmAnteprima_Locatore", " Anteprima di stampa")
VACANZIO_DOCUMENT_WINDOW(TfrmStampa_Conduttore, TenantCard, Print, "frmStampa_Conduttore", " Stampa scheda")
VACANZIO_DOCUMENT_WINDOW(TfrmAnteprima_Conduttore, TenantCard, Preview, "frmAnteprima_Conduttore",
                         " Anteprima di stampa")
VACANZIO_DOCUMENT_WINDOW(TfrmStampaContratto, Contract, Print, "frmStampaContratto", " Stampa contratto")
VACANZIO_DOCUMENT_WINDOW(TfrmAnteprimaContratto, Contract, Preview, "frmAnteprimaContratto", " Anteprima di stampa")
VACANZIO_DOCUMENT_WINDOW(TfrmStampaRic, Receipt, Print, "frmStampaRic", " Stampa ricevuta")
VACANZIO_DOCUMENT_WINDOW(TfrmAnteprimaRic, Receipt, Preview, "frmAnteprimaRic", " Anteprima di stampa")

#undef VACANZIO_DOCUMENT_WINDOW

namespace DocumentWindows {

// What a card window's Print (or Preview) button does: the document's
// window, modal over the card window, for one use.
void open(QWidget *cardWindow, PrintedDocument document, DocumentWindow::Purpose purpose);

} // namespace DocumentWindows

class CardWindow;

namespace DocumentWindows {

// Gives the card window's Anteprima and Stampa buttons their document.
void provideButtons(CardWindow &cardWindow, PrintedDocument document);

} // namespace DocumentWindows
