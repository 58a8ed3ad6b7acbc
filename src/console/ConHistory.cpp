#include "console/ConHistory.h"
