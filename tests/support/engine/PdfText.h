#pragma once

#include "engine/report/ReportLayout.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a PDF back with an independent reader, poppler's pdftotext, so that
// tests check what a PDF viewer shows rather than what the engine believes
// it drew. Positions are in millimetres from the sheet's top-left corner.
struct PdfWord
{
    QString text;
    QRectF box;  // mm
};

struct PdfPage
{
    QSizeF sizeMm;
    QList<PdfWord> words;  // line by line from the top, each line left to right
};

// A run of consecutive words that spells a phrase, with the box around it.
struct PdfPhrase
{
    int page = 0;  // 0-based
    QRectF box;    // mm
};

class PdfText
{
public:
    // True when pdftotext can be run.
    static bool readerAvailable();

    // Reads every page of the file; nothing when the reader fails.
    static std::optional<PdfText> read(const QString &pdfFile);

    // Writes the report into `folder` as `name`.pdf and reads it back.
    static std::optional<PdfText> renderAndRead(const Report::PreparedReport &report,
                                                const QString &folder,
                                                const QString &name = QStringLiteral("report"));

    const QList<PdfPage> &pages() const { return m_pages; }

    // Every place where the words of `phrase` (split at blanks) follow each
    // other on one line, in reading order.
    QList<PdfPhrase> find(const QString &phrase) const;
    // The words of a page joined by single blanks.
    QString pageText(int page) const;
    // Every word of every page joined by single blanks.
    QString allText() const;
    // The words of a page whose middle lies inside the area, in reading
    // order (what a box of the template shows).
    QList<PdfWord> wordsInside(int page, const QRectF &areaMm) const;

private:
    QList<PdfPage> m_pages;
};

// Lists the pictures painted on the pages with the size they were drawn at.
struct PdfImage
{
    int page = 0;  // 0-based
    int widthPixels = 0;
    int heightPixels = 0;
    double xPpi = 0.0;  // pixels per inch across and down, as drawn
    double yPpi = 0.0;
};
std::optional<QList<PdfImage>> listPdfImages(const QString &pdfFile);

// The fonts embedded in a PDF, by their PostScript names.
std::optional<QStringList> listPdfFonts(const QString &pdfFile);

// Skips the running test when the reader is missing, saying what to install.
#define SKIP_WITHOUT_PDF_READER()                                                             \
    do {                                                                                      \
        if (!PdfText::readerAvailable())                                                      \
            QSKIP("pdftotext is not installed (Debian package poppler-utils): the printed "   \
                  "pages cannot be read back");                                               \
    } while (false)

// Positions on paper agree when they are within half a millimetre.
#define COMPARE_MM(actual, expected)                                                          \
    do {                                                                                      \
        const double actualMm_ = (actual);                                                    \
        const double expectedMm_ = (expected);                                                \
        QVERIFY2(qAbs(actualMm_ - expectedMm_) <= 0.5,                                        \
                 qPrintable(QStringLiteral("%1 is %2 mm, expected %3 mm (within 0.5 mm)")     \
                                .arg(QStringLiteral(#actual))                                 \
                                .arg(actualMm_, 0, 'f', 2)                                    \
                                .arg(expectedMm_, 0, 'f', 2)));                               \
    } while (false)
