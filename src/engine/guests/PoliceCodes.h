#pragma once

#include "engine/guests/Guest.h"
#include "engine/guests/PoliceTable.h"

#include <QDate>
#include <QHash>
#include <QMultiHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Whether a place code names an Italian comune or a foreign state (Italy
// itself is a state of the states table).
enum class PlaceKind { Comune, State };

// Which places a type-ahead search offers.
enum class PlaceFilter { Comuni, States, ComuniAndStates };

// What a place is for. A ceased comune or state is still a birth place
// ("RIMINI (FO)" until 1992), never a place of residence or of issue.
enum class PlacePurpose { Birth, Current };

// A comune or a state of the police tables.
struct PolicePlace
{
    QString code;
    QString name;
    QString province;  // a comune's two letters; empty for a state
    QDate endDate;     // invalid while the code is valid
    PlaceKind kind = PlaceKind::Comune;

    bool isCeased() const { return endDate.isValid(); }
    // Whether the place existed on `day`: a code that ceased on a day was
    // already gone on that day.
    bool existedOn(const QDate &day) const { return !isCeased() || day < endDate; }
    // "RIMINI (RN)", "RIMINI (FO)"; a state by its name ("FRANCIA").
    QString label() const;
    // The label, and the end date of a ceased place: "RIMINI (RN)";
    // "RIMINI (FO) - cessato il 05/03/1992"; "FRANCIA".
    QString displayText() const;
};

// The code tables in use, with the look-ups that the guests window and the
// police file need. Built from the four parsed tables; a plain value,
// cheap to copy.
class PoliceCodes
{
public:
    // Italy in the states table: the birth state of everyone born in an
    // Italian comune.
    static QString italyCode() { return QStringLiteral("100000100"); }

    PoliceCodes() = default;
    PoliceCodes(const QList<PoliceTableRow> &comuni, const QList<PoliceTableRow> &states,
                QList<PoliceTableRow> documentTypes, QList<PoliceTableRow> guestTypes);

    // The comune or state of that code.
    std::optional<PolicePlace> place(const QString &code) const;
    // "RIMINI (RN)" and the like; empty for an unknown code.
    QString displayText(const QString &code) const;

    // The document types in the table's order, for a list to choose from.
    const QList<PoliceTableRow> &documentTypes() const { return m_documentTypes; }
    // A document type's name ("PASSAPORTO ORDINARIO"); empty when unknown.
    QString documentTypeName(const QString &code) const;
    bool hasDocumentType(const QString &code) const { return m_documentByCode.contains(code); }
    // A guest type's name ("CAPO FAMIGLIA"); empty when the table lacks it.
    QString guestTypeName(GuestType type) const;

    // The places whose name holds `typed` (case-blind, accents as the
    // tables write them: "forlì" finds "FORLI'"), for a type-ahead list:
    // names starting with it first, then those holding it elsewhere; in
    // each part valid places before ceased ones, then by name and province.
    // Ceased places are offered only for birth places. At most `maxResults`;
    // nothing for a text without letters.
    QList<PolicePlace> search(QStringView typed, PlaceFilter filter, PlacePurpose purpose,
                              int maxResults = 50) const;

    // The place a record names by its comune and province ("RIMINI", "RN"),
    // or by a foreign state's name with the province "EE": the names
    // compared as the tables write them ("Forlì" is FORLI'), a valid place
    // before a ceased one of the same name. Nothing when none is named so.
    std::optional<PolicePlace> findPlace(const QString &name, const QString &province,
                                         PlacePurpose purpose = PlacePurpose::Current) const;

    int comuneCount() const { return m_comuneCount; }
    int stateCount() const { return int(m_places.size()) - m_comuneCount; }
    int documentTypeCount() const { return int(m_documentTypes.size()); }

private:
    QList<PolicePlace> m_places;        // the comuni, then the states
    QList<QString> m_searchKeys;        // each place's name as a search sees it
    QHash<QString, qsizetype> m_placeByCode;
    // Name and province ("RIMINI|RN"; a state's name alone) to every place
    // so named, valid ones first.
    QMultiHash<QString, qsizetype> m_placesByName;
    int m_comuneCount = 0;
    QList<PoliceTableRow> m_documentTypes;
    QHash<QString, qsizetype> m_documentByCode;
    QList<PoliceTableRow> m_guestTypes;
};
