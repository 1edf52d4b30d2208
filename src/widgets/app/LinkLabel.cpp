#include "widgets/app/LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : ClickableLabel(parent)
{
    setText(text);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(14);
    font.setUnderline(true);
    setFont(font);
    setColour(restingColour());
}

void LinkLabel::addIcon(ClickableLabel *icon)
{
    icon->installEventFilter(this);
    connect(icon, &ClickableLabel::clicked, this, &LinkLabel::clicked);
}

QColor LinkLabel::colour() const
{
    return palette().color(QPalette::WindowText);
}

QColor LinkLabel::restingColour()
{
    return QColor(0, 0, 128);
}

QColor LinkLabel::pressedColour()
{
    return QColor(255, 128, 0);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setColour(pressedColour());
    ClickableLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Back to dark blue before the click's action, which may open a window.
    setColour(restingColour());
    ClickableLabel::mouseReleaseEvent(event);
}

bool LinkLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        setColour(pressedColour());
    else if (event->type() == QEvent::MouseButtonRelease)
        setColour(restingColour());
    return ClickableLabel::eventFilter(watched, event);
}

void LinkLabel::setColour(const QColor &colour)
{
    QPalette shades = palette();
    shades.setColor(QPalette::WindowText, colour);
    setPalette(shades);
}
