#pragma once

#include <QDialog>

// The information window, opened from the home window: the program's logo,
// an information area and the maker's contact address, which opens a new
// message in the user's mail program, and the folder where the program keeps
// its files, which a click opens.
class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();
    void lnkCartellaClick();
};
