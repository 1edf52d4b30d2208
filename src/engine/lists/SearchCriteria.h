#pragma once

#include <QString>

#include <utility>
#include <vector>

class RecordLayout;

// The rule of a search: with N the criteria whose text is not blank, a
// record is listed when at least N criteria occur in their fields. A
// criterion is compared as typed (not trimmed) and a field as stored (not
// trimmed), both with only A to Z folded to a to z; an empty criterion
// occurs nowhere. So a criterion of blanks is not counted in N, yet counts
// in a record whose field holds those blanks.
class SearchCriteria
{
public:
    // Each criterion: the record field it is compared with and its text as
    // typed.
    SearchCriteria(const RecordLayout &layout, const std::vector<std::pair<QString, QString>> &criteria);

    // N: the criteria given.
    int givenCount() const { return m_given; }
    // H: the criteria that occur in the record whose bytes start at `record`.
    int hitCount(const char *record) const;
    bool matches(const char *record) const { return hitCount(record) >= m_given; }

private:
    struct Criterion
    {
        int offset;      // of the field's length byte
        int capacity;
        QString folded;  // as typed, A to Z folded
    };

    std::vector<Criterion> m_criteria;  // only those with a text
    int m_given = 0;
};
