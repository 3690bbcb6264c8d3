// A box nobody answers must fail the test that opened it and be closed, so
// the window tests end instead of waiting for a click.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QMessageBox>

#include "support/ModalWatchdog.h"

namespace aerolune::test {
namespace {

// Opens a box and waits in its event loop, as a handler showing a message does.
int openUnansweredBox() {
    ModalWatchdog watchdog(200);
    QMessageBox box(QMessageBox::Warning, "Aerolune", "Cannot read line 7");
    return box.exec();
}

TEST(ModalWatchdog, FailsNamingAnUnansweredBoxAndClosesIt) {
    int result = -1;
    EXPECT_NONFATAL_FAILURE(result = openUnansweredBox(), "message box \"Cannot read line 7\"");
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace aerolune::test
