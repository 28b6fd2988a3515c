#pragma once
// The player's own icon (a 64 x 64 PNG compiled in): the windows' icon, and
// the image the desktop shows for the player and its files.

#include <QIcon>

#include <string>

namespace taleno {

QIcon AppIcon();
// The PNG file's bytes.
std::string AppIconPng();

}  // namespace taleno
