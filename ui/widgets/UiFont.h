#pragma once

#include <QColor>
#include <QFont>

namespace feniko::ui {

// The window's font at a given character height in pixels. "MS Sans Serif"
// comes first so that a machine that has it looks like the original; the CJK
// families behind it carry the Chinese text (and the Latin text where the
// first is missing).
QFont UiFont(int pixelHeight = 11, bool bold = false);

// The fixed colours of the pages.
inline const QColor kMaroon{128, 0, 0};
inline const QColor kGrey{128, 128, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kBlue{0, 0, 255};

}  // namespace feniko::ui
