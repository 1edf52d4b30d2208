#pragma once

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

    bool operator==(const Guest &) const = default;
};

// The stay the guests belong to, as the police file needs it.
struct Stay
{
    QDate arrival;
    int nights = 0;
    QString apartmentId;  // the property's 6-character code; empty when none
};
