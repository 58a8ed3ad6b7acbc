#include "console/ConView.h"
