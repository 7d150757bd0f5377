// The amount conversion page (tabRMB).

#include "ui/UMain.h"

namespace feniko::ui {

void TFrmMain::BuildRmbPage() {}

void TFrmMain::btnConvertClick() {}

void TFrmMain::txtMoneyKeyUp(int /*key*/, Qt::KeyboardModifiers /*modifiers*/,
                             bool /*autoRepeat*/) {}

void TFrmMain::btnClearClick() {}

void TFrmMain::btnCopyClick() {}

void TFrmMain::tabRMBShow() {}

}  // namespace feniko::ui
