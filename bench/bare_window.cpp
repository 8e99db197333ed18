// The floor of the program's start: a bare Qt window with one Japanese label, of the start
// screen's size (792 x 568 and its menu bar's 18), so that both put as many pixels on the
// screen. Measured beside the program by bench/measure_start.sh.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Ｚｕｖｏｍａｔｉｃ　メニュー"));
    label.setWindowTitle(QStringLiteral("bare window"));
    label.resize(792, 586);
    label.show();
    return app.exec();
}
