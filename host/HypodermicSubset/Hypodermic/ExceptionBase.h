#pragma once

#include <exception>
#include <string>
#include <utility>

namespace Hypodermic
{
// Base of every container error: a std::exception carrying its message.
template <class TException> class ExceptionBase : public std::exception
{
public:
    explicit ExceptionBase(std::string message = std::string())
        : m_message(std::move(message))
    {
    }

    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};
} // namespace Hypodermic
