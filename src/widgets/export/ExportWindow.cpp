#include "widgets/export/ExportWindow.h"

#include "widgets/app/GuideLauncher.h"
#include "engine/export/ExportMessages.h"
#include "engine/export/ExportReader.h"
#include "engine/export/ExportTableModel.h"
#include "engine/export/XlsExport.h"
#include "engine/export/XlsxExport.h"
#include "engine/platform/Platform.h"
#include "widgets/export/ExportLauncher.h"
#include "widgets/export/ExportPictures.h"
#include "widgets/export/ExportProgressIndicator.h"
#include "widgets/platform/Pictures.h"
#include "widgets/platform/StatusHints.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace {

// The client area and its parts, in pixels.
constexpr int Width = 862;
constexpr int Height = 560;
constexpr int HeadingHeight = 64;
constexpr int Margin = 12;
constexpr int GridTop = HeadingHeight + Margin;
constexpr int ButtonSize = 52;
constexpr int StatusHeight = 32;
constexpr int ButtonsTop = Height - StatusHeight - ButtonSize - 10;
constexpr int GridHeight = ButtonsTop - 10 - GridTop;
constexpr int RowHeight = 21;
constexpr int NumberColumnWidth = 60;

const QString ReadyText = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString ExportHint = QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
const QString XlsxHint = QStringLiteral("Esporta l'archivio in una cartella di lavoro .xlsx (Office Open XML), "
                                        "che i fogli di calcolo aprono senza avvisi.");
const QString GuideHint = QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
const QString ExitHint = QStringLiteral("Esci da questo ambiente di lavoro.");
const QString ReadingText = QStringLiteral("Lettura dell'archivio in corso...");
const QString WritingText = QStringLiteral("Esportazione dei dati in corso...");

} // namespace

ExportWindow::ExportWindow(ExportArchive archive, QWidget *owner)
    // No title-bar buttons: the window is left through its exit button.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_definition(ExportTables::definition(archive))
    , m_archive(archive)
    , m_hints(new StatusHints(this))
{
    setObjectName(QString::fromLatin1(m_definition.windowName));
    setWindowTitle(QString::fromUtf8(m_definition.caption));
    setFixedSize(Width, Height);
    setMouseTracking(true);
    m_hints->markBackground(this);

    m_model = new ExportTableModel(m_definition, this);
    buildHeading();
    buildGrid();
    buildButtons();
    buildStatusLine();
}

QString ExportWindow::archivePath() const
{
    if (!m_archivePath.isNull() || !m_definition.archiveFile)
        return m_archivePath;
    return platform().programFolder() + QString::fromLatin1(m_definition.archiveFile);
}

void ExportWindow::buildHeading()
{
    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("imgTitolo"));
    heading->setGeometry(0, 0, Width, HeadingHeight);
    heading->setPixmap(ExportPictures::heading(Width, HeadingHeight, QStringLiteral("ESPORTAZIONE IN EXCEL")));
    m_hints->markBackground(heading);
}

