#pragma once
#include "ZALMPNameTable.h"

/// Whether the solver may move a variable. Only Controlled changes behaviour:
/// updating a controlled variable also tells its linked constraints, and the
/// world fixes and releases controlled variables through their loaders.
#define ZALMP_VARIABLE_TYPE_MEMBERS(Entry) Entry(Free, 0) Entry(Constant, 1) Entry(Controlled, 2)
ZALMP_NAMED_ENUMERATION(ZALMPVariableType, ZALMP_VARIABLE_TYPE_MEMBERS);
