// The desktop program. It reads no arguments and no configuration: every
// setting starts from its default.

#include <QApplication>

#include "app/Application.h"
#include "ui/toolkit/Fonts.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    aerolune::ui::installFontSubstitutes();
    aerolune::Application application;
    application.StartUp();
    return qapp.exec();
}
