// The settings tests need a home of their own before Qt looks at any folder,
// and an application object for the pictures (and, for the windows, for the
// widgets and the web engine).
#include <gtest/gtest.h>

#ifdef WITH_WIDGETS
#include <QApplication>

#include "infopage.h"
#else
#include <QGuiApplication>
#endif

#include "home.h"

int main(int argc, char** argv) {
    // Offscreen also while CTest lists the tests, which it does without the
    // tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    talvern::settings::test::testHome();
    ::testing::InitGoogleTest(&argc, argv);
#ifdef WITH_WIDGETS
    talvern::settings::prepareWebEngine();
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    talvern::store::StorePaths::standard();  // the organisation and application names
    return RUN_ALL_TESTS();
}
