#pragma once
// The main() of the Qt test executables: the QApplication is created after
// gtest has read its flags, so test discovery never needs a display. A modal
// box left unanswered fails the test instead of blocking it.

#include <gtest/gtest.h>

#include <QApplication>

#include "support/ModalWatchdog.h"
#include "ui/toolkit/Fonts.h"

namespace aerolune::test {

inline int runQtTests(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    aerolune::ui::installFontSubstitutes();
    ModalWatchdog watchdog;
    return RUN_ALL_TESTS();
}

}  // namespace aerolune::test
