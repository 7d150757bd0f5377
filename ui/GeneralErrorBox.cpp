#include "ui/GeneralErrorBox.h"

#include <QMessageBox>
#include <QString>

#include "pages/ErrorDisplay.h"
#include "ui/widgets/PageBuilding.h"

namespace feniko::ui {

void ShowGeneralError(QWidget* parent, std::string_view message) {
  QMessageBox box(QMessageBox::Critical, FromUtf8(kApplicationTitle),
                  FromUtf8(ErrorDisplayText(message)), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace feniko::ui
