#include "Hypodermic/Hypodermic.h"

#include <QtTest>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace
{
// Names of test objects in the order they were built, and how many are still alive.
QStringList built;
int alive = 0;

template <class Self> struct Tracked
{
    Tracked()
    {
        built << Self::Name();
        ++alive;
    }
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
    virtual std::string Bye() const = 0;
};

struct English : Tracked<English>, IGreeter, IFarewell
{
    static QString Name() { return "English"; }
    std::string Greet() const override { return "hello"; }
    std::string Bye() const override { return "bye"; }
};

struct French : Tracked<French>, IGreeter
{
    static QString Name() { return "French"; }
    std::string Greet() const override { return "bonjour"; }
};

struct Leaf : Tracked<Leaf>
{
    static QString Name() { return "Leaf"; }
};

// One argument: the case where a copy constructor could compete with autowiring.
struct Single : Tracked<Single>
{
    static QString Name() { return "Single"; }
    explicit Single(const std::shared_ptr<Leaf>& leaf)
        : leaf(leaf)
    {
    }
    std::shared_ptr<Leaf> leaf;
};

struct Pair : Tracked<Pair>
{
    static QString Name() { return "Pair"; }
    Pair(const std::shared_ptr<IGreeter>& g, const std::shared_ptr<Leaf>& l, const std::shared_ptr<Single>& s)
        : greeter(g)
        , leaf(l)
        , single(s)
    {
    }
    std::shared_ptr<IGreeter> greeter;
    std::shared_ptr<Leaf> leaf;
    std::shared_ptr<Single> single;
};

struct Greeted : Tracked<Greeted>
{
    static QString Name() { return "Greeted"; }
    explicit Greeted(const std::shared_ptr<IGreeter>&) {}
};

template <int I> struct Part : Tracked<Part<I>>
{
    static QString Name() { return QStringLiteral("Part<%1>").arg(I); }
};
template <int I> using P = const std::shared_ptr<Part<I>>&;

struct Wide : Tracked<Wide>
{
    static QString Name() { return "Wide"; }
    Wide(P<0>, P<1>, P<2>, P<3>, P<4>, P<5>, P<6>, P<7>, P<8>, P<9>, P<10>, P<11>, P<12>, P<13>, P<14>, P<15>, P<16>,
         P<17>, P<18>, P<19>)
    {
    }
};

struct TooWide
{
    TooWide(P<0>, P<1>, P<2>, P<3>, P<4>, P<5>, P<6>, P<7>, P<8>, P<9>, P<10>, P<11>, P<12>, P<13>, P<14>, P<15>, P<16>,
            P<17>, P<18>, P<19>, P<20>)
    {
    }
};

struct NeedsNumber
{
    explicit NeedsNumber(int) {}
};

struct Egg;
struct Chicken
{
    explicit Chicken(const std::shared_ptr<Egg>&) {}
};
struct Egg
{
    explicit Egg(const std::shared_ptr<Chicken>&) {}
};

struct Throwing : Tracked<Throwing>
{
    static QString Name() { return "Throwing"; }
    Throwing() { throw std::runtime_error("Throwing failed"); }
};

struct AfterThrowing
{
    AfterThrowing(const std::shared_ptr<Leaf>&, const std::shared_ptr<Throwing>&) {}
};

using Setup = std::function<void(Hypodermic::ContainerBuilder&)>;
using Resolution = std::function<void(Hypodermic::Container&)>;

// "Resolution", "Activation" or "Circular" with the error's message, or empty when nothing was thrown.
QStringList Failure(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (const Hypodermic::ResolutionException& e)
    {
        return {"Resolution", e.what()};
    }
    catch (const Hypodermic::ActivationException& e)
    {
        return {"Activation", e.what()};
    }
    catch (const Hypodermic::CircularDependencyException& e)
    {
        return {"Circular", e.what()};
    }
    return {};
}

// Builds made by one resolution must end with the object asked for; the order of its arguments is unspecified.
void CompareBuilt(QStringList arguments, const QString& last)
{
    QVERIFY(!built.isEmpty());
    QCOMPARE(built.takeLast(), last);
    built.sort();
    arguments.sort();
    QCOMPARE(built, arguments);
    built.clear();
}
} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Resolution)

class tst_Hypodermic : public QObject
{
    Q_OBJECT

private slots:
    void init() { built.clear(); }
    void cleanup() { QCOMPARE(alive, 0); }

    void registersUnderTheGivenAliases_data();
    void registersUnderTheGivenAliases();
#ifdef ORB_HYPODERMIC_SUBSET
    void refusesKeptDescriptors();
#endif
    void laterRegistrationWinsAndNamesStayApart();
    void lifetimes();
    void autowiresWithHostRegistrations();
    void runtimeRegistrationCanBeTurnedOff();
    void failsByKindNamingTheType_data();
    void failsByKindNamingTheType();
    void wrapsConstructorExceptions();
};

