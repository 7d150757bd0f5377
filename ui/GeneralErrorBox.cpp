#include "ui/GeneralErrorBox.h"

#include <QMessageBox>
#include <QString>

#include "pages/ErrorDisplay.h"

namespace feniko::ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void ShowGeneralError(QWidget* parent, std::string_view message) {
  QMessageBox box(QMessageBox::Critical, FromUtf8(kApplicationTitle),
                  FromUtf8(ErrorDisplayText(message)), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace feniko::ui
