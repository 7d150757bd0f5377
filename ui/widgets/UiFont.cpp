#include "ui/widgets/UiFont.h"

#include <QStringList>

namespace feniko::ui {

QFont UiFont(int pixelHeight, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun"),
                    QStringLiteral("Droid Sans Fallback")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

}  // namespace feniko::ui
