#pragma once

#include "Hypodermic/ResolutionException.h"

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

namespace Hypodermic
{
class Container;
class ContainerBuilder;
template <class T> class RegistrationDescriptor;

namespace Detail
{
// Stands in for one constructor argument: converting it to std::shared_ptr<X> resolves X.
class AutowiredArgument
{
public:
    explicit AutowiredArgument(Container& container)
        : container(container)
    {
    }

    template <class X> operator std::shared_ptr<X>() const;

private:
    Container& container;
};

template <std::size_t> using ArgumentAt = AutowiredArgument;

constexpr std::size_t MaxArity = 20;
constexpr std::size_t NotAutowirable = MaxArity + 1;

template <class T, std::size_t... I> constexpr bool IsConstructibleWith(std::index_sequence<I...>)
{
    return std::is_constructible_v<T, ArgumentAt<I>...>;
}

// The fewest shared-pointer arguments T can be built from, so defaulted trailing arguments stay defaulted.
template <class T, std::size_t N = 0> constexpr std::size_t Arity()
{
    if constexpr (N > MaxArity)
        return NotAutowirable;
    else if constexpr (IsConstructibleWith<T>(std::make_index_sequence<N>()))
        return N;
    else
        return Arity<T, N + 1>();
}

template <class T>
constexpr bool IsAutowirable = std::is_class_v<T> && !std::is_abstract_v<T> && Arity<T>() != NotAutowirable;

// Produces one registration's instance as a void pointer to the type it was registered as.
using Resolver = std::function<std::shared_ptr<void>(Container&)>;
using Key = std::pair<std::type_index, std::string>;
using Registry = std::map<Key, std::vector<Resolver>>;

template <class T> Key KeyFor(const std::string& name = std::string())
{
    return {std::type_index(typeid(T)), name};
}
} // namespace Detail

// Hands out instances of registered types. Unregistered concrete types whose constructors take only
// std::shared_ptr arguments are built on demand, each argument resolved from this container in turn.
// Made by ContainerBuilder::build.
class Container
{
public:
    // The last registration of T; an unregistered concrete T is built anew on every call.
    // Throws ResolutionException when T or one of its dependencies can be neither found nor built.
    template <class T> std::shared_ptr<T> resolve();

    // The last registration of T under name, or an empty pointer when there is none.
    template <class T> std::shared_ptr<T> resolveNamed(const std::string& name);

    // Every unnamed registration of T, in registration order.
    template <class T> std::vector<std::shared_ptr<T>> resolveAll();

private:
    friend class ContainerBuilder;

    struct Frame
    {
        std::type_index type;
        std::string (*name)();
    };

    explicit Container(Detail::Registry registry)
        : registry(std::move(registry))
    {
    }

    const std::vector<Detail::Resolver>* find(const Detail::Key& key) const
    {
        const auto it = registry.find(key);
        return it == registry.end() ? nullptr : &it->second;
    }

    template <class T> std::shared_ptr<T> construct();
    template <class T, std::size_t... I> std::shared_ptr<T> constructWith(std::index_sequence<I...>);
    template <class T> [[noreturn]] void fail(const std::string& reason) const;

    Detail::Registry registry;
    // Types being built, outermost first: catches cycles and tells errors where they happened.
    std::vector<Frame> underConstruction;
};

template <class X> Detail::AutowiredArgument::operator std::shared_ptr<X>() const
{
    return container.resolve<X>();
}

template <class T> std::shared_ptr<T> Container::resolve()
{
    if (const auto* resolvers = find(Detail::KeyFor<T>()))
        return std::static_pointer_cast<T>(resolvers->back()(*this));
    if constexpr (Detail::IsAutowirable<T>)
        return construct<T>();
    else if constexpr (std::is_abstract_v<T>)
        fail<T>("it is abstract and not registered");
    else
        fail<T>("it is not registered and has no constructor taking only std::shared_ptr arguments");
}

template <class T> std::shared_ptr<T> Container::resolveNamed(const std::string& name)
{
    const auto* resolvers = find(Detail::KeyFor<T>(name));
    return resolvers ? std::static_pointer_cast<T>(resolvers->back()(*this)) : nullptr;
}

template <class T> std::vector<std::shared_ptr<T>> Container::resolveAll()
{
    std::vector<std::shared_ptr<T>> instances;
    if (const auto* resolvers = find(Detail::KeyFor<T>()))
    {
        for (const auto& resolver : *resolvers)
            instances.push_back(std::static_pointer_cast<T>(resolver(*this)));
    }
    return instances;
}

template <class T> std::shared_ptr<T> Container::construct()
{
    for (const auto& frame : underConstruction)
    {
        if (frame.type == typeid(T))
            fail<T>("it depends on itself");
    }
    underConstruction.push_back({typeid(T), &Detail::TypeName<T>});
    struct Pop
    {
        std::vector<Frame>& frames;
        ~Pop() { frames.pop_back(); }
    } pop{underConstruction};
    return constructWith<T>(std::make_index_sequence<Detail::Arity<T>()>());
}

template <class T, std::size_t... I> std::shared_ptr<T> Container::constructWith(std::index_sequence<I...>)
{
    // Braces resolve the arguments left to right.
    return std::shared_ptr<T>(new T{Detail::ArgumentAt<I>(*this)...});
}

template <class T> void Container::fail(const std::string& reason) const
{
    std::string message = "Cannot resolve " + Detail::TypeName<T>() + ": " + reason;
    for (std::size_t i = 0; i < underConstruction.size(); ++i)
        message += (i == 0 ? " (while building " : " -> ") + underConstruction[i].name();
    if (!underConstruction.empty())
        message += ")";
    throw ResolutionException(message);
}
} // namespace Hypodermic
