#include "skin/controls/TsEditLabel.h"
