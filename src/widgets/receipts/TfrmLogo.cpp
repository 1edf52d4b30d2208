#include "widgets/receipts/TfrmLogo.h"

#include "engine/diagnostics/Logging.h"
#include "engine/files/WholeFile.h"
#include "engine/platform/Platform.h"
#include "engine/receipts/DefaultLogo.h"
#include "widgets/platform/DialogButtons.h"
#include "widgets/platform/Pictures.h"

#include <QBuffer>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int LogoWidth = 297;
constexpr int LogoHeight = 184;

const QString LogoFile = QStringLiteral("Logo.bmp");

QString logoPath()
{
    return platform().programFolder() + LogoFile;
}

void paintWhite(QWidget *widget)
{
    widget->setAutoFillBackground(true);
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    widget->setPalette(white);
}

QLabel *makeInstruction(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("imgTitolo"));
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setText(QStringLiteral(
        "<p style=\"font-size:14pt; font-weight:bold; color:#0b3d9c;\">IMPOSTAZIONE LOGO</p>"
        "<p>Caricare il logo della Ditta in formato Jpeg o Bitmap con dimensioni uguali a "
        "297x184 pixel.</p>"));
    label->setMargin(10);
    label->setFrameShape(QFrame::StyledPanel);
    paintWhite(label);
    return label;
}

QToolButton *makePictureButton(const QString &name, Picture picture, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setIcon(Pictures::icon(picture));
    button->setIconSize(QSize(28, 28));
    button->setFixedSize(36, 36);
    return button;
}

// The picture as a bitmap file holds it: bitmaps carry no transparency, so
// transparent parts become the white of the receipt's paper.
QImage onWhite(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *owner)
    // No title-bar buttons: the window is left through its own buttons. As a
    // dialog with an owner, Qt centres it on the owner's window.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmLogo"));
    setWindowTitle(QStringLiteral(" Impostazione logo"));

    QLabel *instruction = makeInstruction(this);

    // The logo at the size it is printed, on white, in a thin frame.
    auto *logoFrame = new QFrame(this);
    logoFrame->setFrameShape(QFrame::Box);
    logoFrame->setFrameShadow(QFrame::Plain);
    paintWhite(logoFrame);
    m_imgLogo = new QLabel(logoFrame);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setFixedSize(LogoWidth, LogoHeight);
    m_imgLogo->setAlignment(Qt::AlignCenter);
    paintWhite(m_imgLogo);
    auto *frameLayout = new QVBoxLayout(logoFrame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(m_imgLogo);

    QPushButton *btnSfoglia = DialogButtons::make(QStringLiteral("btnSfoglia"), QStringLiteral("Sfoglia..."), this);
    QToolButton *btnCancLogo = makePictureButton(QStringLiteral("btnCancLogo"), Picture::Eraser, this);
    QToolButton *imgEuro = makePictureButton(QStringLiteral("imgEuro"), Picture::Euro, this);

    auto *pictureButtons = new QHBoxLayout;
    pictureButtons->addWidget(btnCancLogo);
    pictureButtons->addWidget(imgEuro);
    pictureButtons->addStretch();
    auto *choices = new QVBoxLayout;
    choices->addWidget(btnSfoglia);
    choices->addLayout(pictureButtons);
    choices->addStretch();

    auto *editing = new QHBoxLayout;
    editing->setSpacing(14);
    editing->addWidget(logoFrame);
    editing->addLayout(choices);

    QPushButton *btnApplica
        = DialogButtons::make(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    QPushButton *btnAnnulla = DialogButtons::make(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    QHBoxLayout *buttons = DialogButtons::row({btnApplica, btnAnnulla});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(instruction);
    layout->addLayout(editing);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The instruction wraps within the width of the logo and its buttons.
    const int width = layout->sizeHint().width() - 32;
    instruction->setFixedWidth(width);
    instruction->setMinimumHeight(instruction->heightForWidth(width));

    setTabOrder(btnSfoglia, btnApplica);
    setTabOrder(btnApplica, btnAnnulla);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnCancLogo, &QToolButton::clicked, this, [this] { setLogo(blankLogoImage()); });
    connect(imgEuro, &QToolButton::clicked, this, [this] { setLogo(defaultLogoImage()); });
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    setLogo(defaultLogoImage());
}

void TfrmLogo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TfrmLogo::formShow()
{
    loadLogo(logoPath());
}

void TfrmLogo::btnSfogliaClick()
{
    const QString chosen = platform().chooseFileToOpen(
        QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
        QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"),
        QStringLiteral("JPG,JPEG,BMP"));
    if (!chosen.isEmpty())
        loadLogo(chosen);
}

void TfrmLogo::btnApplicaClick()
{
    // Written beside the old logo and put in its place only once complete,
    // so that a full disk never leaves a broken or missing Logo.bmp.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool saved = buffer.open(QIODevice::WriteOnly) && onWhite(m_logo).save(&buffer, "BMP")
        && WholeFile::write(logoPath(), bytes);
    if (!saved) {
        qCWarning(lcFiles) << "cannot save the logo" << logoPath();
        setLogo(defaultLogoImage());
    }
    done(saved ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmLogo::setLogo(const QImage &picture)
{
    m_logo = picture.isNull() ? defaultLogoImage() : picture;
    // A larger picture is shown shrunk to fit, as a whole; the saved logo
    // keeps its own size.
    QPixmap shown = QPixmap::fromImage(m_logo);
    if (shown.width() > LogoWidth || shown.height() > LogoHeight)
        shown = shown.scaled(LogoWidth, LogoHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_imgLogo->setPixmap(shown);
}

void TfrmLogo::loadLogo(const QString &path)
{
    // The format is told from the file's contents, not from its name.
    setLogo(QImage(path));
}
