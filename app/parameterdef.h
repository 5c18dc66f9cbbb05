#pragma once

// The record lives beside the texts that format it; this name stays for its includers.
#include "texts/parameterdef.h"
