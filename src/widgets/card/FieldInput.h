#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// What a field does with the text the user types (not with text the program
// sets): nothing, trim it, or trim it and upper-case a to z.
enum class TypingRule { None, Trim, TrimUpper };

namespace FieldInput {

// Applies the rule after every change the user types into the field.
void applyTypingRule(QLineEdit *field, TypingRule rule);

} // namespace FieldInput

// The digit-only key filter: Enter runs `onEnter`; Backspace, Delete and the
// Left and Right arrows act normally; a digit is typed; every other key is
// discarded, but for Tab and Escape, which move between fields or close a
// dialog rather than type. Text that arrives another way (pasted, set by the program) is
// not filtered.
class DigitOnlyKeyFilter : public QObject
{
    Q_OBJECT
public:
    DigitOnlyKeyFilter(QObject *field, std::function<void()> onEnter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onEnter;
};
