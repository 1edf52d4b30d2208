#pragma once

#include <QObject>

#include <functional>

// Takes the Enter and Return keys away from a field and runs `onEnter`
// instead. Inside a dialog an unhandled Enter would otherwise reach the
// dialog and click its default button.
class EnterKeyFilter : public QObject
{
    Q_OBJECT
public:
    EnterKeyFilter(QObject *field, std::function<void()> onEnter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onEnter;
};
