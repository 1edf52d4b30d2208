#pragma once

class QApplication;

namespace Startup {
int run(QApplication &application);
}
