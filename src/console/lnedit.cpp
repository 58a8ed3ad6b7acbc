#include "console/lnedit.h"
