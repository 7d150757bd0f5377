// Start-up: the application titled "Feniko" and its one window. The program
// reads no command line and keeps no settings.

#include <QApplication>

#include "ui/AppSetup.h"
#include "ui/UMain.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  feniko::ui::ConfigureApplication();
  feniko::ui::TFrmMain window;
  window.show();
  return QApplication::exec();
}
