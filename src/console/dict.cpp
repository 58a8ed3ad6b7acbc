#include "console/dict.h"
