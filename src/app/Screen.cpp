#include "app/Screen.h"

namespace rq {

namespace {

int g_width = 480;
int g_height = 640;

}  // namespace

int ScreenClassForWidth(int widthPixels) {
    if (widthPixels <= 250) return kScreenClassSmall;
    if (widthPixels <= 490) return kScreenClassVga;
    return kScreenClassLarge;
}

int OrientationFor(int widthPixels, int heightPixels) {
    if (heightPixels > widthPixels) return 1;
    if (widthPixels > heightPixels) return -1;
    return 0;
}

void SetScreenSize(int widthPixels, int heightPixels) {
    g_width = widthPixels;
    g_height = heightPixels;
}

int ScreenWidth() {
    return g_width;
}

int ScreenHeight() {
    return g_height;
}

int ScreenClass() {
    return ScreenClassForWidth(g_width);
}

int ScreenOrientation() {
    return OrientationFor(g_width, g_height);
}

}  // namespace rq
