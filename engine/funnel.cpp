#include "engine/funnel.h"
