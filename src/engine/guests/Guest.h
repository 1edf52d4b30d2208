#pragma once

#include "engine/text/TextRules.h"

#include <QDate>
#include <QList>
#include <QString>

// The kinds of guest the State Police guest file knows, by their codes.
enum class GuestType {
    Single = 16,        // alone
    HeadOfFamily = 17,
    HeadOfGroup = 18,
    FamilyMember = 19,  // follows a head of family
    GroupMember = 20,   // follows a head of group
};

// Whether `code` is one of the types above.
constexpr bool isGuestTypeCode(int code)
{
    return code >= static_cast<int>(GuestType::Single) && code <= static_cast<int>(GuestType::GroupMember);
}

// Family and group members follow their head and carry no document.
constexpr bool isMember(GuestType type)
{
    return type == GuestType::FamilyMember || type == GuestType::GroupMember;
}

// A single guest or the head of a family or group: the first of the list,
// and the only one whose document goes to the police.
constexpr bool isHead(GuestType type)
{
    return type == GuestType::Single || type == GuestType::HeadOfFamily || type == GuestType::HeadOfGroup;
}

// One guest of a stay, as the guests window edits it and the guests archive
// keeps it. Places are the police portal's 9-digit codes (a comune or a
// foreign state), looked up in the code tables, never derived.
struct Guest
{
    GuestType type = GuestType::Single;
    QString surname;         // at most 50 characters
    QString name;            // at most 30
    QChar sex;               // 'M' or 'F'; null while not chosen
    QDate birthDate;         // invalid while not given
    QString birthPlace;      // a comune's or a state's code
    QString citizenship;     // a state's code
    QString residence;       // a comune's or a state's code
    // The document: the first guest's only (types 16, 17, 18).
    QString documentType;    // the portal's 5-letter code
    QString documentNumber;  // at most 20
    QString documentPlace;   // where it was issued: a comune's or a state's code
    // Exempt from the tourist tax for a reason other than age or
    // residence ("accompagnatore di paziente"); empty when not.
    QString taxExemption;

    // "Rossi Mario": the surname, then the name, as typed.
    QString fullName() const { return TextRules::trimmed(surname + QLatin1Char(' ') + name); }

    bool operator==(const Guest &) const = default;
};

// Makes the types of a list agree with its first guest: alone, a single
// guest; with others, a head of family unless a head of group, and the
// others its members, without documents (only the head's goes to the
// police).
void normaliseTypes(QList<Guest> &guests);

// The stay the guests belong to, as the police file needs it.
struct Stay
{
    QDate arrival;
    int nights = 0;
    QString apartmentId;  // the property's 6-character code; empty when none
};
