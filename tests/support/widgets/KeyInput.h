#pragma once

#include <QString>

class QWidget;

// Typing into widgets in tests. QTest::keyClicks asserts on non-ASCII text
// under the offscreen platform in Qt 6.4, so characters are sent as key
// events carrying the character.
namespace KeyInput {

void typeText(QWidget *widget, const QString &text);
void pressKey(QWidget *widget, int key, const QString &text = QString());

} // namespace KeyInput
