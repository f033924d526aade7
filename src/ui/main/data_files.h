#pragma once

#include <QString>

// Where a file that comes with the program lies: beside the program in the build tree, or in
// the share/kelvane folder of the prefix the program is installed under (found from the
// program's own place, so an unpacked package works where it lies). The installed place is
// returned when neither holds it.
QString dataFilePath(const QString& name);
