// The emulated device screen: its size in pixels, the screen class the text sizes and
// button images follow, and its orientation.
#pragma once

namespace rq {

// Screen classes by horizontal resolution: up to 250 pixels, 251 to 490, above 490.
inline constexpr int kScreenClassSmall = 3;
inline constexpr int kScreenClassVga = 4;
inline constexpr int kScreenClassLarge = 0;

int ScreenClassForWidth(int widthPixels);
// 1 taller than wide, -1 wider than tall, 0 square.
int OrientationFor(int widthPixels, int heightPixels);

// The screen of this run (480 x 640 until the front end sets another).
void SetScreenSize(int widthPixels, int heightPixels);
int ScreenWidth();
int ScreenHeight();
int ScreenClass();
int ScreenOrientation();

}  // namespace rq
