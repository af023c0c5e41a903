#pragma once

// The subset of the Hypodermic dependency-injection library that the host and its modules use.
#include "Hypodermic/Container.h"
#include "Hypodermic/ContainerBuilder.h"
#include "Hypodermic/RegistrationDescriptor.h"
#include "Hypodermic/ResolutionException.h"
