#pragma once
#include "RVLSharedHandle.h"

#include <vector>

/// A vector of counted handles.
template <class T>
using RVLSharedVector = std::vector<RVLSharedHandle<T>>;
