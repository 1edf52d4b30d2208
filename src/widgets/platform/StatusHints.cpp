#include "widgets/platform/StatusHints.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

StatusHints::StatusHints(QObject *parent)
    : QObject(parent)
{
}

void StatusHints::setHint(QWidget *control, const QString &hint)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
    m_hints.insert(control, hint);
}

void StatusHints::markBackground(QWidget *element)
{
    element->setMouseTracking(true);
    element->installEventFilter(this);
    m_background.insert(element);
}

void StatusHints::setRestingText(const QString &text)
{
    if (m_status) {
        if (!text.isEmpty())
            m_status->setText(text);
        else if (!m_resting.isEmpty() && m_status->text() == m_resting)
            m_status->clear();
    }
    m_resting = text;
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    if (m_status && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.cend()) {
            m_status->setText(*hint);
        } else if (event->type() == QEvent::MouseMove && m_background.contains(watched)) {
            // Only the element itself empties the line, not a control or a
            // label lying on it whose move reaches it.
            auto *element = static_cast<QWidget *>(watched);
            QWidget *under = element->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (!under || m_background.contains(under))
                m_status->setText(m_resting);
        }
    }
    return QObject::eventFilter(watched, event);
}
