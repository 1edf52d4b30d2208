#pragma once

#include <QByteArray>
#include <QString>

#include <array>

class RecordLayout;

// What tells one property from another across the archives: its comune,
// street, staircase and flat (ComuneImm, ViaImm, Scala, Interno), which the
// landlord and the contract records both hold. Two addresses are the same
// when each field is, as stored (trimmed, cut to the field), with a to z
// compared regardless of case. Records are compared from their bytes: the
// checks that use it read whole archives.
class PropertyAddress
{
public:
    struct Texts
    {
        QString comune;
        QString via;
        QString scala;
        QString interno;
    };

    // The address as it would be stored in a record of `layout`.
    PropertyAddress(const RecordLayout &layout, const Texts &texts);

    // No comune and no street: the record names no property, so it is the
    // same as none.
    bool isEmpty() const;
    // Whether the record of the layout, from its bytes, is of this property.
    bool matches(const char *record) const;
    // The same for two addresses: equal keys, the same property. For
    // grouping the stays of each property.
    QByteArray key() const;

private:
    struct Field
    {
        int offset = 0;
        int capacity = 0;
        QByteArray folded;  // Windows-1252, trimmed, A to Z upper-cased
    };
    std::array<Field, 4> m_fields;
};
