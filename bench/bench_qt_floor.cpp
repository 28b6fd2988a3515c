// The floor under the player's window figures: the least a Qt Widgets
// program on this machine takes to show a main window (a menu bar, a label,
// nothing else) and the memory it holds once shown. bench/run.sh starts it
// beside the players in the desktop comparison and reads its PSS, so that
// the player's own start-up and memory can be told apart from Qt's.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Qt floor")));
    window.resize(400, 300);
    window.show();
    return application.exec();
}
