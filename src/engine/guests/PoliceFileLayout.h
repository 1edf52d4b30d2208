#pragma once

// The line of one guest in the State Police guest file ("schedine" for the
// Alloggiati Web portal): fixed columns of plain ASCII, text padded with
// blanks on the right, one line per guest, CR LF between lines.
namespace PoliceFileLayout {

struct Field
{
    int start;  // 0-based
    int width;
};

constexpr Field GuestType{0, 2};          // 16 to 20
constexpr Field Arrival{2, 10};           // dd/mm/yyyy
constexpr Field Nights{12, 2};            // "01" to "30"
constexpr Field Surname{14, 50};
constexpr Field Name{64, 30};
constexpr Field Sex{94, 1};               // 1 male, 2 female
constexpr Field BirthDate{95, 10};        // dd/mm/yyyy
constexpr Field BirthComune{105, 9};      // blank when born abroad
constexpr Field BirthProvince{114, 2};    // blank when born abroad
constexpr Field BirthState{116, 9};       // Italy for an Italian comune
constexpr Field Citizenship{125, 9};
constexpr Field DocumentType{134, 5};     // blank for family and group members
constexpr Field DocumentNumber{139, 20};  // blank for members
constexpr Field DocumentPlace{159, 9};    // a comune or a state; blank for members
// Accounts that manage several apartments end each line with the
// apartment's id.
constexpr Field ApartmentId{168, 6};

constexpr int LineLength = 168;
constexpr int LineLengthWithApartment = 174;
constexpr int MaxNights = 30;

} // namespace PoliceFileLayout
