#include "engine/lists/NonExpiredFilter.h"

#include "engine/archive/RecordLayout.h"
#include "engine/archive/ShortStringField.h"
#include "engine/text/DateText.h"

NonExpiredFilter::NonExpiredFilter(const RecordLayout &contracts, QDate today)
    : m_today(today)
{
    const int index = contracts.indexOf(QStringLiteral("FineCon"));
    Q_ASSERT_X(index >= 0, "NonExpiredFilter", "the contract record has no end date");
    m_offset = contracts.offset(index);
    m_capacity = contracts.capacity(index);
}

namespace {

SummaryListing::Verdict verdict(const std::optional<QDate> &end, QDate today)
{
    if (!end)
        return SummaryListing::Verdict::StopListing;
    return today > *end ? SummaryListing::Verdict::Skip : SummaryListing::Verdict::List;
}

} // namespace

SummaryListing::Verdict NonExpiredFilter::judgeEndDate(const QString &endDate, QDate today)
{
    return verdict(DateText::parse(endDate), today);
}

SummaryListing::Verdict NonExpiredFilter::operator()(const char *record) const
{
    return verdict(ShortStringField::loadDate(record + m_offset, m_capacity), m_today);
}
