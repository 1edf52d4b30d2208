#include "widgets/receipts/TfrmMenuRicevute.h"
#include "widgets/app/GuideLauncher.h"

#include "engine/platform/Platform.h"
#include "engine/text/TextRules.h"
#include "widgets/card/FieldInput.h"
#include "widgets/platform/ClickableLabel.h"
#include "widgets/platform/Pictures.h"
#include "widgets/receipts/TfrmRicevuta.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int kContentWidth = 640;
constexpr int kContentHeight = 420;

const QString kWaiting = QStringLiteral("avvio");
const QString kChosen = QStringLiteral("ricevute");

QFont makeFont(const QString &family, int points, bool bold = false)
{
    QFont result(family);
    result.setPointSize(points);
    result.setBold(bold);
    return result;
}

} // namespace

TfrmMenuRicevute::TfrmMenuRicevute(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmMenuRicevute"));
    setWindowTitle(QStringLiteral(" Vacanzio - Emissione Ricevute"));

    m_content = new QFrame(this);
    m_content->setObjectName(QStringLiteral("panMenuRicevute"));
    m_content->setFixedSize(kContentWidth, kContentHeight);
    m_content->setStyleSheet(QStringLiteral("#panMenuRicevute { background: rgba(255, 255, 255, 225); "
                                            "border: 1px solid rgb(120, 150, 200); border-radius: 14px; }"));

    auto *picture = new QLabel(m_content);
    picture->setObjectName(QStringLiteral("icoRicevute"));
    picture->setPixmap(Pictures::pixmap(Picture::Receipt, 72));
    picture->setGeometry(28, 24, 80, 80);

    auto *info = new QLabel(QStringLiteral("In questo ambiente è possibile archiviare e stampare ricevute di "
                                           "pagamento generiche."),
                            m_content);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setWordWrap(true);
    info->setFont(makeFont(QStringLiteral("Verdana"), 13, true));
    info->setStyleSheet(QStringLiteral("color: #14326e;"));
    info->setGeometry(124, 24, kContentWidth - 152, 80);

    auto *heading = new QLabel(QStringLiteral("Archivio ricevute di pagamento:"), m_content);
    heading->setObjectName(QStringLiteral("intAnnoPreventivi"));
    heading->setFont(makeFont(QStringLiteral("Tahoma"), 12, true));
    heading->setStyleSheet(QStringLiteral("color: #8b4513;"));
    heading->setGeometry(124, 136, 400, 26);

    auto *yearCaption = new QLabel(QStringLiteral("Anno:"), m_content);
    yearCaption->setObjectName(QStringLiteral("titAnnoPreventivi"));
    yearCaption->setFont(makeFont(QStringLiteral("Tahoma"), 12, true));
    yearCaption->setGeometry(124, 178, 60, 34);

    m_year = new QLineEdit(m_content);
    m_year->setObjectName(QStringLiteral("txtAnnoPreventivi"));
    m_year->setMaxLength(4);
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFont(makeFont(QStringLiteral("Verdana"), 16, true));
    m_year->setGeometry(190, 178, 110, 34);

    m_open = new QPushButton(QStringLiteral("Apri"), m_content);
    m_open->setObjectName(QStringLiteral("btnApriPreventivi"));
    m_open->setFont(makeFont(QStringLiteral("Verdana"), 12, true));
    m_open->setCursor(Qt::PointingHandCursor);
    m_open->setGeometry(316, 178, 110, 34);
    connect(m_open, &QPushButton::clicked, this, &TfrmMenuRicevute::openYear);
    new DigitOnlyKeyFilter(m_year, [this] { m_open->setFocus(Qt::TabFocusReason); });

    auto *guide = new ClickableLabel(m_content);
    guide->setObjectName(QStringLiteral("imgGuida"));
    guide->setPixmap(Pictures::pixmap(Picture::Guide, 40));
    guide->setAlignment(Qt::AlignCenter);
    guide->setGeometry(kContentWidth - 120, kContentHeight - 64, 48, 48);
    connect(guide, &ClickableLabel::clicked, this, [this] { showGuide(this, GuideTopic::Receipts); });

    auto *exit = new ClickableLabel(m_content);
    exit->setObjectName(QStringLiteral("imgEsci"));
    exit->setPixmap(Pictures::pixmap(Picture::Exit, 40));
    exit->setAlignment(Qt::AlignCenter);
    exit->setGeometry(kContentWidth - 64, kContentHeight - 64, 48, 48);
    connect(exit, &ClickableLabel::clicked, this, &QWidget::close);

    m_callerTag = new QLabel(kWaiting, m_content);
    m_callerTag->setObjectName(QStringLiteral("lblMemory"));
    m_callerTag->hide();
}

void TfrmMenuRicevute::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    placeContent();
    m_year->setText(platform().today().toString(QStringLiteral("yyyy")));
    m_callerTag->setText(kWaiting);
    m_year->setFocus(Qt::OtherFocusReason);
    m_year->selectAll();
}

void TfrmMenuRicevute::openYear()
{
    // The length is that of the text as typed: blanks count.
    if (m_year->text().size() != 4) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_year->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = TextRules::trimmed(m_year->text());
    if (m_receipts) {
        m_receipts->setArchiveFile(platform().programFolder() + year + QStringLiteral(".ric"));
        m_receipts->setWindowTitle(QStringLiteral(" Vacanzio - Archivio ricevute anno ") + year);
    }
    m_callerTag->setText(kChosen);
    close();
}

void TfrmMenuRicevute::closeEvent(QCloseEvent *event)
{
    // The next window comes up before this one goes, so that one of them is
    // always on screen.
    if (TextRules::trimmed(m_callerTag->text()) == kChosen) {
        if (m_receipts)
            m_receipts->showMaximized();
    } else if (m_home) {
        m_home->show();
    }
    event->accept();
}

void TfrmMenuRicevute::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(38, 92, 170));
    gradient.setColorAt(1.0, Qt::white);
    painter.fillRect(rect(), gradient);
}

void TfrmMenuRicevute::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void TfrmMenuRicevute::placeContent()
{
    m_content->move(std::max(0, (width() - kContentWidth) / 2), std::max(0, (height() - kContentHeight) / 2));
}
