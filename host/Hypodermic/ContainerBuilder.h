#pragma once

#include "Hypodermic/Container.h"
#include "Hypodermic/RegistrationDescriptor.h"

#include <memory>
#include <vector>

namespace Hypodermic
{
// Collects registrations; build() makes a Container from them. Later registrations of the same type
// (and name) win in resolve.
class ContainerBuilder
{
public:
    // Registers T, built by autowiring its constructor, new for every resolution unless singleInstance().
    // Without as/named T is registered as itself.
    template <class T> RegistrationDescriptor<T>& registerType()
    {
        static_assert(Detail::IsAutowirable<T>,
                      "registerType<T>(): T must be a concrete class with a constructor taking only std::shared_ptr "
                      "arguments (at most 20)");
        return add<T>([](Container& container) { return container.construct<T>(); }, false);
    }

    // Registers an existing object; every resolution returns it.
    template <class T> RegistrationDescriptor<T>& registerInstance(const std::shared_ptr<T>& instance)
    {
        return add<T>([instance](Container&) { return instance; }, true);
    }

    // Each container has its own single instances.
    std::shared_ptr<Container> build() const
    {
        Detail::Registry registry;
        for (const auto& descriptor : descriptors)
            descriptor->describe(registry);
        return std::shared_ptr<Container>(new Container(std::move(registry)));
    }

private:
    template <class T> RegistrationDescriptor<T>& add(typename RegistrationDescriptor<T>::Factory factory, bool single)
    {
        auto descriptor = std::make_unique<RegistrationDescriptor<T>>(std::move(factory), single);
        auto& result = *descriptor;
        descriptors.push_back(std::move(descriptor));
        return result;
    }

    std::vector<std::unique_ptr<Detail::DescriptorBase>> descriptors;
};
} // namespace Hypodermic
