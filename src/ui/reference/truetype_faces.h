#pragma once

#include <QStringList>

// The families of the installed TrueType faces that can draw text, sorted by name, as
// fontconfig tells them: symbol fonts (faces whose character set is a symbol set, that Qt
// classes as symbol faces, or that draw nothing for "A") are left out, and so are names the
// settings file (GBK) cannot keep.
QStringList trueTypeFaces();
