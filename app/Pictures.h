// The two pictures both the About and the calculator window show, loaded from
// the application's resources on first use and kept for the life of the
// process. A load that yields nothing is tried again at the next call.
#pragma once

#include <memory>

#include "runtime/Picture.h"

std::shared_ptr<rt::Picture> Vessx();  // the criterion's formula
std::shared_ptr<rt::Picture> bic();    // the formula of BIC
