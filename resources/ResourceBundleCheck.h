// Structural check of a binary resource bundle (Qt's rcc format) before it
// is handed to QResource, which trusts every offset inside the file.
#pragma once

#include <QByteArray>

// True when the header is right and every tree entry, name and data block
// the bundle refers to lies inside the data, and the tree has no loops.
bool IsWellFormedResourceBundle(const QByteArray& data);
