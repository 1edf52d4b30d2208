#include "widgets/app/TfrmInfo.h"

#include "engine/platform/Platform.h"
#include "widgets/app/HelpPictures.h"
#include "widgets/app/LinkLabel.h"
#include "widgets/app/MakerInfo.h"
#include "widgets/app/TfrmPassword.h"
#include "widgets/platform/Pictures.h"
#include "widgets/platform/WindowPlacement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kAreaWidth = 480;
constexpr int kAreaHeight = 230;

// What the mail program receives: the address with a subject and the
// opening of the message already written. Left unencoded, as the desktop's
// open operation takes it.
QString mailCommand()
{
    return QStringLiteral("\"mailto:") + MakerInfo::emailAddress()
           + QStringLiteral("?subject=Software Vacanzio&body=Salve, desidererei avere le seguenti informazioni "
                            "sul software in oggetto:\"");
}

} // namespace

TfrmInfo::TfrmInfo(QWidget *owner)
    // No title-bar buttons: "Chiudi" closes it.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Vacanzio"));

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(TfrmPassword::logoPicture());
    logo->setAlignment(Qt::AlignCenter);

    auto *area = new QLabel(this);
    area->setObjectName(QStringLiteral("imgInformazioni"));
    area->setPixmap(HelpPictures::informationArea(QSize(kAreaWidth, kAreaHeight)));

    auto *envelope = new ClickableLabel(this);
    envelope->setObjectName(QStringLiteral("imgEmail"));
    envelope->setPixmap(Pictures::pixmap(Picture::Email, 32));
    auto *link = new LinkLabel(MakerInfo::emailAddress(), this);
    link->setObjectName(QStringLiteral("lnkWeb"));
    link->addIcon(envelope);

    // Where the program keeps its files, which a click opens.
    auto *folderCaption = new QLabel(QStringLiteral("Cartella dei dati:"), this);
    folderCaption->setObjectName(QStringLiteral("lblCartella"));
    auto *folderLink = new LinkLabel(QDir::toNativeSeparators(platform().programFolder()), this);
    folderLink->setObjectName(QStringLiteral("lnkCartella"));
    folderLink->setWordWrap(true);
    auto *folderLine = new QHBoxLayout;
    folderLine->setSpacing(8);
    folderLine->addWidget(folderCaption);
    folderLine->addWidget(folderLink, 1);

    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setMinimumSize(110, 32);

    auto *contact = new QHBoxLayout;
    contact->setSpacing(8);
    contact->addWidget(envelope);
    contact->addWidget(link);
    contact->addStretch();
    contact->addWidget(btnChiudi);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(logo);
    layout->addWidget(area);
    layout->addLayout(folderLine);
    layout->addLayout(contact);
    // Fixed here, before the window exists on screen, rather than by the
    // layout at its first show.
    setFixedSize(sizeHint());

    connect(link, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(folderLink, &LinkLabel::clicked, this, &TfrmInfo::lnkCartellaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    btnChiudi->setFocus();
}

void TfrmInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacement::centreOnScreen(this);
}

void TfrmInfo::lnkCartellaClick()
{
    platform().shellOpen(QLatin1Char('"') + QDir::toNativeSeparators(platform().programFolder()) + QLatin1Char('"'));
}

void TfrmInfo::lnkWebClick()
{
    platform().shellOpen(mailCommand());
}
