#pragma once

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>

class ClickableLabel;
class QFrame;
class QPushButton;

// The home window: four tiles that open the modules, and the small icons
// for information, guide, the maker's site, the copyright and the exit.
// Closing it ends the program.
class TfrmAvvio : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    // The window a tile opens (1 landlords, 2 tenants, 3 contracts,
    // 4 receipts), asked for only when the tile is clicked, so that the
    // program builds a module's window at its first use. A tile without a
    // source stays disabled.
    void setModuleSource(int tile, std::function<QWidget *()> source);
    // Shows a module's window and hides the home window.
    void openModule(int tile);

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildTile(int tile, const QString &caption, int picture, const QColor &colour);
    // A tile without a module is drawn faded as a whole, not only its
    // caption, so that it does not look like something to click.
    void updateTileLook(int index);
    void placeContent();

    QWidget *m_content = nullptr;
    std::array<std::function<QWidget *()>, 4> m_modules{};
    std::array<ClickableLabel *, 4> m_tilePictures{};
    std::array<QPushButton *, 4> m_tileButtons{};
    std::array<QFrame *, 4> m_tileBackgrounds{};
    std::array<QColor, 4> m_tileColours{};
};
