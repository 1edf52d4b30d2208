#pragma once

#include <QDialog>

#include <array>

class CardWindow;
class ClickableLabel;
class QLabel;
class QLineEdit;
class QPushButton;

// The attachments window of the landlord and tenant cards: three slots,
// each a file name and a description. "Sfoglia..." copies a chosen file
// into Documenti_Allegati at once; "Applica e chiudi" writes the six values
// into the hidden labels lblFile01..03 and lblDesc01..03 of the card window
// that the caller tag names ("locatori" frmLocatori, "conduttori"
// frmConduttori); "Annulla" writes nothing. The card window creates it for
// one use (see openAttachments), fills it and runs exec().
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT
public:
    static constexpr int SlotCount = 3;

    explicit TfrmAllegaCartella(QWidget *owner);

    void setCallerTag(const QString &tag);
    // Slot 1 to 3: the values the card holds.
    void setSlot(int slot, const QString &fileName, const QString &description);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Slot
    {
        QLineEdit *file = nullptr;
        QLineEdit *description = nullptr;
        QPushButton *open = nullptr;
    };

    QWidget *buildSlot(int slot);
    void btnSfogliaClick(int slot);
    static void showSlotName(Slot &controls, const QString &name);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void btnApplicaClick();
    void updateOpenButton(int slot);
    // The card window the caller tag names, or none.
    CardWindow *callerWindow() const;

    QLabel *m_callerTag = nullptr;
    std::array<Slot, SlotCount> m_slots{};
};
