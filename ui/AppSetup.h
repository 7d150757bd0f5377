#pragma once

namespace feniko::ui {

// What start-up sets on the application before the window is made: its title
// "Feniko" (the taskbar entry and the error display's caption), the desktop
// entry it belongs to, its icon and font, and the decimal separator of the
// user's regional settings.
void ConfigureApplication();

}  // namespace feniko::ui
