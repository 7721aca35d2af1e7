#pragma once

#include "../core/temp_folder.h"

// The tools' tests share the core tests' folder helper.
using TestFolder = vorna::testing::TempFolder;
