// The one QApplication of a window-test program, on the offscreen platform
// unless the environment chooses another.
#pragma once

#include <QApplication>

#include <gtest/gtest.h>

namespace orvane::gui::test_support
{

inline void assure_application_qt()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char nom[] = "orvane_gui_tests";
    static char* argv[] = {nom, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

/// A caption without the mark of its keyboard letter ("&Fermer" → "Fermer").
inline QString sans_lettre(QString legende)
{
    return legende.remove('&');
}

/// Base of the window tests: the application exists before the first test.
class TestAvecQt : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { assure_application_qt(); }
};

} // namespace orvane::gui::test_support
