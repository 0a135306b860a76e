#include "icon.h"
#include "morveta.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morveta"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(ui::windowIcon());

    Morveta window;
    window.show();
    return QApplication::exec();
}
