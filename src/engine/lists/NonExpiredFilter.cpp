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

SummaryListing::Verdict NonExpiredFilter::judgeEndDate(const QString &endDate, QDate today)
{
    const std::optional<QDate> end = DateText::parse(endDate);
    if (!end)
        return SummaryListing::Verdict::StopListing;
    return today > *end ? SummaryListing::Verdict::Skip : SummaryListing::Verdict::List;
}

SummaryListing::Verdict NonExpiredFilter::operator()(const char *record) const
{
    // The form every saved contract has, "dd/mm/yyyy", read straight from
    // the bytes: the list reads a hundred thousand of them. Any other text
    // goes through the program's date reading.
    const char *field = record + m_offset;
    const QByteArrayView text = ShortStringField::storedBytes(field, m_capacity);
    const auto digit = [text](int i) { return text[i] >= '0' && text[i] <= '9'; };
    if (text.size() == 10 && text[2] == '/' && text[5] == '/' && digit(0) && digit(1) && digit(3) && digit(4)
        && digit(6) && digit(7) && digit(8) && digit(9)) {
        const auto number = [text](int at, int digits) {
            int value = 0;
            for (int i = at; i < at + digits; ++i)
                value = value * 10 + (text[i] - '0');
            return value;
        };
        const QDate end(number(6, 4), number(3, 2), number(0, 2));
        if (!end.isValid())
            return SummaryListing::Verdict::StopListing;
        return m_today > end ? SummaryListing::Verdict::Skip : SummaryListing::Verdict::List;
    }
    return judgeEndDate(ShortStringField::load(field, m_capacity), m_today);
}
