// The control of a window found by its object name, as the window tests
// drive them; a missing control fails the test.
#pragma once

#include <QWidget>

#include <gtest/gtest.h>

namespace orvane::gui
{

template <class T>
T* controle(QWidget& fenetre, const char* nom)
{
    T* c = fenetre.findChild<T*>(nom);
    EXPECT_NE(c, nullptr) << nom;
    return c;
}

} // namespace orvane::gui
