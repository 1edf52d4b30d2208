#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TfrmRicevuta;

// The year selection window of the receipt module: which year's archive
// the receipt window works on. Closed with a year, it opens the receipt
// window on that year's archive; closed without one, the home window.
class TfrmMenuRicevute : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(QWidget *parent = nullptr);

    void setHomeWindow(QWidget *home) { m_home = home; }
    void setReceiptWindow(TfrmRicevuta *receipts) { m_receipts = receipts; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void openYear();
    void placeContent();

    QWidget *m_home = nullptr;
    TfrmRicevuta *m_receipts = nullptr;
    QWidget *m_content = nullptr;
    QLineEdit *m_year = nullptr;
    QPushButton *m_open = nullptr;
    QLabel *m_callerTag = nullptr;
};
