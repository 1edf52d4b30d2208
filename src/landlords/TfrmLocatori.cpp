#include "landlords/TfrmLocatori.h"

#include "landlords/LandlordCard.h"
#include "platform/Pictures.h"

#include <QLabel>

TfrmLocatori::TfrmLocatori(QWidget *parent)
    : CardWindow(landlordCardSpec(), parent)
{
    // The envelope beside the e-mail address is a decoration only.
    QWidget *email = fieldControl(QStringLiteral("EmailLoc"));
    auto *envelope = new QLabel(email->parentWidget());
    envelope->setObjectName(QStringLiteral("icoEmailLoc"));
    envelope->setPixmap(Pictures::pixmap(Picture::Email, 24));
    envelope->setGeometry(email->x() - 30, email->y() + 1, 26, 26);
}
