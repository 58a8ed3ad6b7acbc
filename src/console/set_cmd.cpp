#include "console/set_cmd.h"
