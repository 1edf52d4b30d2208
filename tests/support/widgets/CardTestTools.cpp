#include "CardTestTools.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <memory>

#include "TestChild.h"

namespace CardTestTools {

QWidget *control(const QWidget *window, const QString &name, std::source_location where)
{
    return TestTools::child<QWidget>(window, name, where);
}

QString textOf(const QWidget *widget)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return QString();
}

void moveMouseOver(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QWidget *nextTabStop(QWidget *from)
{
    QWidget *next = from->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus) || next->focusProxy() || next->isHidden())
        next = next->nextInFocusChain();
    return next;
}

bool showAndActivate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void onNextModal(std::function<void(QWidget *modal)> inspect)
{
    auto *poll = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, started, inspect] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (started->elapsed() > 5000)
                poll->deleteLater();
            return;
        }
        poll->stop();
        poll->deleteLater();
        inspect(modal);
        if (QApplication::activeModalWidget() == modal) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    poll->start(10);
}

} // namespace CardTestTools
