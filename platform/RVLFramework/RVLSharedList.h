#pragma once
#include "RVLSharedHandle.h"

#include <list>

/// A list of counted handles.
template <class T>
using RVLSharedList = std::list<RVLSharedHandle<T>>;
