#include "widgets/print/DocumentWindow.h"

#include "engine/platform/Platform.h"
#include "engine/print/ReceiptLogo.h"
#include "engine/receipts/DefaultLogo.h"
#include "engine/report/ReportRenderer.h"
#include "widgets/platform/Pictures.h"
#include "widgets/platform/PrintDialog.h"
#include "widgets/card/CardWindow.h"
#include "widgets/print/TfrmAnteprimaStampa.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>

#include <memory>

namespace {

constexpr int kWidth = 363;
constexpr int kHeight = 287;

QLabel *addText(QWidget *parent, const QString &text, const QRect &where, int points, bool bold,
                const char *colour = "#14326e")
{
    auto *label = new QLabel(text, parent);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
    label->setGeometry(where);
    return label;
}

} // namespace

DocumentWindow::DocumentWindow(PrintedDocument document, Purpose purpose, const char *objectName,
                               const QString &caption, QWidget *cardWindow)
    : QDialog(cardWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_document(document)
    , m_purpose(purpose)
    , m_cardWindow(cardWindow)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setFixedSize(kWidth, kHeight);
    setModal(true);

    const bool preview = purpose == Purpose::Preview;
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcona"));
    icon->setPixmap(Pictures::pixmap(preview ? Picture::Preview : Picture::Print, 56));
    icon->setGeometry(16, 18, 60, 60);
    auto *heading = addText(this, preview ? QStringLiteral("Anteprima di stampa") : QStringLiteral("Stampa scheda"),
                            QRect(88, 18, kWidth - 104, 26), 13, true);
    heading->setObjectName(QStringLiteral("lblTitolo"));
    auto *first = addText(this,
                          preview ? QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati che "
                                                   "appariranno in stampa.")
                                  : QStringLiteral("Questa operazione provvederà a stampare la scheda corrente su carta "
                                                   "con i dati immessi dall'utente."),
                          QRect(88, 50, kWidth - 104, 70), 9, false, "#000000");
    first->setObjectName(QStringLiteral("lblTesto1"));
    auto *second = addText(this,
                           preview ? QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo "
                                                    "schermo prima di eseguire la stampa su carta.")
                                   : QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa oppure "
                                                    "premere Annulla per annullare l'operazione."),
                           QRect(88, 126, kWidth - 104, 80), 9, false, "#000000");
    second->setObjectName(QStringLiteral("lblTesto2"));

    if (document == PrintedDocument::Receipt) {
        // The receipt's logo as it will print, and the one it falls back on.
        auto *logo = new QLabel(this);
        logo->setObjectName(QStringLiteral("imgLogo"));
        logo->setPixmap(QPixmap::fromImage(
            ReceiptLogo::load(platform().programFolder() + QStringLiteral("Logo.bmp"))));
        logo->hide();
        auto *fallback = new QLabel(this);
        fallback->setObjectName(QStringLiteral("imgTemp"));
        fallback->setPixmap(QPixmap::fromImage(defaultLogoImage()));
        fallback->hide();
    }

    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setGeometry(kWidth - 16 - 2 * 130 - 10, kHeight - 52, 130, 34);
    auto *action = new QPushButton(preview ? QStringLiteral("Mostra anteprima") : QStringLiteral("Stampa"), this);
    action->setObjectName(QStringLiteral("btnStampa"));
    action->setGeometry(kWidth - 16 - 130, kHeight - 52, 130, 34);
    action->setDefault(true);
    for (QPushButton *button : {cancel, action})
        button->setCursor(Qt::PointingHandCursor);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(action, &QPushButton::clicked, this, &DocumentWindow::run);
}

void DocumentWindow::fail()
{
    const PrintedDocumentTexts texts = PrintedDocuments::texts(m_document);
    platform().showMessage(MessageKind::Warning,
                           m_purpose == Purpose::Print ? texts.printFailure : texts.previewFailure);
    reject();
}

void DocumentWindow::run()
{
    const std::optional<Report::PreparedReport> report = PrintedDocuments::prepare(m_document, m_cardWindow);
    if (!report) {
        fail();
        return;
    }
    if (m_purpose == Purpose::Print) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(report->pageLayout());
        // A cancelled dialog prints nothing and says nothing.
        if (!printDialog().run(&printer)) {
            reject();
            return;
        }
        if (!Report::render(*report, printer)) {
            fail();
            return;
        }
        accept();
        return;
    }
    const PrintedDocumentTexts texts = PrintedDocuments::texts(m_document);
    TfrmAnteprimaStampa preview(*report, {texts.printFailure, PrintedDocuments::pdfName(m_document, m_cardWindow)},
                                this);
    preview.exec();
    accept();
}

namespace DocumentWindows {

void open(QWidget *cardWindow, PrintedDocument document, DocumentWindow::Purpose purpose)
{
    const bool print = purpose == DocumentWindow::Purpose::Print;
    std::unique_ptr<DocumentWindow> window;
    switch (document) {
    case PrintedDocument::LandlordCard:
        window = print ? std::unique_ptr<DocumentWindow>(new TfrmStampa_Locatore(cardWindow))
                       : std::unique_ptr<DocumentWindow>(new TfrmAnteprima_Locatore(cardWindow));
        break;
    case PrintedDocument::TenantCard:
        window = print ? std::unique_ptr<DocumentWindow>(new TfrmStampa_Conduttore(cardWindow))
                       : std::unique_ptr<DocumentWindow>(new TfrmAnteprima_Conduttore(cardWindow));
        break;
    case PrintedDocument::Contract:
        window = print ? std::unique_ptr<DocumentWindow>(new TfrmStampaContratto(cardWindow))
                       : std::unique_ptr<DocumentWindow>(new TfrmAnteprimaContratto(cardWindow));
        break;
    case PrintedDocument::Receipt:
        window = print ? std::unique_ptr<DocumentWindow>(new TfrmStampaRic(cardWindow))
                       : std::unique_ptr<DocumentWindow>(new TfrmAnteprimaRic(cardWindow));
        break;
    }
    window->exec();
}

} // namespace DocumentWindows

namespace DocumentWindows {

void provideButtons(CardWindow &cardWindow, PrintedDocument document)
{
    CardWindow *window = &cardWindow;
    window->provideAction(QStringLiteral("cmdAnteprima"), [window, document] {
        open(window, document, DocumentWindow::Purpose::Preview);
    });
    window->provideAction(QStringLiteral("cmdStampa"), [window, document] {
        open(window, document, DocumentWindow::Purpose::Print);
    });
}

} // namespace DocumentWindows
