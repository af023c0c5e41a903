#pragma once

#include <memory>
#include <stdexcept>
#include <utility>

namespace Zarvo::Orb::Module::Launcher
{
// A shared pointer that is never empty: building it from an empty one throws.
template <class T> class NotNull
{
public:
    NotNull(std::shared_ptr<T> pointer)
        : pointer(std::move(pointer))
    {
        if (!this->pointer)
        {
            throw std::logic_error("NotNull can not initialized by null");
        }
    }

    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    NotNull(const NotNull<U>& other)
        : pointer(other.Get())
    {
    }

    T* operator->() const { return pointer.get(); }
    T& operator*() const { return *pointer; }
    const std::shared_ptr<T>& Get() const { return pointer; }
    operator const std::shared_ptr<T>&() const { return pointer; }

private:
    std::shared_ptr<T> pointer;
};
} // namespace Zarvo::Orb::Module::Launcher
