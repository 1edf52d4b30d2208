#pragma once

#include "widgets/card/CardWindow.h"

class QToolButton;

// The landlord and property window on Archivio_Locatori.pro. Beyond the
// shared card window it opens the codes of the property of a stored card.
class TfrmLocatori : public CardWindow
{
    Q_OBJECT
public:
    explicit TfrmLocatori(QWidget *parent = nullptr);

protected:
    void setPosition(const QString &position) override;

private:
    void buildCodesButton();
    // The card's record number; 0 for a card not stored.
    qint64 storedPosition() const;

    QToolButton *m_codesButton = nullptr;
};
