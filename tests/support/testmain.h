#pragma once

#include <QTemporaryDir>
#include <QtTest>

#include "app/mainapplication.h"

namespace TestMain {
// The panel's application object works in a folder of the test's own; a plain one needs none.
inline void useFolder(MainApplication& app, const QString& dir) { app.setAppDir(dir); }
inline void useFolder(QApplication&, const QString&) {}
} // namespace TestMain

// QTEST_MAIN with an application object of type `App`.
#define RVK_TEST_MAIN_WITH(App, TestObject)                        \
    int main(int argc, char** argv)                                \
    {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))        \
            qputenv("QT_QPA_PLATFORM", "offscreen");               \
        App app(argc, argv);                                       \
        QTemporaryDir appDir;                                      \
        TestMain::useFolder(app, appDir.path());                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                   \
        TestObject tc;                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                 \
        return QTest::qExec(&tc, argc, argv);                      \
    }

// With the application object of the panel, so that getInstance() works in tests.
#define RVK_TEST_MAIN(TestObject) RVK_TEST_MAIN_WITH(MainApplication, TestObject)

// For screen tests that need no application object: the screens reach their station (a UiFixture's) through the
// framework alone.
#define RVK_WIDGET_TEST_MAIN(TestObject) RVK_TEST_MAIN_WITH(QApplication, TestObject)
