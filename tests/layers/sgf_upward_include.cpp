// Compiled as a file of the record reader's folder: the show is above it, so this must not compile.
#include "show/show_window.h"
