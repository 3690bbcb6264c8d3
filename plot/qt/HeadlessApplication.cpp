#include "plot/qt/HeadlessApplication.h"

#include <stdlib.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace aerolune::plot {

namespace {

std::string& privateRuntimeFolder() {
    static std::string folder;
    return folder;
}

void removePrivateRuntimeFolder() {
    std::error_code ignored;
    if (!privateRuntimeFolder().empty()) std::filesystem::remove_all(privateRuntimeFolder(), ignored);
}

// mkdtemp makes the folder with a random name, readable by its owner only,
// and fails rather than reuse one that exists.
void makePrivateRuntimeFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/aerolune-XXXXXX";
    if (!mkdtemp(pattern.data())) return;  // Qt then says why it has no runtime folder
    privateRuntimeFolder() = pattern;
    std::atexit(removePrivateRuntimeFolder);  // registered first, so it runs after the application ends
    setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
}

}  // namespace

void ensureHeadlessApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) makePrivateRuntimeFolder();
    static int argc = 1;
    static char name[] = "aerolune";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace aerolune::plot
