#pragma once

#include "engine/lists/SearchArchives.h"
#include "widgets/search/SummaryListWindow.h"

#include <vector>

class QLineEdit;

// A search window: the criteria panel panAvvio, whose Cerca reads the whole
// archive and lists every record that satisfies the criteria given, then
// the results panel panContainer of the shared list design. A double click
// loads the chosen record into the card window that opened the search, with
// its position. One design over four archives; each window class is its
// archive's table.
class SearchWindow : public SummaryListWindow
{
    Q_OBJECT
public:
    SearchWindow(SearchArchive archive, QWidget *cardWindow);

    const SearchArchiveDef &definition() const { return m_definition; }
    // The criteria fields in their order.
    const std::vector<QLineEdit *> &criteriaFields() const { return m_criteria; }

protected:
    QString archivePath() const override;
    void handleChosen(const std::vector<SummaryListing::TracedRecord> &records) override;
    void prepareOnShow() override;
    void beforeClose() override;

private:
    void buildCriteriaPanel();
    void buildCountLabel();
    void search();

    const SearchArchiveDef &m_definition;
    QWidget *m_criteriaPanel = nullptr;
    std::vector<QLineEdit *> m_criteria;
    QLabel *m_given = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_wait = nullptr;
    QProgressBar *m_searchProgress = nullptr;
    QPushButton *m_searchButton = nullptr;
};
