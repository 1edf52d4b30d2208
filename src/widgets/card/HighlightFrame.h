#pragma once

#include <QFrame>

// The yellow rectangle behind the field that has the focus: 4 pixels larger
// than the field on every side, its border fading from yellow to white.
// Hidden until the field takes the focus, hidden again when it loses it.
class HighlightFrame : public QFrame
{
    Q_OBJECT
public:
    // Creates the frame "eff" + name beside `field` (same parent) and
    // follows the field's focus.
    HighlightFrame(QWidget *field, const QString &objectName);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeBehindField();

    QWidget *m_field;
};
