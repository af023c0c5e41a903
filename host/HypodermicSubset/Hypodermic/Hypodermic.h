#pragma once

// The subset of the Hypodermic dependency-injection library that the host and its modules use.
#include "Hypodermic/ActivationException.h"
#include "Hypodermic/Behavior.h"
#include "Hypodermic/CircularDependencyException.h"
#include "Hypodermic/Container.h"
#include "Hypodermic/ContainerBuilder.h"
#include "Hypodermic/RegistrationDescriptor.h"
#include "Hypodermic/ResolutionException.h"
