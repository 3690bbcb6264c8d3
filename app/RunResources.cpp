#include "app/RunResources.h"

#include <QApplication>
#include <QLocale>
#include <QPrinter>

#include "ui/HelpViewer.h"

namespace aerolune {

RunResources::RunResources() = default;
RunResources::~RunResources() = default;

QString RunResources::helpFolder() const {
    return helpFolder_.isEmpty() ? QApplication::applicationDirPath() : helpFolder_;
}

ui::HelpViewer& RunResources::helpWindow(QWidget* owner) {
    if (!helpWindow_) {
        helpWindow_ = new ui::HelpViewer(owner);
    } else if (owner && helpWindow_->parentWidget() != owner) {
        helpWindow_->setParent(owner, helpWindow_->windowFlags());  // a window belongs to its new owner
    }
    return *helpWindow_;
}

QPrinter& RunResources::templatePrinter() {
    if (!templatePrinter_) {
        templatePrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const bool imperial = QLocale::system().measurementSystem() != QLocale::MetricSystem;
        templatePrinter_->setPageSize(QPageSize(imperial ? QPageSize::Letter : QPageSize::A4));
    }
    return *templatePrinter_;
}

}  // namespace aerolune
