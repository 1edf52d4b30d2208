#include "widgets/platform/DialogButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace DialogButtons {

QPushButton *make(const QString &name, const QString &text, QWidget *parent, QSize minimum)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setMinimumSize(minimum);
    return button;
}

QHBoxLayout *row(std::initializer_list<QPushButton *> buttons)
{
    auto *layout = new QHBoxLayout;
    layout->addStretch();
    for (QPushButton *button : buttons)
        layout->addWidget(button);
    return layout;
}

QPushButton *action(const QString &name, const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout *split(std::initializer_list<QPushButton *> left, std::initializer_list<QPushButton *> right)
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *button : left)
        layout->addWidget(button);
    layout->addStretch();
    for (QPushButton *button : right)
        layout->addWidget(button);
    return layout;
}

} // namespace DialogButtons
