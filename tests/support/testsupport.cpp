#include "support/testmain.h"
