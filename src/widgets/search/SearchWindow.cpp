#include "widgets/search/SearchWindow.h"

#include "engine/archive/CardOperations.h"
#include "engine/archive/RecordLayout.h"
#include "engine/lists/SearchCriteria.h"
#include "engine/lists/SummaryLineModel.h"
#include "engine/platform/Platform.h"
#include "engine/text/TextRules.h"
#include "widgets/card/CardWindow.h"
#include "widgets/card/HighlightFrame.h"
#include "widgets/checks/EnterKeyFilter.h"
#include "widgets/platform/Pictures.h"
#include "widgets/search/ListPictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kWidth = 862;
constexpr int kHeight = 560;
constexpr int kRowHeight = 70;
constexpr int kCaptionHeight = 18;
constexpr int kFieldHeight = 28;

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

const QStringList &searchInstructions()
{
    static const QStringList lines = {
        QStringLiteral("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
                       "trovare e premere il pulsante Cerca."),
        QStringLiteral("Lasciare in bianco tutti gli altri campi."),
        QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."),
    };
    return lines;
}

// A strip of receipt forms above the receipt criteria.
QPixmap receiptStrip(QSize size)
{
    QPixmap strip(size);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    const QPixmap form = Pictures::pixmap(Picture::Receipt, size.height() - 8);
    for (int x = 4; x + form.width() <= size.width(); x += form.width() + 18)
        painter.drawPixmap(x, 4, form);
    return strip;
}

SummaryListSetup listSetup(const SearchArchiveDef &definition)
{
    SummaryListSetup setup;
    setup.objectName = utf8(definition.objectName);
    setup.caption = utf8(definition.caption);
    setup.banner = TextRules::upperAscii(utf8(definition.printTitle));
    setup.chooseHint = utf8(definition.chooseHint);
    setup.printTitle = utf8(definition.printTitle);
    setup.record = &definition.layout();
    setup.line = &definition.line();
    setup.sorted = definition.sorted;
    setup.instructionLabels = definition.instructionLabels;
    return setup;
}

} // namespace

SearchWindow::SearchWindow(SearchArchive archive, QWidget *cardWindow)
    : SummaryListWindow(cardWindow, listSetup(SearchArchives::definition(archive)))
    , m_definition(SearchArchives::definition(archive))
{
    buildCountLabel();
    buildCriteriaPanel();
    listPanel()->hide();
}

void SearchWindow::buildCountLabel()
{
    m_count = new QLabel(QStringLiteral("Il presente riepilogo contiene 0 schede"), listPanel());
    m_count->setObjectName(QStringLiteral("lblTrovate"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(10);
    font.setBold(true);
    m_count->setFont(font);
    m_count->setStyleSheet(QStringLiteral("color: #008b8b;"));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setGeometry(150, 516, kWidth - 440, 34);
}

void SearchWindow::buildCriteriaPanel()
{
    const bool receipts = m_definition.instructionLabels;
    m_criteriaPanel = new QWidget(this);
    m_criteriaPanel->setObjectName(QStringLiteral("panAvvio"));
    m_criteriaPanel->setGeometry(0, 0, kWidth, kHeight);

    int firstRow = 0;
    int columnLeft[2] = {0, 0};
    int fieldWidth = 0;
    if (receipts) {
        auto *picture = new QLabel(m_criteriaPanel);
        picture->setObjectName(QStringLiteral("icoRighe"));
        picture->setGeometry(10, 10, 52, 52);
        picture->setPixmap(Pictures::pixmap(Picture::Find, 44));
        const char *names[] = {"lblRigo04", "lblRigo05", "lblRigo06"};
        for (int i = 0; i < 3; ++i) {
            auto *line = new QLabel(searchInstructions().at(i), m_criteriaPanel);
            line->setObjectName(QString::fromLatin1(names[i]));
            QFont font(QStringLiteral("Tahoma"));
            font.setPointSize(9);
            font.setBold(true);
            line->setFont(font);
            line->setStyleSheet(QStringLiteral("color: #000080;"));
            line->setGeometry(70, 8 + i * 20, kWidth - 80, 20);
        }
        auto *strip = new QLabel(m_criteriaPanel);
        strip->setObjectName(QStringLiteral("icoTrova02"));
        strip->setGeometry(10, 76, kWidth - 20, 60);
        strip->setPixmap(receiptStrip(strip->size()));
        firstRow = 150;
        columnLeft[0] = 30;
        columnLeft[1] = 446;
        fieldWidth = 386;
    } else {
        auto *spiega = new QLabel(m_criteriaPanel);
        spiega->setObjectName(QStringLiteral("imgSpiega"));
        spiega->setGeometry(10, 8, kWidth - 20, 66);
        spiega->setPixmap(ListPictures::instructions(searchInstructions(), spiega->size()));
        spiega->setAccessibleDescription(searchInstructions().join(QLatin1Char('\n')));
        auto *decoration = new QLabel(m_criteriaPanel);
        decoration->setObjectName(QStringLiteral("icoTrova01"));
        decoration->setGeometry(10, 90, 176, 330);
        decoration->setAlignment(Qt::AlignCenter);
        decoration->setPixmap(Pictures::pixmap(Picture::Find, 150));
        firstRow = 86;
        columnLeft[0] = 200;
        columnLeft[1] = 530;
        fieldWidth = 312;
    }

    QFont captionFont(QStringLiteral("Tahoma"));
    captionFont.setPointSize(9);
    QFont fieldFont(QStringLiteral("Verdana"));
    fieldFont.setPointSize(11);
    fieldFont.setBold(true);
    for (std::size_t i = 0; i < m_definition.criteria.size(); ++i) {
        const SearchCriterionDef &criterion = m_definition.criteria[i];
        const QString name = QString::fromLatin1(criterion.control);
        const int x = columnLeft[i % 2];
        const int y = firstRow + static_cast<int>(i / 2) * kRowHeight;
        auto *caption = new QLabel(utf8(criterion.label), m_criteriaPanel);
        caption->setObjectName(QStringLiteral("lblTesto") + name.mid(3));
        caption->setFont(captionFont);
        caption->setGeometry(x, y, fieldWidth, kCaptionHeight);
        auto *field = new QLineEdit(m_criteriaPanel);
        field->setObjectName(name);
        field->setFont(fieldFont);
        field->setGeometry(x, y + kCaptionHeight + 2, fieldWidth, kFieldHeight);
        new HighlightFrame(field, QStringLiteral("eff") + name.mid(3));
        m_criteria.push_back(field);
    }
    // Enter moves on in the criteria order, from the last back to the first;
    // Tab follows the same order.
    for (std::size_t i = 0; i < m_criteria.size(); ++i) {
        QLineEdit *next = m_criteria[(i + 1) % m_criteria.size()];
        new EnterKeyFilter(m_criteria[i], [next] { next->setFocus(Qt::TabFocusReason); });
        if (i + 1 < m_criteria.size())
            QWidget::setTabOrder(m_criteria[i], m_criteria[i + 1]);
    }

    m_given = new QLabel(QStringLiteral("0"), m_criteriaPanel);
    m_given->setObjectName(QStringLiteral("lblConta"));
    m_given->hide();

    m_wait = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), m_criteriaPanel);
    m_wait->setObjectName(QStringLiteral("lblAttendere"));
    QFont waitFont(QStringLiteral("Verdana"));
    waitFont.setPointSize(10);
    waitFont.setBold(true);
    m_wait->setFont(waitFont);
    m_wait->setStyleSheet(QStringLiteral("color: #000080;"));
    m_wait->setAlignment(Qt::AlignCenter);
    m_wait->setGeometry(150, 460, kWidth - 300, 24);
    m_wait->hide();
    m_searchProgress = makeProgressBar(QStringLiteral("prgRicerca"), m_criteriaPanel, QRect(150, 490, kWidth - 300, 12));

    auto *cancel = new QPushButton(QStringLiteral("Chiudi"), m_criteriaPanel);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    m_searchButton = new QPushButton(QStringLiteral("Cerca"), m_criteriaPanel);
    m_searchButton->setObjectName(QStringLiteral("btnCerca"));
    for (QPushButton *button : {cancel, m_searchButton}) {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(10);
        font.setBold(true);
        button->setFont(font);
        button->setCursor(Qt::PointingHandCursor);
    }
    cancel->setGeometry(10, 516, 130, 34);
    m_searchButton->setGeometry(kWidth - 140, 516, 130, 34);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // The wait line comes up as soon as the button is pressed.
    connect(m_searchButton, &QPushButton::pressed, m_wait, &QWidget::show);
    connect(m_searchButton, &QPushButton::clicked, this, &SearchWindow::search);
}

