#include "console/cmdproc.h"
