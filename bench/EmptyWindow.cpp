// The start-up benchmark's peer: the least a Qt Widgets program can show, one
// empty window of Feniko's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Empty"));
  window.resize(840, 595);
  window.show();
  return QApplication::exec();
}
