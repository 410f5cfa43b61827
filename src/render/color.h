#pragma once

// The colour type is shared with the settings, which sit below the drawing layer.
#include "base/color.h"
