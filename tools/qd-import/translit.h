#pragma once

#include "core/text/transliteration.h"

namespace qd_import {

// The importer writes the translit column with the program's own scheme.
using vorna::transliterate;

}  // namespace qd_import
