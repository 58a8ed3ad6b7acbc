#include "console/ConWindow.h"
