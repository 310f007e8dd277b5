// The one QApplication of the test program, made on first use in the offscreen
// platform unless another platform is asked for.
#pragma once

#include <QApplication>

namespace rq::test {

inline QApplication& TestApp() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    static int argc = 1;
    static char name[] = "rq_tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return *new QApplication(argc, argv);
}

}  // namespace rq::test
