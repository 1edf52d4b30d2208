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

} // namespace DialogButtons
