// Compiled as a file of the record reader's folder: the settings beside it are out of view too.
#include "settings/settings_record.h"
