#pragma once

#include <QIcon>

// An icon of the desktop theme, or the bundled picture of the same name when the theme has none
// (a bare desktop still shows every icon).
QIcon ThemeIcon(const char* name);
