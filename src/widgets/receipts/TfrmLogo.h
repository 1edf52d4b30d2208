#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The logo window: chooses the picture printed at the top of each copy of a
// receipt and saves it as Logo.bmp in the program folder. The receipt
// window creates it for one use and runs exec():
//
//     TfrmLogo window(this);
//     window.exec();
//
// It starts from the saved logo, or from the built-in euro picture when
// there is none that can be read.
class TfrmLogo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *owner);

    // The picture the window would save: the one `imgLogo` shows, at its own
    // size, whatever the size it is shown at.
    QImage currentLogo() const { return m_logo; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();
    void btnSfogliaClick();
    void btnApplicaClick();

    // Shows `picture` in imgLogo; the default picture when it is null.
    void setLogo(const QImage &picture);
    // Loads a picture file, whatever its format: the default picture when
    // it cannot be read.
    void loadLogo(const QString &path);

    QLabel *m_imgLogo = nullptr;
    QImage m_logo;
};
