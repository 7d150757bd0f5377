#include "ui/AppSetup.h"

#include <QApplication>

#include "platform/RegionalSettings.h"
#include "ui/AppIcon.h"
#include "ui/widgets/UiFont.h"

namespace feniko::ui {

void ConfigureApplication() {
  QApplication::setApplicationName(QStringLiteral("Feniko"));
  QGuiApplication::setDesktopFileName(QStringLiteral("feniko"));
  QApplication::setWindowIcon(AppIcon());
  // Menus and message boxes are windows of their own and take this font.
  QApplication::setFont(UiFont());
  platform::RefreshDecimalSeparator();
}

}  // namespace feniko::ui
