#pragma once

class QMainWindow;

// The window's size and place and the layout of its docks, tool bar and splitters, kept in the
// user's configuration from one run to the next. Splitters are told apart by their object
// names.
//
// Puts the window back as it was closed last. On a first start (nothing kept yet) the window
// takes a size that holds the canvas, the text preview and the overview side by side on a
// 1366 × 768 screen with grid cells of 8 pixels at least, centred on the screen.
void restoreWindowLayout(QMainWindow& window);
void saveWindowLayout(const QMainWindow& window);
