#include "app/pick.h"
