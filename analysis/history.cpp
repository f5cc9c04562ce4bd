#include "analysis/history.h"
