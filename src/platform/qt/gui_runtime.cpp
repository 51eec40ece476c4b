#include "platform/qt/gui_runtime.h"

#include <QApplication>
#include <QByteArray>

#include <cstdlib>

namespace platform::qt {

struct GuiRuntime::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
};

GuiRuntime::GuiRuntime(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    impl_ = std::make_unique<Impl>(argc, argv);
}

GuiRuntime::~GuiRuntime() = default;

} // namespace platform::qt
