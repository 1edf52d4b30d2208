#pragma once

#include "engine/archive/CardOperations.h"
#include "widgets/card/CardWindowTable.h"

#include <QHash>
#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;
class QKeyEvent;
class StatusHints;

// The machinery shared by the four card windows: the maximised frame with
// its 995 x 692 container, the toolbar of six groups, the position label,
// the status line with its hover hints, the fields built from the module's
// table (labels, highlights, Enter chain and tab order, province combos,
// typing rules, digit-only filter, length limits), the hidden labels of the
// record fields that have no edit field, and the archive operations behind
// the toolbar. A module window is its table plus what it does differently.
class CardWindow : public QWidget, protected CardView
{
    Q_OBJECT
public:
    explicit CardWindow(CardWindowTable table, QWidget *parent = nullptr);

    // The window shown again when this one closes.
    void setHomeWindow(QWidget *home) { m_home = home; }

    const CardWindowTable &table() const { return m_table; }

    // The control showing a record field ("txt" + name or "lbl" + name).
    QWidget *fieldControl(const QString &fieldName) const;
    QString fieldText(const QString &fieldName) const;
    void setFieldText(const QString &fieldName, const QString &text);
    QString statusText() const;
    // Shows record k of the archive from the bytes a list window traced.
    void showRecord(qint64 k, const QByteArray &record) { m_operations.showRecord(k, record); }
    // What a toolbar button (cmdTrova, cmdAnteprima, cmdStampa, cmdEsporta,
    // cmdNumerazione, cmdGuida) or a side button without an action of its
    // own does in this window. Such a button stays disabled until its
    // action is provided, so that no button ever does nothing.
    void provideAction(const QString &buttonName, std::function<void()> action);
    // The number of the record the card shows; 0 for a card not stored.
    qint64 storedPosition() const;

protected:
    // CardView
    Record cardRecord() const override;
    void showCardRecord(const Record &record) override;
    QString position() const override;
    void setPosition(const QString &position) override;
    void clearCard() override;
    void clearAttachments() override;
    void focusFirstField() override;
    bool checkBeforeSave() override;

    // The clearing routine: every field, the hidden labels, the position.
    void clearAllFields();
    // Moves the focus along the Enter chain.
    void focusNextField(QWidget *from);
    void focusField(const QString &fieldName);
    QToolButton *toolbarButton(const QString &name) const;
    // The full path of the archive this window works on.
    virtual QString archivePath() const;

    // A window's own handling of a key in one of its fields; true when it
    // took the key. Runs before the Enter chain.
    virtual bool handleFieldKey(QWidget *field, QKeyEvent *event);
    // After a key is released in one of the window's fields.
    virtual void fieldKeyReleased(QWidget *field) { Q_UNUSED(field); }
    // After one of the window's fields lost the focus.
    virtual void fieldFocusLost(QWidget *field) { Q_UNUSED(field); }
    // Shown: by default the card is cleared and the first field focused.
    virtual void prepareOnShow();
    // The New button: by default the card operations' New.
    virtual void newCard();
    CardOperations &operations() { return m_operations; }
    // A button of the window's own that does `action` for a stored card and
    // is disabled while the card is not stored.
    void addStoredCardButton(QToolButton *button, std::function<void()> action);
    // Shows `hint` in the status line while the mouse is over `control`.
    void setHint(QWidget *control, const QString &hint);
    // What the status line says while no hint is shown, instead of
    // nothing: shown at once, and again whenever the mouse leaves a hint.
    // An empty text takes a resting text away (the line then empties).
    void setRestingStatus(const QString &text);
    // A hidden label of the table's own (not a record field).
    QLabel *hiddenLabel(const QString &name) const;
    // Closing, before the home window comes back.
    virtual void beforeClose() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildToolbar();
    void buildFields();
    void buildSideButtons();
    void buildDecorations();
    void connectToolbar();
    void connectProvidedAction(QToolButton *button);
    void updateStoredCardButtons();
    void centreContainer();

    CardWindowTable m_table;
    CardOperations m_operations;
    QWidget *m_home = nullptr;
    QWidget *m_container = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_position = nullptr;
    std::vector<QWidget *> m_sections;
    std::vector<QWidget *> m_chain;                 // edit fields, record order
    QHash<QString, QWidget *> m_controls;           // record field -> control
    QStringList m_hiddenFields;                     // fields kept in labels
    QHash<QString, std::function<void()>> m_actions;  // button -> action
    std::vector<QToolButton *> m_storedCardButtons;  // enabled with a position
    StatusHints *m_hints;
};
