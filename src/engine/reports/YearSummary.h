#pragma once

#include "engine/reports/ReportStays.h"
#include "engine/reports/ReportTable.h"
#include "engine/reports/YearReceipts.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The yearly summary of the lettings, per property and per landlord.
//
// Contracts and their rents count in the year their stay begins; the
// nights let are those that fall in the year, whatever year the stay began.
// A receipt of the year counts for a property when its payer is the tenant
// of one of that property's contracts of the year and of no other
// property's; the others are totalled apart.
//
// For each landlord (by fiscal code) the summary counts the properties let
// in the year: from a set number of properties (3 unless set otherwise)
// short lettings count as a business activity, and the summary says so.
// The flat-tax ("cedolare secca") figure is an estimate on the rents
// agreed: the first rate (21 %) on the property with the highest rents,
// the other rate (26 %) on the rest.
namespace YearSummary {

struct Settings
{
    int businessThreshold = 3;        // properties
    qint64 firstRateBasisPoints = 2100;
    qint64 otherRateBasisPoints = 2600;

    bool operator==(const Settings &) const = default;
};

// In Rovoziv.ini, section "Riepilogo Annuale": "Soglia Impresa" (a number
// of properties), "Cedolare Prima" and "Cedolare Altre" (percentages, "21",
// "26"). Absent or unreadable values are the defaults.
QString settingsFile();
Settings readSettings(const QString &settingsPath);
bool writeSettings(const QString &settingsPath, const Settings &settings);

// The values as typed in the reports window and as stored, read by the same
// rules so that what is saved is what is read back: the threshold a whole
// number of properties from 1 to 9999, a rate a percentage up to 100.
// Nothing when the text does not read so.
constexpr int kThresholdDigits = 4;
std::optional<int> parseThreshold(const QString &text);
std::optional<qint64> parseRate(const QString &text);

struct PropertyLine
{
    ReportProperty property;
    QString landlord;
    QString fiscalCode;
    int contracts = 0;
    int nights = 0;
    qint64 rentCents = 0;
    int unreadableRents = 0;
    int receipts = 0;
    qint64 receiptCents = 0;
};

struct LandlordLine
{
    QString landlord;
    QString fiscalCode;
    int properties = 0;
    qint64 rentCents = 0;
    qint64 estimateCents = 0;
    bool business = false;  // the properties reach the threshold
};

struct Summary
{
    int year = 0;
    QString propertyLabel;           // the property chosen; empty for all
    QList<PropertyLine> properties;  // by label
    QList<LandlordLine> landlords;   // by name
    PropertyLine total;              // the sums of the property lines
    int receipts = 0;                // every receipt of the year
    qint64 receiptCents = 0;
    int unattributedReceipts = 0;
    qint64 unattributedCents = 0;
    int unreadableReceipts = 0;      // whose amount does not read
    int unreadableContracts = 0;
};

// `propertyKey` chooses one property (ReportProperty::key); empty for all.
// The landlords of the property chosen are summed over all their
// properties, since the threshold and the rates count them all.
Summary compute(const ReportStayList &stays, const QList<YearReceipt> &receipts, int year,
                const QByteArray &propertyKey, const Settings &settings);

ReportTable table(const Summary &summary, const Settings &settings);

} // namespace YearSummary
