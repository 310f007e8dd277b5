// The one QApplication of the test program, made on first use in the offscreen platform.
#pragma once

#include <QApplication>

namespace rq::test {

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "rq_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace rq::test
