// The reference pages: the two rate tables (tabRateNew, tabRateOld) and the
// contact page (tabContact).

#include "ui/UMain.h"

namespace feniko::ui {

void TFrmMain::BuildReferencePages() {}

void TFrmMain::imgLinkNewCalcClick() {}

void TFrmMain::imgLinkOldCalcClick() {}

void TFrmMain::lblLinkFenikoClick() {}

}  // namespace feniko::ui
