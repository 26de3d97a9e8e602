#include "calculator/Criterion.h"

#include "runtime/Functions.h"

rt::Double VorpexCriterion(rt::Double bic, rt::Double entropy, rt::Integer n, rt::Integer k) {
  const rt::Double a = 1.0 - entropy;
  const rt::Double b = 2.0 * a;
  const rt::Double c = b * static_cast<rt::Double>(n);
  const rt::Double l = rt::Log(static_cast<rt::Double>(k));
  const rt::Double d = c * l;
  return d + bic;
}
