#include "console/ConOutput.h"
