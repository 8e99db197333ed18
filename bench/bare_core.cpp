// The floor of the command-line tool: a bare QCoreApplication, made and gone. Measured beside
// zuvomatic-cli compile by bench/measure_start.sh.

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}
