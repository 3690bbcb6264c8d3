// The desktop program: `aerolune [FILE]`. Every setting starts from its
// default; a coordinate file given (as a desktop's file manager gives it)
// opens once the window is up.

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "app/Application.h"
#include "ui/toolkit/Fonts.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Design and analyse two-dimensional wing sections.");
    parser.addHelpOption();
    parser.addPositionalArgument("file", "a section coordinate file to open");
    parser.process(qapp);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        std::fprintf(stderr, "aerolune: opens one file; %lld more not opened\n",
                     static_cast<long long>(files.size() - 1));

    aerolune::ui::installFontSubstitutes();
    aerolune::Application application;
    application.StartUp(files.isEmpty() ? std::string() : QFile::encodeName(files.first()).toStdString());
    return qapp.exec();
}
