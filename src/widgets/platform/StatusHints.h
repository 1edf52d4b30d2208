#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class QLabel;
class QWidget;

// The hints of a window's status line: while the mouse is over a control
// with a hint, the line shows the hint; when it moves over one of the
// window's background elements (and not over a control lying on it), the
// line is emptied. Elsewhere the line keeps what it shows.
class StatusHints : public QObject
{
    Q_OBJECT
public:
    explicit StatusHints(QObject *parent = nullptr);

    // The label the hints are shown in. A window may mark its elements
    // before it builds its status line.
    void setStatusLine(QLabel *status) { m_status = status; }
    // Shows `hint` while the mouse is over `control`.
    void setHint(QWidget *control, const QString &hint);
    // Empties the line when the mouse moves over `element` itself (or shows
    // the resting text, when there is one).
    void markBackground(QWidget *element);
    // What the line shows at rest instead of nothing (a reminder about the
    // card shown): shown at once, and again whenever the mouse leaves a
    // hint. An empty text takes the resting text away, emptying the line
    // if it still shows it.
    void setRestingText(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QLabel> m_status;
    QHash<QObject *, QString> m_hints;
    QSet<QObject *> m_background;
    QString m_resting;
};
