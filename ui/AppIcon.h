#pragma once

#include <QIcon>

namespace feniko::ui {

// The application icon: the two coin stacks, with simplified drawings for the
// small sizes where the full one would blur. Also makes sure the artwork
// resources of this library are registered.
QIcon AppIcon();

// Registers the artwork resources; needed once before any ":/art/" path is
// used, since they live in a static library.
void RegisterArtwork();

}  // namespace feniko::ui
