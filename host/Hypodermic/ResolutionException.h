#pragma once

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>

namespace Hypodermic
{
// Thrown by Container::resolve when a type is neither registered nor buildable.
class ResolutionException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

namespace Detail
{
// Readable C++ name of T, for error messages.
template <class T> std::string TypeName()
{
    const char* mangled = typeid(T).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                          &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}
} // namespace Detail
} // namespace Hypodermic
