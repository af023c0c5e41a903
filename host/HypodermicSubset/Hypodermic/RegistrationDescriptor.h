#pragma once

#include "Hypodermic/Container.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
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

// A builder's registrations. Every chained call makes a new descriptor that takes its predecessor's place.
// The real library destroys the predecessor, so using a kept descriptor is refused here rather than ignored.
class Descriptors
{
public:
    template <class D> D& add(std::unique_ptr<D> descriptor)
    {
        current.push_back(descriptor.get());
        return keep(std::move(descriptor));
    }

    template <class D> D& replace(const DescriptorBase& previous, std::unique_ptr<D> descriptor)
    {
        const auto entry = std::find(current.begin(), current.end(), &previous);
        if (entry == current.end())
            throw std::logic_error("Hypodermic: registration descriptor used after a later call replaced it; chain "
                                   "the calls instead of keeping a descriptor");
        *entry = descriptor.get();
        return keep(std::move(descriptor));
    }

    void describe(Registry& registry) const
    {
        for (const auto* descriptor : current)
            descriptor->describe(registry);
    }

private:
    template <class D> D& keep(std::unique_ptr<D> descriptor)
    {
        auto& result = *descriptor;
        owned.push_back(std::move(descriptor));
        return result;
    }

    std::vector<std::unique_ptr<DescriptorBase>> owned;
    std::vector<const DescriptorBase*> current;
};
} // namespace Detail

// How one registered type is exposed (as which bases, under which names) and how long its instances live.
// Returned by ContainerBuilder's register calls; every call returns a new descriptor to chain on.
template <class T> class RegistrationDescriptor : public Detail::DescriptorBase
{
public:
    using Factory = std::function<std::shared_ptr<T>(Container&)>;

    RegistrationDescriptor(Detail::Descriptors& owner, Factory factory, bool single)
        : owner(&owner)
        , factory(std::move(factory))
        , single(single)
    {
    }

    template <class TBase> RegistrationDescriptor& as() { return named<TBase>(std::string()); }

    RegistrationDescriptor& asSelf() { return with({Detail::KeyFor<T>(), &Upcast<T>}); }

    template <class TBase> RegistrationDescriptor& named(const std::string& name)
    {
        static_assert(std::is_base_of_v<TBase, T> && !std::is_same_v<TBase, T>, "TBase should be a base of T");
        return with({Detail::KeyFor<TBase>(name), &Upcast<TBase>});
    }

    // One instance per container, built on the first resolution.
    RegistrationDescriptor& singleInstance()
    {
        auto next = std::make_unique<RegistrationDescriptor>(*this);
        next->single = true;
        return owner->replace(*this, std::move(next));
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
            if (single && instance)
                return instance;
            auto built = container.activate<T>([&] { return factory(container); });
            if (single)
                instance = built;
            return built;
        }
    };

    RegistrationDescriptor& with(Alias alias)
    {
        auto next = std::make_unique<RegistrationDescriptor>(*this);
        next->aliases.push_back(std::move(alias));
        return owner->replace(*this, std::move(next));
    }

    // The resolver's void pointer must address the TBase subobject, which need not be where T starts.
    template <class TBase> static std::shared_ptr<void> Upcast(const std::shared_ptr<T>& instance)
    {
        return std::shared_ptr<TBase>(instance);
    }

    Detail::Descriptors* owner;
    Factory factory;
    bool single;
    std::vector<Alias> aliases;
};
} // namespace Hypodermic
