#include "Hypodermic/Hypodermic.h"

#include <QtTest>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace
{
// How many test objects were built, and how many are still alive.
int built = 0;
int alive = 0;

struct Tracked
{
    Tracked() { ++built, ++alive; }
    Tracked(const Tracked&) = delete;
    ~Tracked() { --alive; }
};

struct IGreeter
{
    virtual ~IGreeter() = default;
    virtual std::string Greet() const = 0;
};

struct IFarewell
{
    virtual ~IFarewell() = default;
};

struct English : Tracked, IGreeter, IFarewell
{
    std::string Greet() const override { return "hello"; }
};

struct French : Tracked, IGreeter
{
    std::string Greet() const override { return "bonjour"; }
};

struct Leaf : Tracked
{
};

// One argument: the case where a copy constructor could compete with autowiring.
struct Single : Tracked
{
    explicit Single(const std::shared_ptr<Leaf>&) {}
};

struct Pair : Tracked
{
    Pair(const std::shared_ptr<IGreeter>&, const std::shared_ptr<Leaf>&, const std::shared_ptr<Single>&) {}
};

template <int I> using Part = std::integral_constant<int, I>;

// Wide<N> takes N distinct arguments; the container autowires at most 20.
template <class> struct WideOf;
template <int... I> struct WideOf<std::integer_sequence<int, I...>>
{
    explicit WideOf(const std::shared_ptr<Part<I>>&...) {}
};
template <int N> using Wide = WideOf<std::make_integer_sequence<int, N>>;

struct NeedsNumber
{
    explicit NeedsNumber(int) {}
};

// Cycle<0> needs Cycle<1>, which needs Cycle<0>.
template <int I> struct Cycle
{
    explicit Cycle(const std::shared_ptr<Cycle<1 - I>>&) {}
};

struct Throwing : Tracked
{
    explicit Throwing(const std::shared_ptr<Leaf>&) { throw std::runtime_error("Throwing failed"); }
};

using Setup = std::function<void(Hypodermic::ContainerBuilder&)>;
using Resolution = std::function<void(Hypodermic::Container&)>;

// The thrown error's type name and message, or empty when nothing was thrown.
QString Failure(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (const std::exception& e)
    {
        return QString::fromLatin1(typeid(e).name()) + ' ' + e.what();
    }
    return {};
}

// Failing to resolve T after setup must throw an error whose type name and message hold all of expected.
template <class T> void AddFailure(const char* name, const QStringList& expected, const Setup& setup = {})
{
    QTest::newRow(name) << setup << Resolution([](Hypodermic::Container& c) { c.resolve<T>(); }) << expected;
}
} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Resolution)

