#include "analysis/sample.h"
