#pragma once

#include <QDialog>

// The splash window, opened from the home window's copyright icon: a large
// picture with the maker's name and web address, and a link that opens the
// maker's site in the browser.
class TfrmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
};
