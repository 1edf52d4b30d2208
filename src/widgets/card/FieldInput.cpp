#include "widgets/card/FieldInput.h"

#include "engine/text/TextRules.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace FieldInput {

void applyTypingRule(QLineEdit *field, TypingRule rule)
{
    if (rule == TypingRule::None)
        return;
    QObject::connect(field, &QLineEdit::textEdited, field, [field, rule](const QString &text) {
        QString ruled = TextRules::trimmed(text);
        if (rule == TypingRule::TrimUpper)
            ruled = TextRules::upperAscii(ruled);
        if (ruled != text) {
            const int cursor = std::min<int>(field->cursorPosition(), ruled.size());
            field->setText(ruled);
            field->setCursorPosition(cursor);
        }
    });
}

} // namespace FieldInput

DigitOnlyKeyFilter::DigitOnlyKeyFilter(QObject *field, std::function<void()> onEnter)
    : QObject(field)
    , m_onEnter(std::move(onEnter))
{
    field->installEventFilter(this);
}

bool DigitOnlyKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_onEnter)
            m_onEnter();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    // Moving between fields and closing a dialog are not typing.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))
        return false;
    return true;
}
