#include "console/ConIO.h"
