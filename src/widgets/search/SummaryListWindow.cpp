#include "widgets/search/SummaryListWindow.h"

#include "engine/archive/RecordLayout.h"
#include "engine/lists/FindWalk.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryLineModel.h"
#include "engine/lists/SummaryLines.h"
#include "engine/platform/Platform.h"
#include "widgets/checks/EnterKeyFilter.h"
#include "widgets/platform/Pictures.h"
#include "widgets/search/ListPictures.h"
#include "widgets/search/SummaryLineDelegate.h"
#include "widgets/search/SummaryPrinting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <utility>

namespace {

constexpr int kWidth = 862;
constexpr int kHeight = 560;

struct ReadingPace
{
    qint64 blockBytes = ArchiveScanner::kDefaultBlockBytes;
    // Short enough that typing and painting never wait noticeably, long
    // enough that answering costs nothing next to the reading.
    int eventIntervalMs = 40;
};

ReadingPace &pace()
{
    static ReadingPace current;
    return current;
}

QFont buttonFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(buttonFont());
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(geometry);
    return button;
}

QLabel *makeTextLine(const QString &name, const QString &text, QWidget *parent, const QRect &geometry,
                     const QString &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(9);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    label->setGeometry(geometry);
    return label;
}

} // namespace

SummaryListWindow::SummaryListWindow(QWidget *owner, SummaryListSetup setup)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_setup(std::move(setup))
    , m_model(new SummaryLineModel(this))
{
    setObjectName(m_setup.objectName);
    setWindowTitle(m_setup.caption);
    setFixedSize(kWidth, kHeight);
    buildListPanel();
    if (m_setup.callerTag) {
        m_callerTag = new QLabel(this);
        m_callerTag->setObjectName(QStringLiteral("lblMemory"));
        m_callerTag->hide();
    }
}

SummaryListWindow::~SummaryListWindow() = default;

void SummaryListWindow::setReadingPace(qint64 blockBytes, int eventIntervalMs)
{
    pace() = {blockBytes, eventIntervalMs};
}

void SummaryListWindow::buildListPanel()
{
    m_listPanel = new QWidget(this);
    m_listPanel->setObjectName(QStringLiteral("panContainer"));
    m_listPanel->setGeometry(0, 0, kWidth, kHeight);

    auto *banner = new QLabel(m_listPanel);
    banner->setObjectName(QStringLiteral("imgLogo"));
    banner->setGeometry(10, 8, kWidth - 20, 56);
    banner->setPixmap(ListPictures::banner(m_setup.banner, banner->size()));
    banner->setAccessibleName(m_setup.banner);

    const QStringList instructions = {
        QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                       "premere il pulsante Trova."),
        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
                       "nuovo clic su Trova."),
    };
    if (m_setup.instructionLabels) {
        makeTextLine(QStringLiteral("lblRigo01"), instructions.at(0), m_listPanel, QRect(10, 70, kWidth - 20, 20),
                     QStringLiteral("#000080"));
        makeTextLine(QStringLiteral("lblRigo02"), instructions.at(1), m_listPanel, QRect(10, 92, kWidth - 20, 20),
                     QStringLiteral("#000080"));
    } else {
        auto *picture = new QLabel(m_listPanel);
        picture->setObjectName(QStringLiteral("icoIstruzioni"));
        picture->setGeometry(10, 70, kWidth - 20, 44);
        picture->setPixmap(ListPictures::instructions(instructions, picture->size()));
        picture->setAccessibleDescription(instructions.join(QLatin1Char('\n')));
    }

    auto *magnifier = new QLabel(m_listPanel);
    magnifier->setObjectName(QStringLiteral("icoLente"));
    magnifier->setGeometry(10, 122, 32, 32);
    magnifier->setPixmap(Pictures::pixmap(Picture::Find, 28));

    m_find = new QLineEdit(m_listPanel);
    m_find->setObjectName(QStringLiteral("txtTrova"));
    QFont findFont(QStringLiteral("Verdana"));
    findFont.setPointSize(11);
    m_find->setFont(findFont);
    m_find->setGeometry(48, 124, 620, 28);

    auto *findButton = makeButton(QStringLiteral("btnTrova"), QStringLiteral("Trova"), m_listPanel,
                                  QRect(680, 122, 172, 32));
    // Enter in the find field only reaches the button: the next Enter finds.
    new EnterKeyFilter(m_find, [findButton] { findButton->setFocus(Qt::TabFocusReason); });
    connect(findButton, &QPushButton::clicked, this, &SummaryListWindow::find);

    m_list = new QListView(m_listPanel);
    m_list->setObjectName(QStringLiteral("lstRecords"));
    m_list->setGeometry(10, 162, kWidth - 20, 300);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new SummaryLineDelegate(m_list));
    m_list->setFont(SummaryLineDelegate::listFont());
    // Every line has the same size: the view never measures them one by one.
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setStyleSheet(QStringLiteral("QListView { background: white; }"));
    m_list->viewport()->installEventFilter(this);

    m_listProgress = makeProgressBar(QStringLiteral("prgLettura"), m_listPanel, QRect(10, 468, kWidth - 20, 12));

    makeTextLine(QStringLiteral("lblRigo03"), m_setup.chooseHint, m_listPanel, QRect(10, 484, kWidth - 20, 22),
                 QStringLiteral("#dc143c"));

    m_close = makeButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), m_listPanel,
                         QRect(10, 516, 130, 34));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto *preview = makeButton(QStringLiteral("btnAnteprima"), QStringLiteral("Anteprima"), m_listPanel,
                               QRect(kWidth - 280, 516, 130, 34));
    auto *print = makeButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), m_listPanel,
                             QRect(kWidth - 140, 516, 130, 34));
    preview->setEnabled(SummaryPrinting::isInstalled());
    print->setEnabled(SummaryPrinting::isInstalled());
    connect(preview, &QPushButton::clicked, this, [this] { printSummary(int(SummaryPrinting::Output::Preview)); });
    connect(print, &QPushButton::clicked, this, [this] { printSummary(int(SummaryPrinting::Output::Printer)); });
}

