#pragma once

#include "Hypodermic/Container.h"

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace Hypodermic
{
namespace Detail
{
class DescriptorBase
{
public:
    virtual ~DescriptorBase() = default;
    // Adds this registration to a new container's registry.
    virtual void describe(Registry& registry) const = 0;
};
} // namespace Detail

// How one registered type is exposed (as which bases, under which names) and how long its instances live.
// Returned by ContainerBuilder's register calls; every setter chains.
template <class T> class RegistrationDescriptor : public Detail::DescriptorBase
{
public:
    using Factory = std::function<std::shared_ptr<T>(Container&)>;

    RegistrationDescriptor(Factory factory, bool single)
        : factory(std::move(factory))
        , single(single)
    {
    }

    template <class TBase> RegistrationDescriptor& as() { return named<TBase>(std::string()); }

    RegistrationDescriptor& asSelf() { return as<T>(); }

    template <class TBase> RegistrationDescriptor& named(const std::string& name)
    {
        static_assert(std::is_convertible_v<T*, TBase*>,
                      "as/named<TBase>(): the registered type must derive from TBase");
        aliases.push_back({Detail::KeyFor<TBase>(name), &Upcast<TBase>});
        return *this;
    }

    // One instance per container, built on the first resolution.
    RegistrationDescriptor& singleInstance()
    {
        single = true;
        return *this;
    }

    void describe(Detail::Registry& registry) const override
    {
        // Shared by all aliases of this registration, so they see one single instance.
        auto activation = std::make_shared<Activation>(Activation{factory, single, nullptr});
        auto add = [&](const Alias& alias)
        {
            registry[alias.key].push_back([activation, upcast = alias.upcast](Container& container)
                                          { return upcast(activation->get(container)); });
        };
        if (aliases.empty())
            add({Detail::KeyFor<T>(), &Upcast<T>});
        for (const auto& alias : aliases)
            add(alias);
    }

private:
    struct Alias
    {
        Detail::Key key;
        std::shared_ptr<void> (*upcast)(const std::shared_ptr<T>&);
    };

    struct Activation
    {
        Factory factory;
        bool single;
        std::shared_ptr<T> instance;

        std::shared_ptr<T> get(Container& container)
        {
            if (!single)
                return factory(container);
            if (!instance)
                instance = factory(container);
            return instance;
        }
    };

    // The resolver's void pointer must address the TBase subobject, which need not be where T starts.
    template <class TBase> static std::shared_ptr<void> Upcast(const std::shared_ptr<T>& instance)
    {
        return std::shared_ptr<TBase>(instance);
    }

    Factory factory;
    bool single;
    std::vector<Alias> aliases;
};
} // namespace Hypodermic
