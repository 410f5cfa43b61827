// Compiled as a file of the record reader's folder: the base folder below it is in view.
#include "base/utf8.h"
#include "sgf/sgf_reader.h"
