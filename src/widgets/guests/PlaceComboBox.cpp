#include "widgets/guests/PlaceComboBox.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

namespace {

constexpr int kOffered = 40;

} // namespace

PlaceComboBox::PlaceComboBox(const PoliceCodes &codes, PlaceFilter filter, PlacePurpose purpose, QWidget *parent)
    : QComboBox(parent)
    , m_codes(codes)
    , m_filter(filter)
    , m_purpose(purpose)
    , m_offers(new QStringListModel(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(15);
    setModel(m_offers);
    // The offers come already chosen and ordered by the tables' search: the
    // completer shows them as they are.
    auto *completer = new QCompleter(m_offers, this);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    setCompleter(completer);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &typed) {
        offer(typed);
        emit placeEdited();
    });
    connect(this, &QComboBox::activated, this, [this] { emit placeEdited(); });
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this, [this] { emit placeEdited(); });
}

void PlaceComboBox::offer(const QString &typed)
{
    QStringList texts;
    const QList<PolicePlace> places = m_codes.search(typed, m_filter, m_purpose, kOffered);
    for (const PolicePlace &place : places) {
        const QString text = place.displayText();
        m_codeByText.insert(text, place.code);
        texts.append(text);
    }
    // Setting the model's list must not change what the user is typing.
    const QString current = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    m_offers->setStringList(texts);
    lineEdit()->setText(current);
    lineEdit()->setCursorPosition(cursor);
    if (!texts.isEmpty() && hasFocus())
        completer()->complete();
}

QString PlaceComboBox::code() const
{
    return m_codeByText.value(currentText().trimmed());
}

void PlaceComboBox::setCode(const QString &code)
{
    const QString text = m_codes.displayText(code);
    if (!text.isEmpty())
        m_codeByText.insert(text, code);
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(0);
}
