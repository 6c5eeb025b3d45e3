#pragma once

#include "platform/AppError.h"

// A failure of the command line whose message already names the path and
// the reason: printed as it is, never explained a second time.
class ExplainedError : public AppError {
public:
    using AppError::AppError;
};
