#pragma once
// What a problem's plot description (its folder's <role>_plot.cpp, named in its row of the
// table of problems) is written with.
#include "framework/plot.h"
