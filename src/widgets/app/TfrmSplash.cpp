#include "widgets/app/TfrmSplash.h"

#include "engine/platform/Platform.h"
#include "widgets/app/HelpPictures.h"
#include "widgets/app/LinkLabel.h"
#include "widgets/app/MakerInfo.h"
#include "widgets/platform/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr QSize kPictureSize(625, 380);

} // namespace

TfrmSplash::TfrmSplash(QWidget *owner)
    // No title-bar buttons: "Chiudi" closes it.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Vacanzio - ") + MakerInfo::makerName());

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setFixedSize(kPictureSize);
    picture->setPixmap(HelpPictures::splash(kPictureSize));

    auto *globe = new ClickableLabel(this);
    globe->setObjectName(QStringLiteral("imgWeb"));
    globe->setPixmap(HelpPictures::globeIcon(32));
    auto *link = new LinkLabel(MakerInfo::webAddress(), this);
    link->setObjectName(QStringLiteral("lnkWeb"));
    link->addIcon(globe);

    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setMinimumSize(110, 32);

    auto *site = new QHBoxLayout;
    site->setSpacing(8);
    site->addWidget(globe);
    site->addWidget(link);
    site->addStretch();
    site->addWidget(btnChiudi);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture);
    auto *bottom = new QVBoxLayout;
    bottom->setContentsMargins(16, 10, 16, 12);
    bottom->addLayout(site);
    layout->addLayout(bottom);
    // Fixed here, before the window exists on screen, rather than by the
    // layout at its first show.
    setFixedSize(sizeHint());

    connect(link, &LinkLabel::clicked, this, [] { platform().shellOpen(MakerInfo::webAddress()); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    btnChiudi->setFocus();
}

void TfrmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        WindowPlacement::centreOnOwner(this, parentWidget());
}
