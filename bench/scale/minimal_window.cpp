// The baseline of a window's start: a Qt widget application that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.setWindowTitle(QStringLiteral("baseline"));
    window.show();
    return app.exec();
}
