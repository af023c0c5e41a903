#pragma once

#include "Hypodermic/ExceptionBase.h"

namespace Hypodermic
{
// Building a type needed that type again.
class CircularDependencyException : public ExceptionBase<CircularDependencyException>
{
public:
    using ExceptionBase::ExceptionBase;
};
} // namespace Hypodermic
