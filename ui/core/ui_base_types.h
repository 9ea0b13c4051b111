// The framework's value types in one include: strings, arrays, the string map,
// geometry and the wait cursor.
#pragma once

#include "ui_arrays.h"
#include "ui_geometry.h"
#include "ui_string.h"
#include "ui_string_map.h"
#include "wait_cursor.h"
