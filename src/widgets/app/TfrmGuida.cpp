#include "widgets/app/TfrmGuida.h"

#include "engine/guide/GuideDocument.h"
#include "engine/platform/Platform.h"
#include "widgets/app/HelpPictures.h"
#include "widgets/app/LinkLabel.h"
#include "widgets/platform/WindowPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int kWidth = 670;
constexpr int kHeight = 572;
constexpr int kMargin = 20;
constexpr int kHeadingHeight = 70;

} // namespace

TfrmGuida::TfrmGuida(QWidget *owner)
    // No title-bar buttons: "Chiudi" closes it.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    setFixedSize(kWidth, kHeight);

    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("imgLogo"));
    heading->setPixmap(HelpPictures::guideHeading(QSize(kWidth, kHeadingHeight)));
    heading->setGeometry(0, 0, kWidth, kHeadingHeight);

    m_lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSize(13);
    titleFont.setBold(true);
    m_lblTitolo->setFont(titleFont);
    m_lblTitolo->setStyleSheet(QStringLiteral("color: #000080;"));
    m_lblTitolo->setGeometry(kMargin, kHeadingHeight + 12, kWidth - 2 * kMargin, 28);

    m_txtGuida = new QPlainTextEdit(this);
    m_txtGuida->setObjectName(QStringLiteral("txtGuida"));
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont textFont(QStringLiteral("Tahoma"));
    textFont.setPointSize(11);
    m_txtGuida->setFont(textFont);
    const int textTop = kHeadingHeight + 48;
    m_txtGuida->setGeometry(kMargin, textTop, kWidth - 2 * kMargin, kHeight - textTop - 70);

    const int bottomRow = kHeight - 54;
    auto *pdfIcon = new ClickableLabel(this);
    pdfIcon->setObjectName(QStringLiteral("imgPDF"));
    pdfIcon->setPixmap(HelpPictures::pdfIcon(36));
    pdfIcon->setGeometry(kMargin, bottomRow, 40, 40);

    m_lnkWeb = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    m_lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    m_lnkWeb->adjustSize();
    m_lnkWeb->move(kMargin + 48, bottomRow + (40 - m_lnkWeb->height()) / 2);
    m_lnkWeb->addIcon(pdfIcon);

    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(kWidth - kMargin - 110, bottomRow + 4, 110, 32);

    connect(m_lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    btnChiudi->setFocus();
}

void TfrmGuida::setTopic(const QString &title, const QString &text)
{
    m_lblTitolo->setText(title);
    m_txtGuida->setPlainText(text);
}

QString TfrmGuida::pdfFileName()
{
    return GuideDocument::fileName();
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacement::centreOnScreen(this);
}

void TfrmGuida::lnkWebClick()
{
    // A guide in the program folder comes first; an installed program also
    // has the package's copy. When neither is there the link stays silent
    // rather than have the desktop report a missing file.
    QString path = platform().programFolder() + pdfFileName();
    if (!QFileInfo(path).isFile()) {
        const QString documentation = platform().documentationFolder();
        if (documentation.isEmpty())
            return;
        path = documentation + pdfFileName();
        if (!QFileInfo(path).isFile())
            return;
    }
    platform().shellOpen(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
}
