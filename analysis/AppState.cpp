#include "analysis/AppState.h"
