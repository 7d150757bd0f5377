#pragma once

// Small helpers that every page builder uses to make its named controls.

#include <QFont>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "ui/widgets/StaticText.h"

namespace feniko::ui {

// Sets the control's objectName to its member name, so tests and screen
// readers find it by the name the code uses.
template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

StaticText* MakeText(QWidget* parent, const char* name, const QString& text, QPoint place,
                     const QFont& font, const QColor& colour = QColor());

// A 98 × 32 push button with a bold maroon caption.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QPoint place);

// The engine's texts are UTF-8.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace feniko::ui
