// One QApplication for the GUI tests of this program (offscreen platform).
#pragma once

#include <QApplication>

QApplication& TestApp();
