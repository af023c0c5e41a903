#pragma once

#include "Hypodermic/ExceptionBase.h"

namespace Hypodermic
{
// Building an instance failed: "Unable to activate instance of type X", followed by the cause.
class ActivationException : public ExceptionBase<ActivationException>
{
public:
    using ExceptionBase::ExceptionBase;
};
} // namespace Hypodermic
