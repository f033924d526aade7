#pragma once

#include <QFont>

// The window's Chinese face at a pixel height: 宋体 where it is installed, otherwise the
// first installed CJK face of a short list.
QFont formFont(int pixelSize);
