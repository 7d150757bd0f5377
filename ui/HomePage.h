#pragma once

#include <string_view>

namespace feniko::ui {

// The product's home page: every home-page link of the window opens this one
// address, and the contact page shows it.
inline constexpr std::string_view kHomePageAddress = "https://feniko.example.com/";

}  // namespace feniko::ui
