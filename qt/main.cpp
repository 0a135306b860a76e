#include "font_configuration.h"
#include "game_window.h"
#include "icon.h"
#include "layout.h"
#include "text.h"
#include "top_level.h"
#include "translation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The game takes no command line: Qt sees only the program's name, so
    // that options such as -reverse or -stylesheet cannot change the window.
    int qtArgc = argc > 0 ? 1 : 0;
    const qtgui::WaylandStart waylandStart = qtgui::howWaylandStarts();
    std::jthread fontConfiguration = qtgui::startReadingFontConfiguration();
    QApplication app(qtArgc, argv);
    qtgui::installBulgarianQtTexts(app);
    QApplication::setApplicationName(QStringLiteral("Morveta"));
    QApplication::setApplicationVersion(qtgui::toQString(ui::kVersion));
    QApplication::setWindowIcon(qtgui::windowIcon());
    QGuiApplication::setDesktopFileName(qtgui::toQString(ui::kAppId));

    if (fontConfiguration.joinable())
        fontConfiguration.join();
    const std::unique_ptr<QWidget> window = qtgui::makeTopLevelWindow(waylandStart);
    window->show();
    return QApplication::exec();
}
