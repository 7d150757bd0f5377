#include "ui/AppIcon.h"

#include <QtCore/qresource.h>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterArtResources() {
  Q_INIT_RESOURCE(art);
}

namespace feniko::ui {

void RegisterArtwork() {
  static const bool registered = (RegisterArtResources(), true);
  (void)registered;
}

QIcon AppIcon() {
  RegisterArtwork();
  QIcon icon;
  icon.addFile(QStringLiteral(":/art/app-icon-16.svg"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/art/app-icon-small.svg"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/art/app-icon.svg"), QSize(256, 256));
  return icon;
}

}  // namespace feniko::ui
