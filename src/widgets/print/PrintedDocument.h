#pragma once

#include "engine/report/ReportLayout.h"

#include <QString>

#include <optional>

class QWidget;

// The documents the card windows print, and how each one is made from its
// card window: the template filled with what the window shows, saved or
// not.
enum class PrintedDocument { LandlordCard, TenantCard, Contract, Receipt };

struct PrintedDocumentTexts
{
    QString printFailure;
    QString previewFailure;
};

namespace PrintedDocuments {

PrintedDocumentTexts texts(PrintedDocument document);
// The document's pages from the card window's controls, laid out for
// today; nothing when the template lacks an object the filling needs.
std::optional<Report::PreparedReport> prepare(PrintedDocument document, const QWidget *cardWindow);
// The file name proposed when the document is saved as PDF.
QString pdfName(PrintedDocument document, const QWidget *cardWindow);

} // namespace PrintedDocuments
