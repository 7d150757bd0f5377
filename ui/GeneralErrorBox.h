#pragma once

#include <string_view>

class QWidget;

namespace feniko::ui {

// The general error display: a modal message box titled with the application
// title, the error icon, one OK button and the failure's message with the
// closing "." rule applied. Returns when the user closes it.
void ShowGeneralError(QWidget* parent, std::string_view message);

}  // namespace feniko::ui
