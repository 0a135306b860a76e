// The yardstick for the game's start-up, idle cost and memory: the least a
// Qt 6 program can be and still show what the game's timer drives, a
// 522 x 354 window with three disabled radio buttons and a 100 ms timer that
// moves the checked, coloured one at random. With --text it also shows one
// line of Cyrillic text, and so pays for the font system as the game does.
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstring>
#include <random>

int main(int argc, char* argv[])
{
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(522, 354);
    if (text)
        (new QLabel(QStringLiteral("Морвета - камък, ножица, хартия"), &window))
            ->setGeometry(104, 0, 313, 25);
    std::array<QRadioButton*, 3> marks{};
    for (int i = 0; i < 3; ++i) {
        marks[std::size_t(i)] = new QRadioButton(&window);
        marks[std::size_t(i)]->setGeometry(336, 40 + 32 * i, 17, 25);
        marks[std::size_t(i)]->setEnabled(false);
        marks[std::size_t(i)]->setAutoExclusive(false);
        marks[std::size_t(i)]->setAutoFillBackground(true);
    }
    std::mt19937 random(std::random_device{}());
    std::size_t shown = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QPalette idle = marks[shown]->palette();
        idle.setColor(QPalette::Button, QColor(128, 255, 128));
        marks[shown]->setPalette(idle);
        marks[shown]->setChecked(false);
        shown = std::uniform_int_distribution<std::size_t>(0, 2)(random);
        QPalette picked = marks[shown]->palette();
        picked.setColor(QPalette::Button, QColor(192, 64, 0));
        marks[shown]->setPalette(picked);
        marks[shown]->setChecked(true);
    });
    timer.start(100);
    window.show();
    return QApplication::exec();
}
