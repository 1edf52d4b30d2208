#pragma once

#include "engine/lists/SummaryListing.h"

#include <QDate>

class RecordLayout;

// The non-expired contracts: those whose end date is today or later. The
// first contract whose end date is not a date ends the list there.
class NonExpiredFilter
{
public:
    NonExpiredFilter(const RecordLayout &contracts, QDate today);

    // For a contract's end date as stored.
    static SummaryListing::Verdict judgeEndDate(const QString &endDate, QDate today);
    // For a contract's bytes.
    SummaryListing::Verdict operator()(const char *record) const;

private:
    int m_offset;
    int m_capacity;
    QDate m_today;
};
