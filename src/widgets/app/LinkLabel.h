#pragma once

#include "widgets/platform/ClickableLabel.h"

#include <QColor>

// The link of the guide, information and splash windows: underlined Tahoma
// 14 text in dark blue, orange while the mouse button is held down on it or
// on its icon, dark blue again when the button is released. A click on the
// text or on the icon emits clicked().
class LinkLabel : public ClickableLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // A picture beside the link that acts as part of it.
    void addIcon(ClickableLabel *icon);

    QColor colour() const;
    static QColor restingColour();
    static QColor pressedColour();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setColour(const QColor &colour);
};
