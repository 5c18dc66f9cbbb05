#pragma once

#include <QTemporaryDir>
#include <QtTest>

#include "app/mainapplication.h"

// QTEST_MAIN with the application object of the panel, so that getInstance() works in tests.
#define RVK_TEST_MAIN(TestObject)                                  \
    int main(int argc, char** argv)                                \
    {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))        \
            qputenv("QT_QPA_PLATFORM", "offscreen");               \
        MainApplication app(argc, argv);                           \
        QTemporaryDir appDir;                                      \
        app.setAppDir(appDir.path());                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                   \
        TestObject tc;                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                 \
        return QTest::qExec(&tc, argc, argv);                      \
    }

// QTEST_MAIN for screen tests that need no application object: the screens reach their station (a UiFixture's)
// through the framework alone.
#define RVK_WIDGET_TEST_MAIN(TestObject)                           \
    int main(int argc, char** argv)                                \
    {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))        \
            qputenv("QT_QPA_PLATFORM", "offscreen");               \
        QApplication app(argc, argv);                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                   \
        TestObject tc;                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                 \
        return QTest::qExec(&tc, argc, argv);                      \
    }
