#pragma once

#include "Hypodermic/ActivationException.h"
#include "Hypodermic/Behavior.h"
#include "Hypodermic/CircularDependencyException.h"
#include "Hypodermic/ResolutionException.h"

#include <cxxabi.h>

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

namespace Hypodermic
{
class Container;
class ContainerBuilder;
template <class T> class RegistrationDescriptor;

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

// Thrown when a type is needed while it is being built; the activation around it reports the cycle.
class AlreadyActivating : public std::exception
{
public:
    explicit AlreadyActivating(std::string message)
        : message(std::move(message))
    {
    }
    const char* what() const noexcept override { return message.c_str(); }

private:
    std::string message;
};

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
// std::shared_ptr arguments are built on demand while Behavior allows it. The order in which constructor
// arguments are resolved is unspecified. Made by ContainerBuilder::build.
class Container
{
public:
    // The last registration of T; an unregistered concrete T is built anew on every call.
    // Throws ResolutionException when T is neither registered nor buildable, ActivationException when
    // building it or one of its arguments fails (an empty registered instance included) and
    // CircularDependencyException when building it needs itself.
    template <class T> std::shared_ptr<T> resolve();

    // The last registration of T under name, or an empty pointer when there is none.
    template <class T> std::shared_ptr<T> resolveNamed(const std::string& name);

    // Every unnamed registration of T, in registration order.
    template <class T> std::vector<std::shared_ptr<T>> resolveAll();

private:
    friend class ContainerBuilder;
    template <class> friend class RegistrationDescriptor;

    explicit Container(Detail::Registry registry)
        : registry(std::move(registry))
    {
    }

    const std::vector<Detail::Resolver>* find(const Detail::Key& key) const
    {
        const auto it = registry.find(key);
        return it == registry.end() ? nullptr : &it->second;
    }

    // Runs build for an instance of T, turning its failures into the container's errors.
    template <class T, class Build> std::shared_ptr<T> activate(const Build& build);
    template <class T, std::size_t... I> std::shared_ptr<T> constructWith(std::index_sequence<I...>);

    Detail::Registry registry;
    // Types being built, outermost first.
    std::vector<std::type_index> activating;
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
    {
        if (Behavior::isRuntimeRegistrationEnabled())
            return activate<T>([this] { return constructWith<T>(std::make_index_sequence<Detail::Arity<T>()>()); });
    }
    throw ResolutionException("Unable to resolve " + Detail::TypeName<T>());
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

template <class T, class Build> std::shared_ptr<T> Container::activate(const Build& build)
{
    const std::type_index type(typeid(T));
    for (const auto& active : activating)
    {
        if (active == type)
            throw Detail::AlreadyActivating("Already activating " + Detail::TypeName<T>());
    }
    activating.push_back(type);
    struct Pop
    {
        std::vector<std::type_index>& types;
        ~Pop() { types.pop_back(); }
    } pop{activating};

    const std::string failure = "Unable to activate instance of type " + Detail::TypeName<T>();
    std::shared_ptr<T> instance;
    try
    {
        instance = build();
    }
    catch (const ActivationException&)
    {
        throw;
    }
    catch (const CircularDependencyException&)
    {
        throw;
    }
    catch (const Detail::AlreadyActivating& error)
    {
        throw CircularDependencyException("Circular dependency detected while activating " + Detail::TypeName<T>() +
                                          ": " + error.what());
    }
    catch (const std::exception& error)
    {
        throw ActivationException(failure + ": " + error.what());
    }
    if (!instance)
        throw ActivationException(failure);
    return instance;
}

template <class T, std::size_t... I> std::shared_ptr<T> Container::constructWith(std::index_sequence<I...>)
{
    // Parentheses leave the order of the arguments' resolution to the compiler, as the real library does.
    return std::shared_ptr<T>(new T(Detail::ArgumentAt<I>(*this)...));
}
} // namespace Hypodermic
