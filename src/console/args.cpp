#include "console/args.h"
