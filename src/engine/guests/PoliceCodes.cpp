#include "engine/guests/PoliceCodes.h"

#include "engine/guests/PoliceText.h"
#include "engine/text/DateText.h"
#include "engine/text/TextRules.h"

#include <algorithm>
#include <vector>

QString PolicePlace::label() const
{
    return kind == PlaceKind::Comune ? QStringLiteral("%1 (%2)").arg(name, province) : name;
}

QString PolicePlace::displayText() const
{
    QString text = label();
    if (isCeased())
        text += QStringLiteral(" - cessato il ") + DateText::format(endDate);
    return text;
}

namespace {

QString nameKey(const QString &letters, const QString &province)
{
    return letters + QLatin1Char('|') + province;
}

void appendPlaces(QList<PolicePlace> &places, const QList<PoliceTableRow> &rows, PlaceKind kind)
{
    for (const PoliceTableRow &row : rows)
        places.append(PolicePlace{row.code, row.name, row.province, row.endDate, kind});
}

} // namespace

PoliceCodes::PoliceCodes(const QList<PoliceTableRow> &comuni, const QList<PoliceTableRow> &states,
                         QList<PoliceTableRow> documentTypes, QList<PoliceTableRow> guestTypes)
    : m_comuneCount(int(comuni.size()))
    , m_documentTypes(std::move(documentTypes))
    , m_guestTypes(std::move(guestTypes))
{
    m_places.reserve(comuni.size() + states.size());
    appendPlaces(m_places, comuni, PlaceKind::Comune);
    appendPlaces(m_places, states, PlaceKind::State);
    m_searchKeys.reserve(m_places.size());
    m_placeByCode.reserve(m_places.size());
    for (qsizetype i = 0; i < m_places.size(); ++i) {
        // Typed text and names meet in the form the police file writes.
        m_searchKeys.append(PoliceText::letters(m_places.at(i).name));
        // Each table's codes are its own; should a comune and a state share
        // one, the comune is the one found.
        if (!m_placeByCode.contains(m_places.at(i).code))
            m_placeByCode.insert(m_places.at(i).code, i);
    }
    for (qsizetype i = 0; i < m_documentTypes.size(); ++i)
        m_documentByCode.insert(m_documentTypes.at(i).code, i);
    // Ceased places go in first: a multi-hash gives the latest insertion
    // first, so a valid place of the same name comes before them.
    for (const bool ceased : {true, false}) {
        for (qsizetype i = 0; i < m_places.size(); ++i) {
            const PolicePlace &place = m_places.at(i);
            if (place.isCeased() == ceased)
                m_placesByName.insert(nameKey(m_searchKeys.at(i), place.province), i);
        }
    }
}

std::optional<PolicePlace> PoliceCodes::findPlace(const QString &name, const QString &province,
                                                  PlacePurpose purpose) const
{
    const QString letters = PoliceText::letters(name);
    if (!PoliceText::hasLetter(letters))
        return std::nullopt;
    const QString wantedProvince = TextRules::upperAscii(TextRules::trimmed(province));
    const bool abroad = wantedProvince == QLatin1String("EE");
    const QString key = nameKey(letters, abroad ? QString() : wantedProvince);
    for (auto it = m_placesByName.constFind(key); it != m_placesByName.cend() && it.key() == key; ++it) {
        const PolicePlace &place = m_places.at(it.value());
        if ((place.kind == PlaceKind::State) != abroad)
            continue;
        if (place.isCeased() && purpose == PlacePurpose::Current)
            continue;
        return place;
    }
    return std::nullopt;
}

std::optional<PolicePlace> PoliceCodes::place(const QString &code) const
{
    const auto found = m_placeByCode.constFind(code);
    if (found == m_placeByCode.constEnd())
        return std::nullopt;
    return m_places.at(found.value());
}

QString PoliceCodes::displayText(const QString &code) const
{
    const std::optional<PolicePlace> found = place(code);
    return found ? found->displayText() : QString();
}

QString PoliceCodes::documentTypeName(const QString &code) const
{
    const auto found = m_documentByCode.constFind(code);
    return found == m_documentByCode.constEnd() ? QString() : m_documentTypes.at(found.value()).name;
}

QString PoliceCodes::guestTypeName(GuestType type) const
{
    const QString code = QString::number(static_cast<int>(type));
    for (const PoliceTableRow &row : m_guestTypes) {
        if (row.code == code)
            return row.name;
    }
    return {};
}

QList<PolicePlace> PoliceCodes::search(QStringView typed, PlaceFilter filter, PlacePurpose purpose,
                                       int maxResults) const
{
    const QString key = PoliceText::letters(typed.toString());
    if (!PoliceText::hasLetter(key) || maxResults <= 0)
        return {};
    const qsizetype first = filter == PlaceFilter::States ? m_comuneCount : 0;
    const qsizetype end = filter == PlaceFilter::Comuni ? m_comuneCount : m_places.size();

    struct Match
    {
        int rank;  // 0 valid at the start, 1 ceased at the start, 2 and 3 elsewhere
        qsizetype index;
    };
    std::vector<Match> matches;
    for (qsizetype i = first; i < end; ++i) {
        const bool ceased = m_places.at(i).isCeased();
        if (ceased && purpose == PlacePurpose::Current)
            continue;
        const qsizetype at = m_searchKeys.at(i).indexOf(key);
        if (at < 0)
            continue;
        matches.push_back({(at == 0 ? 0 : 2) + (ceased ? 1 : 0), i});
    }
    const auto before = [this](const Match &a, const Match &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        const int byName = m_searchKeys.at(a.index).compare(m_searchKeys.at(b.index));
        if (byName != 0)
            return byName < 0;
        const int byProvince = m_places.at(a.index).province.compare(m_places.at(b.index).province);
        if (byProvince != 0)
            return byProvince < 0;
        return a.index < b.index;
    };
    const auto shown = matches.begin() + std::min<qsizetype>(maxResults, qsizetype(matches.size()));
    std::partial_sort(matches.begin(), shown, matches.end(), before);

    QList<PolicePlace> result;
    result.reserve(shown - matches.begin());
    for (auto it = matches.begin(); it != shown; ++it)
        result.append(m_places.at(it->index));
    return result;
}
