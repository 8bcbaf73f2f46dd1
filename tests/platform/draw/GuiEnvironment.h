#pragma once
// Fonts and the painter need a GUI application object; test discovery must not make one,
// so it is created as a global test environment, once the tests actually run.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "vadel-test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

inline ::testing::Environment* const g_guiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);
