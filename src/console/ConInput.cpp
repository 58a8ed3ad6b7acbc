#include "console/ConInput.h"
