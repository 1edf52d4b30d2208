#include "app/FocusHighlight.h"

#include <QEvent>
#include <QFrame>
#include <QWidget>

FocusHighlight::FocusHighlight(QWidget *field, QFrame *frame)
    : QObject(field)
    , m_field(field)
    , m_frame(frame)
{
    // The frame is a sibling, not a child, of the field: a child would be
    // clipped to the field and could never show around it.
    Q_ASSERT(frame->parentWidget() == field->parentWidget());
    m_frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_frame->setFocusPolicy(Qt::NoFocus);
    m_frame->setVisible(m_field->hasFocus());
    followField();
    m_field->installEventFilter(this);
}

QFrame *FocusHighlight::attach(QWidget *field, const QString &frameName)
{
    auto *frame = new QFrame(field->parentWidget());
    frame->setObjectName(frameName);
    // Yellow, with a paler border so that the edge fades towards the white
    // of the window.
    frame->setStyleSheet(QStringLiteral(
        "QFrame#%1 { background-color: #FFFF00; border: 2px solid #FFFFA8; border-radius: 2px; }")
                             .arg(frameName));
    new FocusHighlight(field, frame);
    return frame;
}

bool FocusHighlight::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            followField();
            m_frame->show();
            break;
        case QEvent::FocusOut:
            m_frame->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            followField();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusHighlight::followField()
{
    m_frame->setGeometry(m_field->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    m_frame->stackUnder(m_field);
}
