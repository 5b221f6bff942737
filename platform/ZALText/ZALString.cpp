#include "ZALString.h"
