#pragma once

#include <QString>

// The program's string resources by id; an unknown id gives an empty string.
QString LoadStringResource(int nId);
