#include "widgets/app/TfrmAvvio.h"

#include "widgets/app/GuideLauncher.h"
#include "widgets/backup/BackupActions.h"
#include "widgets/app/MakerInfo.h"
#include "widgets/app/TfrmInfo.h"
#include "widgets/app/TfrmSplash.h"
#include "widgets/platform/ClickableLabel.h"
#include "widgets/platform/Pictures.h"
#include "widgets/reports/TfrmRapporti.h"
#include "widgets/tax/TfrmImpostaSoggiorno.h"
#include "engine/platform/Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kContentWidth = 995;
constexpr int kContentHeight = 692;

// A line of text drawn as a picture, for the title strips.
QPixmap textPicture(const QString &text, const QFont &font, const QColor &colour, const QSize &size)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(picture.rect(), Qt::AlignCenter, text);
    return picture;
}

QFont makeFont(const QString &family, int points, bool bold = false, bool italic = false)
{
    QFont result(family);
    result.setPointSize(points);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

// The copyright icon: a © in a white disc, the same size as the exit icon.
QPixmap copyrightPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(QColor(20, 50, 110), 1.5));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(size * 2 / 3);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString(QChar(0x00A9)));
    return picture;
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Vacanzio"));
    setMinimumSize(kContentWidth, kContentHeight);
    // Every show, by the sign-in window or by a module coming back, finds
    // the window maximised.
    setWindowState(Qt::WindowMaximized);

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("panContainer"));
    m_content->setFixedSize(kContentWidth, kContentHeight);

    auto *title = new QLabel(m_content);
    title->setObjectName(QStringLiteral("icoTitolo"));
    title->setPixmap(textPicture(QStringLiteral("Vacanzio"), makeFont(QStringLiteral("Verdana"), 40, true),
                                 Qt::white, QSize(520, 70)));
    title->setGeometry((kContentWidth - 520) / 2, 10, 520, 70);

    auto *subtitle = new QLabel(m_content);
    subtitle->setObjectName(QStringLiteral("icoSottotitolo"));
    subtitle->setPixmap(textPicture(
        QStringLiteral("Contratti di locazione turistica, archivi di immobili, locatori e conduttori, "
                       "stampa delle ricevute"),
        makeFont(QStringLiteral("Verdana"), 11, false, true), Qt::white, QSize(900, 28)));
    subtitle->setGeometry((kContentWidth - 900) / 2, 82, 900, 28);

    buildTile(1, QStringLiteral("IMMOBILI E LOCATORI"), static_cast<int>(Picture::House), QColor(52, 120, 196));
    buildTile(2, QStringLiteral("ARCHIVIO CONDUTTORI"), static_cast<int>(Picture::Tenant), QColor(40, 150, 120));
    buildTile(3, QStringLiteral("CONTRATTI DI LOCAZIONE"), static_cast<int>(Picture::Contract), QColor(200, 120, 40));
    buildTile(4, QStringLiteral("EMISSIONE RICEVUTE"), static_cast<int>(Picture::Receipt), QColor(150, 70, 160));

    auto icon = [this](const char *name, Picture picture, int size, const QRect &where) {
        auto *label = new ClickableLabel(m_content);
        label->setObjectName(QString::fromLatin1(name));
        label->setPixmap(Pictures::pixmap(picture, size));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(where);
        return label;
    };
    // Each opens its window for one use, modal over the home window.
    ClickableLabel *info = icon("imgInfo", Picture::Info, 40, QRect(10, 10, 48, 48));
    connect(info, &ClickableLabel::clicked, this, [this] {
        TfrmInfo window(this);
        window.exec();
    });
    // The backup icons, beside the information icon, with their hints.
    ClickableLabel *backup = icon("imgCopia", Picture::Backup, 40, QRect(66, 10, 48, 48));
    backup->setToolTip(QStringLiteral("Copia di sicurezza: salva in un file .zip, nella cartella che scegli, "
                                      "tutti gli archivi, le impostazioni e i documenti allegati."));
    connect(backup, &ClickableLabel::clicked, this, [] { BackupActions::takeBackup(); });
    ClickableLabel *restore = icon("imgRipristina", Picture::Restore, 40, QRect(122, 10, 48, 48));
    restore->setToolTip(QStringLiteral("Ripristina copia: rimette al loro posto i dati di una copia di "
                                       "sicurezza; i file attuali vengono conservati."));
    connect(restore, &ClickableLabel::clicked, this, [] { BackupActions::restoreBackup(); });
    ClickableLabel *guide = icon("imgGuida", Picture::Guide, 40, QRect(kContentWidth - 58, 10, 48, 48));
    connect(guide, &ClickableLabel::clicked, this, [this] { showGuide(this, GuideTopic::General); });
    // Beside the guide icon, on the other side of the title, the two windows
    // of the tourist tax and of the reports, which belong to no single module.
    ClickableLabel *tax = icon("imgImposta", Picture::TouristTax, 40, QRect(kContentWidth - 170, 10, 48, 48));
    tax->setToolTip(QStringLiteral("Imposta di soggiorno: le regole dei comuni (tariffe, periodi, esenzioni)."));
    connect(tax, &ClickableLabel::clicked, this, [this] {
        TfrmImpostaSoggiorno window(this);
        window.exec();
    });
    ClickableLabel *reports = icon("imgRapporti", Picture::Reports, 40, QRect(kContentWidth - 114, 10, 48, 48));
    reports->setToolTip(QStringLiteral("Rapporti: dichiarazione dell'imposta di soggiorno, riepilogo annuale per "
                                       "immobile, movimento mensile dei clienti."));
    connect(reports, &ClickableLabel::clicked, this, [this] {
        TfrmRapporti window(this);
        window.exec();
    });
    ClickableLabel *copyright = icon("imgCopyright", Picture::Info, 22, QRect(10, kContentHeight - 40, 30, 30));
    copyright->setPixmap(copyrightPicture(24));
    connect(copyright, &ClickableLabel::clicked, this, [this] {
        TfrmSplash window(this);
        window.exec();
    });
    ClickableLabel *exit = icon("imgEsci", Picture::Exit, 26, QRect(kContentWidth - 40, kContentHeight - 40, 30, 30));
    connect(exit, &ClickableLabel::clicked, this, &QWidget::close);

    auto *site = new ClickableLabel(m_content);
    site->setObjectName(QStringLiteral("icoSito"));
    site->setPixmap(textPicture(QStringLiteral("Vacanzio  -  ") + MakerInfo::webAddress(),
                                makeFont(QStringLiteral("Verdana"), 10, true), QColor(20, 50, 110), QSize(480, 26)));
    site->setGeometry((kContentWidth - 480) / 2, kContentHeight - 38, 480, 26);
    connect(site, &ClickableLabel::clicked, this, [] { platform().shellOpen(MakerInfo::webAddress()); });
}

