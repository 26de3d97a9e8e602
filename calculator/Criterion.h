// The criterion itself.
#pragma once

#include "runtime/Types.h"

// BIC + 2 (1 - entropy) N ln K, in IEEE double precision with each operation
// rounded in turn, in exactly this order: ((2 (1 - entropy)) N) ln K + BIC.
rt::Double VorpexCriterion(rt::Double bic, rt::Double entropy, rt::Integer n, rt::Integer k);
