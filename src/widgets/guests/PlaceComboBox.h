#pragma once

#include "engine/guests/PoliceCodes.h"

#include <QComboBox>

class QStringListModel;

// A comune or a foreign state chosen from the police code tables by typing
// part of its name: "rimi" offers RIMINI (RN) first. The combo shows the
// place's name; code() is the police code of the place shown, empty while
// the text names none.
class PlaceComboBox : public QComboBox
{
    Q_OBJECT
public:
    PlaceComboBox(const PoliceCodes &codes, PlaceFilter filter, PlacePurpose purpose, QWidget *parent = nullptr);

    QString code() const;
    // Shows the place of `code` (nothing for an empty or unknown code).
    void setCode(const QString &code);

signals:
    // The user changed the place: typed, picked, or cleared it.
    void placeEdited();

private:
    void offer(const QString &typed);

    const PoliceCodes &m_codes;
    PlaceFilter m_filter;
    PlacePurpose m_purpose;
    QStringListModel *m_offers = nullptr;
    QHash<QString, QString> m_codeByText;  // every place offered or shown
};
