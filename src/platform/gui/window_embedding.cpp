#include "platform/gui/window_embedding.hpp"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef _WIN32
#include <htmlhelp.h>
#include <windows.h>
#endif

namespace quimbo::platform {

bool embedInForeignWindow(QWidget& window, std::uint32_t handle) {
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal") {
        return false;  // no foreign windows to reach
    }
    QWindow* foreign = QWindow::fromWinId(static_cast<WId>(handle));
    if (!foreign) {
        return false;
    }
    window.winId();  // make sure the widget has its native window
    window.windowHandle()->setParent(foreign);
    return true;
}

bool openSystemHelp(const char* chmFile, std::uint32_t context, bool contents) {
#ifdef _WIN32
    const HWND viewer = contents ? HtmlHelpA(nullptr, chmFile, HH_DISPLAY_TOC, 0)
                                 : HtmlHelpA(nullptr, chmFile, HH_HELP_CONTEXT, context);
    return viewer != nullptr;
#else
    (void)chmFile;
    (void)context;
    (void)contents;
    return false;
#endif
}

}  // namespace quimbo::platform
