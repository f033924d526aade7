#pragma once

#include <QApplication>

// The one QApplication of the benchmark program, offscreen, made on first use.
QApplication& benchApplication();