void TfrmAvvio::buildTile(int tile, const QString &caption, int picture, const QColor &colour)
{
    const int index = tile - 1;
    const int column = index % 2;
    const int row = index / 2;
    const QString number = QStringLiteral("%1").arg(tile, 2, 10, QLatin1Char('0'));
    const QRect area(95 + column * 415, 130 + row * 265, 390, 240);

    auto *background = new QFrame(m_content);
    background->setObjectName(QStringLiteral("bkgApp") + number);
    background->setGeometry(area);

    auto *image = new ClickableLabel(m_content);
    image->setObjectName(QStringLiteral("imgApp") + number);
    QPixmap art(150, 150);
    art.fill(Qt::transparent);
    {
        QPainter painter(&art);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 235));
        painter.drawEllipse(art.rect().adjusted(4, 4, -4, -4));
        painter.drawPixmap(25, 25, Pictures::pixmap(static_cast<Picture>(picture), 100));
    }
    image->setPixmap(art);
    image->setAlignment(Qt::AlignCenter);
    image->setGeometry(area.x() + (area.width() - 150) / 2, area.y() + 14, 150, 150);

    auto *button = new QPushButton(caption, m_content);
    button->setObjectName(QStringLiteral("btnApp") + number);
    button->setCursor(Qt::PointingHandCursor);
    button->setFlat(true);
    button->setFont(makeFont(QStringLiteral("Verdana"), 14, true));
    button->setStyleSheet(QStringLiteral("QPushButton { color: white; border: none; }"
                                         "QPushButton:disabled { color: rgba(255, 255, 255, 110); }"));
    button->setGeometry(area.x() + 10, area.y() + 176, area.width() - 20, 44);

    m_tilePictures[index] = image;
    m_tileButtons[index] = button;
    m_tileBackgrounds[index] = background;
    m_tileColours[index] = colour;
    image->setGraphicsEffect(new QGraphicsOpacityEffect(image));
    image->setEnabled(false);
    button->setEnabled(false);
    updateTileLook(index);
    connect(image, &ClickableLabel::clicked, this, [this, tile] { openModule(tile); });
    connect(button, &QPushButton::clicked, this, [this, tile] { openModule(tile); });
}

void TfrmAvvio::setModuleSource(int tile, std::function<QWidget *()> source)
{
    const int index = tile - 1;
    m_modules[index] = std::move(source);
    const bool present = static_cast<bool>(m_modules[index]);
    m_tilePictures[index]->setEnabled(present);
    m_tileButtons[index]->setEnabled(present);
    updateTileLook(index);
}

void TfrmAvvio::updateTileLook(int index)
{
    const bool enabled = static_cast<bool>(m_modules[index]);
    QColor colour = m_tileColours[index];
    // Faded, the window's gradient shows through the tile.
    if (!enabled)
        colour.setAlpha(80);
    QFrame *background = m_tileBackgrounds[index];
    background->setStyleSheet(QStringLiteral("#%1 { background: rgba(%2, %3, %4, %5); border-radius: 16px; }")
                                  .arg(background->objectName())
                                  .arg(colour.red())
                                  .arg(colour.green())
                                  .arg(colour.blue())
                                  .arg(colour.alpha()));
    if (auto *effect = qobject_cast<QGraphicsOpacityEffect *>(m_tilePictures[index]->graphicsEffect()))
        effect->setOpacity(enabled ? 1.0 : 0.45);
}

void TfrmAvvio::openModule(int tile)
{
    const auto &source = m_modules[tile - 1];
    QWidget *window = source ? source() : nullptr;
    if (!window)
        return;
    window->showMaximized();
    hide();
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    // Closing the home window ends the program at once, whatever other
    // window still exists hidden.
    event->accept();
    QCoreApplication::quit();
}

void TfrmAvvio::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(24, 70, 150));
    gradient.setColorAt(1.0, QColor(190, 220, 250));
    painter.fillRect(rect(), gradient);
}

void TfrmAvvio::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void TfrmAvvio::placeContent()
{
    m_content->move(std::max(0, (width() - kContentWidth) / 2), std::max(0, (height() - kContentHeight) / 2));
}
