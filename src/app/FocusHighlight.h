#pragma once

#include <QObject>

class QFrame;
class QWidget;

// The yellow rectangle behind the field that has the focus. It is a frame
// beside the field (same parent), kept a few pixels larger than the field on
// every side and stacked just under it, shown while the field has the focus
// and hidden otherwise. It follows the field when the field moves or is
// resized, so windows may place their fields with layouts.
class FocusHighlight : public QObject
{
    Q_OBJECT

public:
    // How far the frame reaches beyond the field on every side.
    static constexpr int kMargin = 4;

    // Watches `field` and drives `frame`; both must share the same parent.
    // Owned by the field.
    FocusHighlight(QWidget *field, QFrame *frame);

    // Creates the usual highlight frame named `frameName` for `field`, and
    // the FocusHighlight that drives it. The frame is owned by the field's
    // parent; it starts hidden unless the field already has the focus.
    static QFrame *attach(QWidget *field, const QString &frameName);

    QFrame *frame() const { return m_frame; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followField();

    QWidget *m_field;
    QFrame *m_frame;
};
