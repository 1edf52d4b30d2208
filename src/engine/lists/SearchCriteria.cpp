#include "engine/lists/SearchCriteria.h"

#include "engine/archive/RecordLayout.h"
#include "engine/archive/ShortStringField.h"
#include "engine/lists/AsciiFold.h"
#include "engine/text/Cp1252.h"
#include "engine/text/TextRules.h"

SearchCriteria::SearchCriteria(const RecordLayout &layout,
                               const std::vector<std::pair<QString, QString>> &criteria)
{
    for (const auto &[fieldName, typed] : criteria) {
        if (!TextRules::trimmed(typed).isEmpty())
            ++m_given;
        // An empty criterion occurs nowhere: no need to look.
        if (typed.isEmpty())
            continue;
        const int index = layout.indexOf(fieldName);
        Q_ASSERT_X(index >= 0, "SearchCriteria", "a criterion names a field the record lacks");
        m_criteria.push_back({layout.offset(index), layout.capacity(index), TextRules::lowerAscii(typed)});
    }
}

int SearchCriteria::hitCount(const char *record) const
{
    int hits = 0;
    for (const Criterion &criterion : m_criteria) {
        const QByteArrayView stored = ShortStringField::storedBytes(record + criterion.offset, criterion.capacity);
        // A criterion longer than the field cannot occur in it.
        if (criterion.folded.size() > stored.size())
            continue;
        if (AsciiFold::contains(Cp1252::decode(stored.data(), stored.size()), criterion.folded))
            ++hits;
    }
    return hits;
}
