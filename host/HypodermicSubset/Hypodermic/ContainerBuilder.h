#pragma once

#include "Hypodermic/Container.h"
#include "Hypodermic/RegistrationDescriptor.h"

#include <memory>

namespace Hypodermic
{
// Collects registrations; build() makes a Container from them. Later registrations of the same type
// (and name) win in resolve.
class ContainerBuilder
{
public:
    ContainerBuilder() = default;
    ContainerBuilder(const ContainerBuilder&) = delete;
    ContainerBuilder& operator=(const ContainerBuilder&) = delete;

    // Registers T, built by autowiring its constructor, new for every resolution unless singleInstance().
    // Without as/named T is registered as itself.
    template <class T> RegistrationDescriptor<T>& registerType()
    {
        static_assert(Detail::IsAutowirable<T>,
                      "registerType<T>(): T must be a concrete class with a constructor taking only std::shared_ptr "
                      "arguments (at most 20)");
        return add<T>([](Container& container)
                      { return container.constructWith<T>(std::make_index_sequence<Detail::Arity<T>()>()); },
                      false);
    }

    // Registers an existing object; every resolution returns it, and resolving an empty one fails.
    template <class T> RegistrationDescriptor<T>& registerInstance(const std::shared_ptr<T>& instance)
    {
        return add<T>([instance](Container&) { return instance; }, true);
    }

    // Each container has its own single instances.
    std::shared_ptr<Container> build() const
    {
        Detail::Registry registry;
        descriptors.describe(registry);
        return std::shared_ptr<Container>(new Container(std::move(registry)));
    }

private:
    template <class T> RegistrationDescriptor<T>& add(typename RegistrationDescriptor<T>::Factory factory, bool single)
    {
        return descriptors.add(std::make_unique<RegistrationDescriptor<T>>(descriptors, std::move(factory), single));
    }

    Detail::Descriptors descriptors;
};
} // namespace Hypodermic
