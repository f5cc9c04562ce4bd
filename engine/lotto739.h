// The lotto739 filtering engine: settings, the enumeration run and the result store.
// A program that links lotto739_engine includes this header only.
#pragma once

#include "funnel.h"
#include "mask.h"
#include "measure.h"
#include "run.h"
#include "settings.h"
