#include "ui/widgets/PageBuilding.h"

#include <QPalette>

#include "ui/widgets/UiFont.h"

namespace feniko::ui {

StaticText* MakeText(QWidget* parent, const char* name, const QString& text, QPoint place,
                     const QFont& font, const QColor& colour) {
  auto* label = Named(new StaticText(parent), name);
  label->setFont(font);
  if (colour.isValid()) label->SetTextColour(colour);
  label->move(place);
  label->SetText(text);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QPoint place) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setFont(UiFont(11, true));
  QPalette colours = button->palette();
  colours.setColor(QPalette::ButtonText, kMaroon);
  button->setPalette(colours);
  button->setGeometry(QRect(place, QSize(98, 32)));
  button->setAutoDefault(false);
  return button;
}

}  // namespace feniko::ui
