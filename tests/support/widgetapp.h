#pragma once
// The QApplication of a widget test executable.

#include "offscreenapp.h"

#include <QApplication>

namespace zuvo::test {

inline QApplication &widgetApp()
{
    return offscreenApp<QApplication>();
}

} // namespace zuvo::test
