#pragma once
// One QApplication for a GoogleTest program, created when the tests run (not when they are
// listed), on the offscreen platform unless the caller chose another.
#include <QApplication>

#include <gtest/gtest.h>

class CGuiTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char arg0[] = "vadel-test";
        static char* argv[] = {arg0, nullptr};
        m_pApp = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_pApp;
        m_pApp = nullptr;
    }

private:
    QApplication* m_pApp = nullptr;
};

inline ::testing::Environment* const g_pGuiTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new CGuiTestEnvironment);
