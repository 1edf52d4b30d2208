#pragma once

#include "engine/archive/ArchiveScanner.h"
#include "engine/lists/SummaryLayout.h"
#include "engine/lists/SummaryListing.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class RecordLayout;
class SummaryLineModel;

// What makes one list window out of the shared design.
struct SummaryListSetup
{
    QString objectName;          // "frmImpLocatore"
    QString caption;
    QString banner;              // the title on the banner picture
    QString chooseHint;          // the crimson line under the list
    QString printTitle;
    const RecordLayout *record;
    const SummaryLayout *line;
    bool sorted = true;          // false: archive order
    // The two lines of instructions as labels (lblRigo01, lblRigo02)
    // rather than one picture (icoIstruzioni).
    bool instructionLabels = false;
    // Whether the window has the hidden caller tag lblMemory.
    bool callerTag = true;
};

// The design shared by the seven list windows (the four search windows, the
// two import windows, the non-expired contracts): an archive shown as one
// summary line per record in a list view over a model, Trova with its walk
// and the find text remembered per window class, the double click that
// finds the chosen line's records again and hands them to the window, the
// summary printing hook, and the reading of the archive in large blocks
// with a progress bar and the window kept responsive meanwhile.
//
// Created for one use by the window that opens it (its owner), shown
// modally and destroyed by the owner after it closes.
class SummaryListWindow : public QDialog
{
    Q_OBJECT
public:
    SummaryListWindow(QWidget *owner, SummaryListSetup setup);
    ~SummaryListWindow() override;

    QListView *listView() const { return m_list; }
    const SummaryLineModel &model() const { return *m_model; }
    const SummaryListSetup &setup() const { return m_setup; }
    // The hidden caller tag lblMemory.
    void setCallerTag(const QString &tag);
    QString callerTag() const;
    // True once the window has filled its list (or failed to).
    bool isFilled() const { return m_filled; }
    // True while the archive is being read.
    bool isBusy() const { return m_busy; }

    void done(int result) override;

    // How the windows read large archives: the bytes of a block, and how
    // often (in milliseconds of reading) the window answers the user and
    // moves its progress bar.
    static void setReadingPace(qint64 blockBytes, int eventIntervalMs);

signals:
    void listFilled();

protected:
    // The panel holding the list, the find field and the bottom buttons
    // (panContainer).
    QWidget *listPanel() const { return m_listPanel; }
    QProgressBar *listProgress() const { return m_listProgress; }
    QLineEdit *findField() const { return m_find; }
    QPushButton *closeButton() const { return m_close; }

    // The full path of the archive the window lists.
    virtual QString archivePath() const;
    // The records whose line was chosen, in archive order: the window does
    // what it does with each (the last one stays).
    virtual void handleChosen(const std::vector<SummaryListing::TracedRecord> &records) = 0;
    // After the window is shown (the find text already emptied).
    virtual void prepareOnShow() {}
    // Closing, before the list is emptied.
    virtual void beforeClose() {}

    // Reads the archive into the list through `filter`, showing progress on
    // `progress`, and sorts it when the window sorts. Returns how the
    // reading ended; Cancelled means the window was closed meanwhile and
    // the caller must stop.
    ArchiveScanner::Outcome fillList(QProgressBar *progress, const SummaryListing::RecordFilter &filter);
    // Starts fillList() once the window is on screen; the focus then goes
    // to the find field.
    void fillListWhenShown(const SummaryListing::RecordFilter &filter);
    // Creates a progress bar, hidden until a reading takes a while.
    QProgressBar *makeProgressBar(const QString &name, QWidget *parent, const QRect &geometry);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildListPanel();
    void find();
    void chooseSelectedLine();
    void printSummary(int output);
    int selectedRow() const;
    void selectRow(int row);
    ArchiveScanner::Outcome readArchive(
        QProgressBar *progress,
        const std::function<ArchiveScanner::Outcome(const ArchiveScanner &, const ArchiveScanner::Progress &)> &read);
    QString &rememberedFindText() const;

    SummaryListSetup m_setup;
    SummaryLineModel *m_model;
    QWidget *m_listPanel = nullptr;
    QListView *m_list = nullptr;
    QLineEdit *m_find = nullptr;
    QPushButton *m_close = nullptr;
    QProgressBar *m_listProgress = nullptr;
    QLabel *m_callerTag = nullptr;
    bool m_busy = false;
    bool m_filled = false;
    std::optional<int> m_closeWhenIdle;
};
