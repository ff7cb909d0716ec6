// The yardsticks for the start-up benchmark: the least a Qt Widgets program does to put a main
// window on the screen ("Bare window"), and with "--text" the least one does that shows any text
// at all: a menu bar and a label ("Bare window with text"). The first never touches the font
// database; the second pays for it as every real program does, which tells the two costs apart.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
  if (withText) {
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Mean chord 245.31 mm"), &window));
    window.setWindowTitle(QStringLiteral("Bare window with text"));
  } else {
    window.setWindowTitle(QStringLiteral("Bare window"));
  }
  window.show();
  return QApplication::exec();
}