void ExportWindow::buildGrid()
{
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setGeometry(Margin, GridTop, Width - 2 * Margin, GridHeight);
    m_grid->setModel(m_model);
    m_grid->setAlternatingRowColors(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(false);
    // Fixed row heights let the view place any of 100,000 rows without
    // measuring the others.
    QHeaderView *rows = m_grid->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(RowHeight);
    rows->setDefaultSectionSize(RowHeight);
    QHeaderView *columns = m_grid->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    m_grid->setColumnWidth(0, NumberColumnWidth);
    // Three fifths of the width the file gives a column: enough for its
    // texts (a fiscal code just fits) while more columns show at once; never
    // narrower than the header.
    for (int i = 0; i < m_definition.columnCount(); ++i) {
        const int header = columns->fontMetrics().horizontalAdvance(m_definition.columns[i].gridHeaderText()) + 16;
        m_grid->setColumnWidth(i + 1, std::max(header, m_definition.columns[i].width * 3 / 5));
    }
    // The grid, whatever part of it the mouse is over, empties the line.
    m_hints->markBackground(m_grid);
    m_hints->markBackground(m_grid->viewport());
    m_hints->markBackground(columns);
    m_hints->markBackground(columns->viewport());
}

void ExportWindow::buildButtons()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panPulsanti"));
    panel->setGeometry(Margin, ButtonsTop, Width - 2 * Margin, ButtonSize);
    panel->setStyleSheet(QStringLiteral("#panPulsanti { background: white; border-radius: 7px; }"));
    m_hints->markBackground(panel);

    auto *hand = new QLabel(panel);
    hand->setObjectName(QStringLiteral("imgMano"));
    hand->setGeometry(8, 2, 48, ButtonSize - 4);
    hand->setPixmap(ExportPictures::pointingHand(48, ButtonSize - 8));
    m_hints->markBackground(hand);

    QToolButton *exportButton = makePictureButton(panel, QStringLiteral("cmdEsporta"), ExportPictures::spreadsheet(40));
    exportButton->move(60, 0);
    m_hints->setHint(exportButton, ExportHint);
    connect(exportButton, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);

    auto *xlsxButton = new QPushButton(QStringLiteral("Esporta .xlsx"), panel);
    xlsxButton->setObjectName(QStringLiteral("btnEsportaXlsx"));
    xlsxButton->setIcon(QIcon(ExportPictures::spreadsheet(24)));
    xlsxButton->setIconSize(QSize(24, 24));
    xlsxButton->setGeometry(60 + ButtonSize + 12, (ButtonSize - 34) / 2, 150, 34);
    xlsxButton->setCursor(Qt::PointingHandCursor);
    xlsxButton->setAutoDefault(false);
    m_hints->setHint(xlsxButton, XlsxHint);
    connect(xlsxButton, &QPushButton::clicked, this, &ExportWindow::btnEsportaXlsxClick);

    QToolButton *guide = makePictureButton(panel, QStringLiteral("cmdGuida"), Pictures::pixmap(Picture::Guide, 36));
    guide->move(panel->width() - 2 * ButtonSize - 12, 0);
    m_hints->setHint(guide, GuideHint);
    connect(guide, &QToolButton::clicked, this, [this] {
        switch (m_archive) {
        case ExportArchive::Locatori: showGuide(this, GuideTopic::LandlordsExport); break;
        case ExportArchive::Conduttori: showGuide(this, GuideTopic::TenantsExport); break;
        case ExportArchive::Contratti: showGuide(this, GuideTopic::ContractsExport); break;
        case ExportArchive::Ricevute: showGuide(this, GuideTopic::ReceiptsExport); break;
        }
    });

    QToolButton *exit = makePictureButton(panel, QStringLiteral("cmdEsci"), Pictures::pixmap(Picture::Exit, 36));
    exit->move(panel->width() - ButtonSize - 8, 0);
    m_hints->setHint(exit, ExitHint);
    connect(exit, &QToolButton::clicked, this, &QDialog::accept);
}

QToolButton *ExportWindow::makePictureButton(QWidget *parent, const QString &name, const QPixmap &picture)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->resize(ButtonSize, ButtonSize);
    return button;
}

void ExportWindow::buildStatusLine()
{
    auto *strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("shpInfo"));
    strip->setGeometry(0, Height - StatusHeight, Width, StatusHeight);
    strip->setStyleSheet(QStringLiteral("#shpInfo { background: rgb(106, 90, 205); }"));
    m_hints->markBackground(strip);

    auto *status = new QLabel(ReadyText, strip);
    status->setObjectName(QStringLiteral("panInfo"));
    status->setGeometry(Margin, 0, Width - 2 * Margin, StatusHeight);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(11);
    status->setFont(font);
    status->setStyleSheet(QStringLiteral("color: white;"));
    m_hints->setStatusLine(status);
}

void ExportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && !m_loaded) {
        m_loaded = true;
        centreOnScreen();
        formShow();
    }
}

void ExportWindow::centreOnScreen()
{
    if (const QScreen *display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
}

void ExportWindow::formShow()
{
    ExportRows rows(m_definition.columnCount());
    {
        ExportProgressIndicator progress(this, ReadingText);
        // A failure is not reported: the grid shows what was read before it.
        ExportReader::read(archivePath(), m_definition, rows, progress.callback());
    }
    m_model->setRows(std::move(rows));
}

void ExportWindow::cmdEsportaClick()
{
    exportTo(QString::fromLatin1(m_definition.xlsFile), &XlsExport::write);
}

void ExportWindow::btnEsportaXlsxClick()
{
    exportTo(QString::fromLatin1(m_definition.xlsxFile), &XlsxExport::write);
}

void ExportWindow::exportTo(const QString &fileName, const Writer &writer)
{
    if (!platform().askYesNo(ExportMessages::confirmExport()))
        return;
    const QString path = platform().programFolder() + fileName;
    bool written = false;
    {
        ExportProgressIndicator progress(this, WritingText);
        // The rows written are those in the grid, not the archive read again.
        written = writer(path, m_definition, m_model->rows(), progress.callback());
    }
    offerWrittenFile(path, written);
}
