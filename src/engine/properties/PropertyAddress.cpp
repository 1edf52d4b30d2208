#include "engine/properties/PropertyAddress.h"

#include "engine/archive/RecordLayout.h"
#include "engine/archive/ShortStringField.h"

#include <algorithm>

namespace {

// The street first: it tells most records apart at once.
constexpr const char *kFieldNames[] = {"ViaImm", "ComuneImm", "Interno", "Scala"};

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

PropertyAddress::PropertyAddress(const RecordLayout &layout, const Texts &texts)
{
    const QString *values[] = {&texts.via, &texts.comune, &texts.interno, &texts.scala};
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int index = layout.indexOf(QLatin1String(kFieldNames[i]));
        Q_ASSERT_X(index >= 0, "PropertyAddress", "the record has no property address");
        Field &field = m_fields[i];
        field.offset = layout.offset(index);
        field.capacity = layout.capacity(index);
        // Exactly the bytes a save would store, so that a text cut to the
        // field matches the record it was saved in.
        const QByteArray stored = ShortStringField::store(*values[i], field.capacity);
        field.folded = ShortStringField::trimmedBytes(stored.constData(), field.capacity).toByteArray();
        std::transform(field.folded.begin(), field.folded.end(), field.folded.begin(), upperAscii);
    }
}

bool PropertyAddress::isEmpty() const
{
    return m_fields[0].folded.isEmpty() && m_fields[1].folded.isEmpty();
}

bool PropertyAddress::matches(const char *record) const
{
    for (const Field &field : m_fields) {
        const QByteArrayView text = ShortStringField::trimmedBytes(record + field.offset, field.capacity);
        if (text.size() != field.folded.size())
            return false;
        const char *wanted = field.folded.constData();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (upperAscii(text[i]) != wanted[i])
                return false;
        }
    }
    return true;
}

QByteArray PropertyAddress::key() const
{
    QByteArray result;
    for (const Field &field : m_fields) {
        // The length first, so that no field's end can pass for another's.
        result += QByteArray::number(field.folded.size()) + ':' + field.folded;
    }
    return result;
}
