#pragma once

#include "Hypodermic/ExceptionBase.h"

namespace Hypodermic
{
// A type resolved directly is neither registered nor buildable: "Unable to resolve X".
class ResolutionException : public ExceptionBase<ResolutionException>
{
public:
    using ExceptionBase::ExceptionBase;
};
} // namespace Hypodermic
