#include "widgets/checks/EnterKeyFilter.h"

#include <QKeyEvent>

#include <utility>

EnterKeyFilter::EnterKeyFilter(QObject *field, std::function<void()> onEnter)
    : QObject(field)
    , m_onEnter(std::move(onEnter))
{
    field->installEventFilter(this);
}

bool EnterKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (m_onEnter)
        m_onEnter();
    return true;
}