void tst_Hypodermic::registersUnderTheGivenAliases_data()
{
    QTest::addColumn<Setup>("registration");
    QTest::addColumn<bool>("asGreeter");
    QTest::addColumn<bool>("asFarewell");
    QTest::addColumn<bool>("asSelf");
    QTest::newRow("no alias: itself") << Setup([](auto& b) { b.template registerType<English>().singleInstance(); })
                                      << false << false << false;
    QTest::newRow("greeter only")
        << Setup([](auto& b) { b.template registerType<English>().singleInstance().template as<IGreeter>(); }) << true
        << false << false;
    QTest::newRow("second base and self")
        << Setup([](auto& b) { b.template registerType<English>().template as<IFarewell>().asSelf().singleInstance(); })
        << false << true << true;
}

void tst_Hypodermic::registersUnderTheGivenAliases()
{
    QFETCH(Setup, registration);
    QFETCH(bool, asGreeter);
    QFETCH(bool, asFarewell);
    QFETCH(bool, asSelf);

    Hypodermic::ContainerBuilder builder;
    registration(builder);
    const auto container = builder.build();

    std::shared_ptr<English> first;
    if (asGreeter)
    {
        first = std::dynamic_pointer_cast<English>(container->resolve<IGreeter>());
        QCOMPARE(std::dynamic_pointer_cast<English>(container->resolve<IGreeter>()), first);
    }
    else
        QVERIFY_EXCEPTION_THROWN(container->resolve<IGreeter>(), Hypodermic::ResolutionException);
    if (asFarewell)
    {
        // Second base: the pointer must be adjusted to its subobject.
        QCOMPARE(container->resolve<IFarewell>()->Bye(), std::string("bye"));
        first = std::dynamic_pointer_cast<English>(container->resolve<IFarewell>());
    }
    QCOMPARE(bool(first), asGreeter || asFarewell);
    // Without aliases a type is registered as itself; with aliases only asSelf adds itself.
    const bool selfRegistered = asSelf || (!asGreeter && !asFarewell);
    const auto self = container->resolve<English>();
    QCOMPARE(container->resolve<English>() == self, selfRegistered);
    QCOMPARE(first && self == first, first && selfRegistered);
}

#ifdef ORB_HYPODERMIC_SUBSET
// Every call hands out a new descriptor and the real library destroys the earlier one, so using
// a kept descriptor is undefined there; the subset refuses it.
void tst_Hypodermic::refusesKeptDescriptors()
{
    Hypodermic::ContainerBuilder builder;
    auto& kept = builder.registerType<English>();
    kept.as<IGreeter>();
    QVERIFY_EXCEPTION_THROWN(kept.singleInstance(), std::logic_error);
    QVERIFY_EXCEPTION_THROWN(kept.asSelf(), std::logic_error);
    // The chained registration stands.
    QCOMPARE(builder.build()->resolve<IGreeter>()->Greet(), std::string("hello"));
}
#endif

void tst_Hypodermic::laterRegistrationWinsAndNamesStayApart()
{
    Hypodermic::ContainerBuilder builder;
    builder.registerType<English>().as<IGreeter>();
    builder.registerType<French>().as<IGreeter>();
    builder.registerType<English>().named<IGreeter>(typeid(IFarewell).name());
    const auto container = builder.build();

    QCOMPARE(container->resolve<IGreeter>()->Greet(), std::string("bonjour"));
    const auto all = container->resolveAll<IGreeter>();
    QCOMPARE(all.size(), 2u);
    QCOMPARE(all[0]->Greet() + all[1]->Greet(), std::string("hellobonjour"));
    QCOMPARE(container->resolveNamed<IGreeter>(typeid(IFarewell).name())->Greet(), std::string("hello"));
    QVERIFY(!container->resolveNamed<IGreeter>("de"));
}

void tst_Hypodermic::lifetimes()
{
    Hypodermic::ContainerBuilder transientBuilder;
    transientBuilder.registerType<Leaf>();
    const auto transient = transientBuilder.build();
    QVERIFY(transient->resolve<Leaf>() != transient->resolve<Leaf>());

    Hypodermic::ContainerBuilder singleBuilder;
    singleBuilder.registerType<Leaf>().singleInstance();
    const auto first = singleBuilder.build();
    const auto second = singleBuilder.build();
    const auto leaf = first->resolve<Leaf>();
    QCOMPARE(first->resolve<Leaf>(), leaf);
    QVERIFY(second->resolve<Leaf>() != leaf);

    const auto english = std::make_shared<English>();
    Hypodermic::ContainerBuilder instanceBuilder;
    instanceBuilder.registerInstance(english).as<IFarewell>().asSelf();
    const auto instances = instanceBuilder.build();
    QCOMPARE(instances->resolve<English>(), english);
    QCOMPARE(instances->resolve<IFarewell>()->Bye(), std::string("bye"));
    QCOMPARE(built, QStringList({"Leaf", "Leaf", "Leaf", "Leaf", "English"}));
}

