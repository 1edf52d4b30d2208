#include "widgets/print/TfrmAnteprimaStampa.h"

#include "engine/report/ReportRenderer.h"
#include "widgets/platform/Pictures.h"
#include "widgets/print/ReportOutput.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

TfrmAnteprimaStampa::TfrmAnteprimaStampa(Report::PreparedReport report, Texts texts, QWidget *owner)
    : QDialog(owner)
    , m_report(std::move(report))
    , m_texts(std::move(texts))
    , m_printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("frmAnteprimaStampa"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setModal(true);
    m_printer.setPageLayout(m_report.pageLayout());

    m_toolbar = new QWidget(this);
    m_toolbar->setObjectName(QStringLiteral("panComandi"));
    auto *buttons = new QHBoxLayout(m_toolbar);
    buttons->setContentsMargins(8, 6, 8, 6);
    QStyle *style = QApplication::style();
    QToolButton *printButton = addButton("cmdStampa", QStringLiteral("Stampa"), Pictures::icon(Picture::Print));
    QToolButton *zoomIn = addButton("cmdZoomPiu", QStringLiteral("Ingrandisci"), style->standardIcon(QStyle::SP_ArrowUp));
    QToolButton *zoomOut = addButton("cmdZoomMeno", QStringLiteral("Riduci"), style->standardIcon(QStyle::SP_ArrowDown));
    QToolButton *fullScreen = addButton("cmdSchermoIntero", QStringLiteral("Schermo intero"),
                                        style->standardIcon(QStyle::SP_TitleBarMaxButton));
    fullScreen->setCheckable(true);
    QToolButton *savePdf = addButton("cmdSalvaPdf", QStringLiteral("Salva PDF"), Pictures::icon(Picture::Export));
    QToolButton *closeButton = addButton("cmdChiudi", QStringLiteral("Chiudi"), Pictures::icon(Picture::Exit));
    for (QToolButton *button : {printButton, zoomIn, zoomOut, fullScreen, savePdf})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setObjectName(QStringLiteral("prvPagine"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { Report::render(m_report, *printer); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_preview, 1);

    connect(printButton, &QToolButton::clicked, this, &TfrmAnteprimaStampa::print);
    connect(zoomIn, &QToolButton::clicked, m_preview, [this] { m_preview->zoomIn(); });
    connect(zoomOut, &QToolButton::clicked, m_preview, [this] { m_preview->zoomOut(); });
    connect(fullScreen, &QToolButton::toggled, this, &TfrmAnteprimaStampa::toggleFullScreen);
    connect(savePdf, &QToolButton::clicked, this, &TfrmAnteprimaStampa::savePdf);
    connect(closeButton, &QToolButton::clicked, this, &QDialog::accept);

    // Most of the screen, so that a whole A4 page at 100 % is readable.
    if (const QScreen *screen = owner ? owner->screen() : QApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 9 / 10, available.height() * 9 / 10);
    }
}

QToolButton *TfrmAnteprimaStampa::addButton(const char *name, const QString &text, const QIcon &icon)
{
    auto *button = new QToolButton(m_toolbar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    return button;
}

void TfrmAnteprimaStampa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
    m_preview->setZoomFactor(1.0);
}

void TfrmAnteprimaStampa::print()
{
    ReportOutput::print(m_report, m_texts.printFailure);
}

void TfrmAnteprimaStampa::savePdf()
{
    ReportOutput::savePdf(m_report, m_texts.pdfName);
}

void TfrmAnteprimaStampa::toggleFullScreen(bool on)
{
    if (on)
        showFullScreen();
    else
        showNormal();
}
