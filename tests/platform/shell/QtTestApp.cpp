#include "tests/platform/shell/QtTestApp.h"

#include <gtest/gtest.h>

namespace {

// Owns the application for the test run; it goes away when the tests end,
// before the static destructors at exit, which Qt's globals do not survive.
class QtAppEnvironment : public ::testing::Environment {
public:
    QApplication& App()
    {
        if (m_app == nullptr)
            m_app = new QApplication(m_argc, m_argv);
        return *m_app;
    }

    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    int m_argc = 1;
    char m_name[18] = "dayvane_gui_tests";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_app = nullptr;
};

QtAppEnvironment* const g_environment = static_cast<QtAppEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment));

}  // namespace

QApplication& TestApp() { return g_environment->App(); }
