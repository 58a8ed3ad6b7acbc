#include "console/CConsole.h"
