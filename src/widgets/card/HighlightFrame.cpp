#include "widgets/card/HighlightFrame.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int kMargin = 4;
}

HighlightFrame::HighlightFrame(QWidget *field, const QString &objectName)
    : QFrame(field->parentWidget())
    , m_field(field)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeBehindField();
    hide();
    field->installEventFilter(this);
}

void HighlightFrame::placeBehindField()
{
    setGeometry(m_field->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    stackUnder(m_field);
}

bool HighlightFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            placeBehindField();
            show();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            placeBehindField();
            break;
        default:
            break;
        }
    }
    return false;
}

void HighlightFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor yellow(255, 236, 64);
    for (int band = 0; band < kMargin; ++band) {
        // From white at the outer edge to full yellow next to the field.
        QColor shade = yellow;
        shade.setAlpha(60 + band * 195 / kMargin);
        painter.setPen(shade);
        painter.drawRect(rect().adjusted(band, band, -band - 1, -band - 1));
    }
    painter.fillRect(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), yellow);
}
