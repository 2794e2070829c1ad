// The baseline of a command-line start: a QtCore program that prints one line.
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::puts("drapier-cli baseline 1.0");
    return 0;
}