void tst_Hypodermic::autowiresWithHostRegistrations()
{
    Hypodermic::ContainerBuilder builder;
    const auto french = std::make_shared<French>();
    builder.registerInstance(std::static_pointer_cast<IGreeter>(french));
    builder.registerType<Single>().singleInstance();
    const auto container = builder.build();
    built.clear();

    // Unregistered types are built anew each time; a single instance among their arguments is shared.
    const auto first = container->resolve<Pair>();
    CompareBuilt({"Leaf", "Leaf", "Single"}, "Pair");
    const auto second = container->resolve<Pair>();
    CompareBuilt({"Leaf"}, "Pair");
    QVERIFY(first != second);
    QCOMPARE(first->greeter->Greet(), std::string("bonjour"));
    QCOMPARE(first->single, second->single);
    QVERIFY(first->single->leaf && first->single->leaf != first->leaf);

    QVERIFY(container->resolve<Wide>());
    QStringList parts;
    for (int i = 0; i < 20; ++i)
        parts << QStringLiteral("Part<%1>").arg(i);
    CompareBuilt(parts, "Wide");
}

void tst_Hypodermic::runtimeRegistrationCanBeTurnedOff()
{
    Hypodermic::ContainerBuilder builder;
    builder.registerType<Single>();
    const auto container = builder.build();
    Hypodermic::Behavior::configureRuntimeRegistration(false);
    const QStringList offLeaf = Failure([&] { container->resolve<Leaf>(); });
    const QStringList offSingle = Failure([&] { container->resolve<Single>(); });
    Hypodermic::Behavior::configureRuntimeRegistration(true);

    QCOMPARE(offLeaf.value(0), QStringLiteral("Resolution"));
    // Registered, but its argument is not.
    QCOMPARE(offSingle.value(0), QStringLiteral("Activation"));
    QVERIFY(container->resolve<Single>()->leaf);
}

void tst_Hypodermic::failsByKindNamingTheType_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Resolution>("resolve");
    QTest::addColumn<QStringList>("expected");

    const Setup none = [](Hypodermic::ContainerBuilder&) {
    };
    const Setup emptyLeaf = [](auto& b)
    {
        b.registerInstance(std::shared_ptr<Leaf>());
    };
    QTest::newRow("abstract") << none << Resolution([](auto& c) { c.template resolve<IGreeter>(); })
                              << QStringList({"Resolution", "Unable to resolve", "IGreeter"});
    QTest::newRow("argument") << none << Resolution([](auto& c) { c.template resolve<Greeted>(); })
                              << QStringList({"Activation", "Unable to activate instance of type", "Greeted",
                                              "Unable to resolve", "IGreeter"});
    QTest::newRow("21 arguments") << none << Resolution([](auto& c) { c.template resolve<TooWide>(); })
                                  << QStringList({"Resolution", "Unable to resolve", "TooWide"});
    QTest::newRow("not a pointer") << none << Resolution([](auto& c) { c.template resolve<NeedsNumber>(); })
                                   << QStringList({"Resolution", "Unable to resolve", "NeedsNumber"});
    QTest::newRow("cycle") << none << Resolution([](auto& c) { c.template resolve<Chicken>(); })
                           << QStringList({"Circular", "Already activating", "Chicken"});
    QTest::newRow("empty instance") << emptyLeaf << Resolution([](auto& c) { c.template resolve<Leaf>(); })
                                    << QStringList({"Activation", "Unable to activate instance of type", "Leaf"});
    // The constructor never sees an empty argument.
    QTest::newRow("empty instance as argument")
        << emptyLeaf << Resolution([](auto& c) { c.template resolve<Single>(); })
        << QStringList({"Activation", "Unable to activate instance of type", "Leaf"});
}

void tst_Hypodermic::failsByKindNamingTheType()
{
    QFETCH(Setup, setup);
    QFETCH(Resolution, resolve);
    QFETCH(QStringList, expected);

    Hypodermic::ContainerBuilder builder;
    setup(builder);
    const auto container = builder.build();
    const QStringList failure = Failure([&] { resolve(*container); });
    QCOMPARE(failure.value(0), expected.takeFirst());
    for (const auto& fragment : expected)
        QVERIFY2(failure.value(1).contains(fragment), qPrintable(failure.value(1)));
    QCOMPARE(built, QStringList());
    // A failure leaves nothing behind that changes the next attempt.
    QCOMPARE(Failure([&] { resolve(*container); }), failure);
}

void tst_Hypodermic::wrapsConstructorExceptions()
{
    Hypodermic::ContainerBuilder builder;
    builder.registerType<Throwing>().singleInstance();
    const auto container = builder.build();

    for (int attempt = 0; attempt < 2; ++attempt)
    {
        const QStringList failure = Failure([&] { container->resolve<AfterThrowing>(); });
        QCOMPARE(failure.value(0), QStringLiteral("Activation"));
        QVERIFY2(failure.value(1).contains("Throwing") && failure.value(1).contains("Throwing failed"),
                 qPrintable(failure.value(1)));
    }
    // The single instance is retried; an argument built before the failure was released (see cleanup).
    QCOMPARE(built.count("Throwing"), 2);
}

QTEST_GUILESS_MAIN(tst_Hypodermic)

#include "tst_hypodermic.moc"
