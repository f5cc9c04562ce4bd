#include "analysis/explain.h"
