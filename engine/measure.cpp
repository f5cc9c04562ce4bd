#include "engine/measure.h"
