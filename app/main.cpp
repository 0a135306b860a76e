#include "icon.h"
#include "layout.h"
#include "morveta.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morveta"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(ui::windowIcon());
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(ui::kAppId.data(), qsizetype(ui::kAppId.size())));

    Morveta window;
    window.show();
    return QApplication::exec();
}
