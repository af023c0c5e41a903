#pragma once

#include <glog/logging.h>

#include <exception>

namespace Zarvo::Orb::Module::Launcher
{
// Runs work and logs what it throws instead of letting it out: for destructors, for undoing
// after a failure, and for code Qt calls from its event loop, which no exception may cross.
template <class Work> void RunLogged(const char* where, Work&& work) noexcept
{
    try
    {
        work();
    }
    catch (const std::exception& error)
    {
        LOG(ERROR) << where << ": " << error.what();
    }
    catch (...)
    {
        LOG(ERROR) << where << ": "
                   << "unknown exception";
    }
}
} // namespace Zarvo::Orb::Module::Launcher