QString SearchWindow::archivePath() const
{
    // The receipts are read from the year's archive the receipt window
    // shows.
    if (m_definition.layout().archiveName().isEmpty()) {
        const QLabel *file = parentWidget() ? parentWidget()->findChild<QLabel *>(QStringLiteral("lblFile")) : nullptr;
        return file ? TextRules::trimmed(file->text()) : QString();
    }
    return SummaryListWindow::archivePath();
}

void SearchWindow::prepareOnShow()
{
    if (!m_criteria.empty())
        m_criteria.front()->setFocus(Qt::OtherFocusReason);
}

void SearchWindow::beforeClose()
{
    m_wait->hide();
}

void SearchWindow::search()
{
    if (isBusy())
        return;
    std::vector<std::pair<QString, QString>> typed;
    for (std::size_t i = 0; i < m_criteria.size(); ++i)
        typed.emplace_back(QString::fromLatin1(m_definition.criteria[i].field), m_criteria[i]->text());
    const SearchCriteria rule(m_definition.layout(), typed);
    m_given->setText(QString::number(rule.givenCount()));

    m_wait->show();
    m_wait->repaint();
    m_searchButton->setEnabled(false);
    // With no criteria given every record is listed: no need to look.
    SummaryListing::RecordFilter filter;
    if (rule.givenCount() > 0) {
        filter = [&rule](const char *record) {
            return rule.matches(record) ? SummaryListing::Verdict::List : SummaryListing::Verdict::Skip;
        };
    }
    const ArchiveScanner::Outcome outcome = fillList(m_searchProgress, filter);
    if (outcome == ArchiveScanner::Outcome::Cancelled)
        return;
    m_searchButton->setEnabled(true);
    if (outcome == ArchiveScanner::Outcome::Failed) {
        m_wait->hide();
        CardOperations::showAccessDenied(MessageKind::Plain);
        return;
    }
    m_count->setText(QStringLiteral("Il presente riepilogo contiene ") + QString::number(model().lines().size())
                     + utf8(m_definition.countSuffix));
    listPanel()->show();
    m_criteriaPanel->hide();
    findField()->clear();
    findField()->setFocus(Qt::OtherFocusReason);
}

void SearchWindow::handleChosen(const std::vector<SummaryListing::TracedRecord> &records)
{
    if (TextRules::trimmed(callerTag()) != QLatin1String(m_definition.callerTag))
        return;
    auto *card = qobject_cast<CardWindow *>(parentWidget());
    if (!card)
        return;
    for (const SummaryListing::TracedRecord &record : records)
        card->showRecord(record.number, record.bytes);
}