QProgressBar *SummaryListWindow::makeProgressBar(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setGeometry(geometry);
    bar->setRange(0, 1000);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

void SummaryListWindow::setCallerTag(const QString &tag)
{
    if (m_callerTag)
        m_callerTag->setText(tag);
}

QString SummaryListWindow::callerTag() const
{
    return m_callerTag ? m_callerTag->text() : QString();
}

QString SummaryListWindow::archivePath() const
{
    return platform().programFolder() + m_setup.record->archiveName();
}

QString &SummaryListWindow::rememberedFindText() const
{
    return FindWalk::rememberedText(metaObject()->className());
}

void SummaryListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    rememberedFindText().clear();
    m_find->clear();
    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    prepareOnShow();
}

void SummaryListWindow::keyPressEvent(QKeyEvent *event)
{
    // The window closes by its Chiudi buttons only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool SummaryListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        chooseSelectedLine();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SummaryListWindow::done(int result)
{
    // A close during a reading waits for the reading to stop at its next
    // block.
    if (m_busy) {
        m_closeWhenIdle = result;
        return;
    }
    beforeClose();
    m_model->clear();
    QDialog::done(result);
}

ArchiveScanner::Outcome SummaryListWindow::readArchive(
    QProgressBar *progress,
    const std::function<ArchiveScanner::Outcome(const ArchiveScanner &, const ArchiveScanner::Progress &)> &read)
{
    ArchiveScanner scanner(archivePath(), m_setup.record->recordSize());
    scanner.setBlockBytes(pace().blockBytes);
    QElapsedTimer sinceAnswer;
    sinceAnswer.start();
    const auto step = [&](qint64 done, qint64 total) {
        if (sinceAnswer.elapsed() >= pace().eventIntervalMs) {
            if (progress) {
                progress->setValue(static_cast<int>(done * 1000 / total));
                progress->show();
            }
            QCoreApplication::processEvents();
            sinceAnswer.restart();
        }
        return !m_closeWhenIdle.has_value();
    };
    m_busy = true;
    const ArchiveScanner::Outcome outcome = read(scanner, step);
    m_busy = false;
    if (progress)
        progress->hide();
    if (m_closeWhenIdle) {
        const int result = *m_closeWhenIdle;
        m_closeWhenIdle.reset();
        done(result);
        return ArchiveScanner::Outcome::Cancelled;
    }
    return outcome;
}

ArchiveScanner::Outcome SummaryListWindow::fillList(QProgressBar *progress, const SummaryListing::RecordFilter &filter)
{
    m_model->clear();
    const SummaryLineBuilder builder(*m_setup.line, *m_setup.record);
    SummaryLines lines;
    const ArchiveScanner::Outcome outcome =
        readArchive(progress, [&](const ArchiveScanner &archive, const ArchiveScanner::Progress &step) {
            return SummaryListing::list(archive, builder, filter, lines, step);
        });
    if (outcome == ArchiveScanner::Outcome::Cancelled)
        return outcome;
    if (m_setup.sorted)
        lines.sort();
    m_model->setLines(std::move(lines));
    m_filled = true;
    emit listFilled();
    return outcome;
}

void SummaryListWindow::fillListWhenShown(const SummaryListing::RecordFilter &filter)
{
    // Queued, so that the window is on screen (and its progress visible)
    // while the archive is read.
    QMetaObject::invokeMethod(
        this,
        [this, filter] {
            if (!isVisible() || m_busy)
                return;
            if (fillList(m_listProgress, filter) != ArchiveScanner::Outcome::Cancelled)
                m_find->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

int SummaryListWindow::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SummaryListWindow::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    // Down to the line, keeping the sideways position the user chose.
    const int sideways = m_list->horizontalScrollBar()->value();
    m_list->scrollTo(index);
    m_list->horizontalScrollBar()->setValue(sideways);
}

void SummaryListWindow::find()
{
    if (m_busy)
        return;
    if (m_model->rowCount() == 0) {
        platform().showMessage(MessageKind::Plain,
                               QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    int selected = selectedRow();
    if (selected < 0) {
        selected = 0;
        selectRow(selected);
    }
    const qsizetype found = FindWalk::next(m_model->lines(), selected, m_find->text(), rememberedFindText());
    if (found != selected)
        selectRow(static_cast<int>(found));
}

void SummaryListWindow::chooseSelectedLine()
{
    if (m_busy || !isVisible())
        return;
    const int row = selectedRow();
    if (row < 0) {
        done(QDialog::Rejected);
        return;
    }
    const QString chosen = m_model->line(row);
    const SummaryLineBuilder builder(*m_setup.line, *m_setup.record);
    SummaryListing::TraceResult traced;
    const ArchiveScanner::Outcome outcome =
        readArchive(m_listProgress, [&](const ArchiveScanner &archive, const ArchiveScanner::Progress &step) {
            traced = SummaryListing::traceBack(archive, builder, chosen, step);
            return traced.outcome;
        });
    if (outcome == ArchiveScanner::Outcome::Cancelled)
        return;
    // What was found before a failure is handed on all the same.
    handleChosen(traced.records);
    done(QDialog::Accepted);
}

void SummaryListWindow::printSummary(int output)
{
    if (m_busy)
        return;
    SummaryPrinting::print(this, m_setup.printTitle, m_model->lines().toStringList(),
                           static_cast<SummaryPrinting::Output>(output));
}
