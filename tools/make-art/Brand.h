#pragma once
// The game's identity: logo, icon, window background and the large title pictures.

#include <QImage>
#include <QString>

namespace Art {

// 128 by 128 seamless tile for the windows' background, light so black text stays legible.
QImage backgroundTile();
// 248 by 80 logo "Lexiburst" with its burst, on a transparent ground.
QImage logo();
// 202 by 24 one-line logo.
QImage smallLogo();
// Side of the application icon in drawing units.
inline constexpr int AppIconUnits = 64;
// 64 by 64 application icon.
QImage appIcon();
// The icon drawn at `size` by `size` pixels for the desktop's icon theme.
QImage appIconAt(int size);
// The icon as a scalable picture (without the drop shadow); false when not written.
bool writeAppIconSvg(const QString &path);
// 750 by 257 opening picture shown before the first game.
QImage openingPicture();
// 436 by 360 banner of the lobby download window.
QImage lobbyBanner();

} // namespace Art