class tst_Hypodermic : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        built = 0;
        Hypodermic::Behavior::configureRuntimeRegistration(true);
    }
    void cleanup() { QCOMPARE(alive, 0); }

    void resolvesByAliasNameAndLifetime()
    {
        Hypodermic::ContainerBuilder builder;
        builder.registerType<English>().as<IGreeter>();
        builder.registerType<French>().singleInstance().as<IGreeter>();
        builder.registerType<English>().named<IGreeter>("en");
        builder.registerType<English>().as<IFarewell>().asSelf().singleInstance();
        builder.registerType<Leaf>().singleInstance();
        const auto container = builder.build();

        // The later registration wins, every one stays listed in order, and names stay apart.
        const auto french = container->resolve<IGreeter>();
        QCOMPARE(french->Greet() + container->resolveNamed<IGreeter>("en")->Greet(), std::string("bonjourhello"));
        QVERIFY(!container->resolveNamed<IGreeter>("de"));
        const auto all = container->resolveAll<IGreeter>();
        QCOMPARE(all.size(), 2u);
        QVERIFY(all[0] != container->resolveAll<IGreeter>()[0]);
        QCOMPARE(all[1], french);
        // An alias without asSelf leaves the type itself unregistered, so it is built anew.
        QVERIFY(container->resolve<French>() != std::dynamic_pointer_cast<French>(french));
        // All aliases share one single instance, through a second base (its pointer adjusted) too.
        QVERIFY(container->resolve<IFarewell>() == container->resolve<English>());
        // Without aliases a type is registered as itself; each container has its own single instances.
        QCOMPARE(container->resolve<Leaf>(), container->resolve<Leaf>());
        QVERIFY(builder.build()->resolve<Leaf>() != container->resolve<Leaf>());

#ifdef ORB_HYPODERMIC_SUBSET
        // Every call hands out a new descriptor and the real library destroys the earlier one, so using
        // a kept descriptor is undefined there; the subset refuses it, and the chained registration stands.
        auto& kept = builder.registerType<French>();
        kept.as<IGreeter>();
        QVERIFY_EXCEPTION_THROWN(kept.singleInstance(), std::logic_error);
        QVERIFY_EXCEPTION_THROWN(kept.asSelf(), std::logic_error);
        QCOMPARE(builder.build()->resolveAll<IGreeter>().size(), 3u);
#endif
    }

    void autowiresWithHostRegistrations()
    {
        Hypodermic::ContainerBuilder builder;
        const auto french = std::make_shared<French>();
        builder.registerInstance(std::static_pointer_cast<IGreeter>(french));
        builder.registerType<Single>().singleInstance();
        const auto container = builder.build();

        // Unregistered types are built anew each time; a single instance among their arguments is shared.
        QVERIFY(container->resolve<Pair>() != container->resolve<Pair>());
        // So only these were built: the host's French, two Pairs, one Single, and a Leaf for each Pair and the Single.
        QCOMPARE(built, 7);
        QVERIFY(container->resolve<IGreeter>() == french);
        QVERIFY(container->resolve<Wide<20>>());
    }

    void failsByKindNamingTheType_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Resolution>("resolve");
        QTest::addColumn<QStringList>("expected");

        const QString activate = "Unable to activate instance of type";
        const Setup emptyLeaf([](auto& b) { b.registerInstance(std::shared_ptr<Leaf>()); });
        const Setup noRuntime = [](auto& b)
        {
            Hypodermic::Behavior::configureRuntimeRegistration(false);
            b.template registerType<Single>();
        };
        AddFailure<IGreeter>("abstract", {"ResolutionException", "Unable to resolve", "IGreeter"});
        AddFailure<Pair>("argument", {"ActivationException", activate, "Pair", "Unable to resolve", "IGreeter"});
        AddFailure<Wide<21>>("21 arguments", {"ResolutionException", "Unable to resolve", "WideOf"});
        AddFailure<NeedsNumber>("not a pointer", {"ResolutionException", "Unable to resolve", "NeedsNumber"});
        AddFailure<Cycle<0>>("cycle", {"CircularDependencyException", "Already activating", "Cycle<0>"});
        AddFailure<Leaf>("empty instance", {"ActivationException", activate, "Leaf"}, emptyLeaf);
        // The constructor never sees an empty argument.
        AddFailure<Single>("empty instance as argument", {"ActivationException", activate, "Leaf"}, emptyLeaf);
        AddFailure<Leaf>("no runtime registration", {"ResolutionException", "Unable to resolve", "Leaf"}, noRuntime);
        // Registered, but its argument is not.
        AddFailure<Single>("no runtime registration, argument", {"ActivationException"}, noRuntime);
        AddFailure<Throwing>("throwing constructor", {"ActivationException", "Throwing failed"},
                             [](auto& b) { b.template registerType<Throwing>().singleInstance(); });
    }

    void failsByKindNamingTheType()
    {
        QFETCH(Setup, setup);
        QFETCH(Resolution, resolve);
        QFETCH(QStringList, expected);

        Hypodermic::ContainerBuilder builder;
        if (setup)
            setup(builder);
        const auto container = builder.build();
        const QString failure = Failure([&] { resolve(*container); });
        for (const auto& fragment : expected)
            QVERIFY2(failure.contains(fragment), qPrintable(failure));
        // A failure leaves nothing behind that changes the next attempt: a single instance is built again,
        // and what was built for it is released (see cleanup).
        const int once = built;
        QCOMPARE(Failure([&] { resolve(*container); }), failure);
        QCOMPARE(built, 2 * once);
    }
};

QTEST_GUILESS_MAIN(tst_Hypodermic)

#include "tst_hypodermic.moc"
