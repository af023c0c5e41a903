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
        built << QString::fromStdString(Hypodermic::Detail::TypeName<Self>()).section("::", -1);
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
    std::string Greet() const override { return "hello"; }
    std::string Bye() const override { return "bye"; }
};

struct French : Tracked<French>, IGreeter
{
    std::string Greet() const override { return "bonjour"; }
};

struct Leaf : Tracked<Leaf>
{
};

// One argument: the case where a copy constructor could compete with autowiring.
struct Single : Tracked<Single>
{
    explicit Single(const std::shared_ptr<Leaf>& leaf)
        : leaf(leaf)
    {
    }
    std::shared_ptr<Leaf> leaf;
};

struct Pair : Tracked<Pair>
{
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

template <int I> struct Part : Tracked<Part<I>>
{
};
template <int I> using P = const std::shared_ptr<Part<I>>&;

struct Wide : Tracked<Wide>
{
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
    Throwing() { throw std::runtime_error("Throwing failed"); }
};

struct AfterThrowing
{
    AfterThrowing(const std::shared_ptr<Leaf>&, const std::shared_ptr<Throwing>&) {}
};

template <class E> QString MessageOf(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (const E& e)
    {
        return QString::fromStdString(e.what());
    }
    return QString();
}

using Resolution = std::function<void(Hypodermic::Container&)>;
} // namespace

Q_DECLARE_METATYPE(Resolution)

class TestHypodermic : public QObject
{
    Q_OBJECT

private slots:
    void init() { built.clear(); }
    void cleanup() { QCOMPARE(alive, 0); }

    void registersUnderTheGivenAliases_data();
    void registersUnderTheGivenAliases();
    void laterRegistrationWinsAndNamesStayApart();
    void lifetimes();
    void autowiresLeftToRightWithHostRegistrations();
    void failsNamingTheType_data();
    void failsNamingTheType();
    void propagatesConstructorExceptions();
};

void TestHypodermic::registersUnderTheGivenAliases_data()
{
    QTest::addColumn<bool>("asGreeter");
    QTest::addColumn<bool>("asFarewell");
    QTest::addColumn<bool>("asSelf");
    QTest::newRow("no alias: itself") << false << false << false;
    QTest::newRow("greeter only") << true << false << false;
    QTest::newRow("second base and self") << false << true << true;
}

void TestHypodermic::registersUnderTheGivenAliases()
{
    QFETCH(bool, asGreeter);
    QFETCH(bool, asFarewell);
    QFETCH(bool, asSelf);

    Hypodermic::ContainerBuilder builder;
    auto& registration = builder.registerType<English>().singleInstance();
    if (asGreeter)
        registration.as<IGreeter>();
    if (asFarewell)
        registration.as<IFarewell>();
    if (asSelf)
        registration.asSelf();
    const auto container = builder.build();

    std::shared_ptr<English> single;
    if (asGreeter)
        single = std::dynamic_pointer_cast<English>(container->resolve<IGreeter>());
    else
        QVERIFY_EXCEPTION_THROWN(container->resolve<IGreeter>(), Hypodermic::ResolutionException);
    if (asFarewell)
    {
        // Second base: the pointer must be adjusted to its subobject.
        QCOMPARE(container->resolve<IFarewell>()->Bye(), std::string("bye"));
        single = std::dynamic_pointer_cast<English>(container->resolve<IFarewell>());
    }
    QCOMPARE(bool(single), asGreeter || asFarewell);
    // Without aliases a type is registered as itself; with aliases only asSelf adds itself.
    const bool selfRegistered = asSelf || (!asGreeter && !asFarewell);
    const auto self = container->resolve<English>();
    QCOMPARE(container->resolve<English>() == self, selfRegistered);
    QCOMPARE(single && self == single, single && selfRegistered);
}

void TestHypodermic::laterRegistrationWinsAndNamesStayApart()
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

void TestHypodermic::lifetimes()
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
    // An empty instance stays empty rather than being replaced by a built one.
    instanceBuilder.registerInstance(std::shared_ptr<Leaf>());
    const auto instances = instanceBuilder.build();
    QCOMPARE(instances->resolve<English>(), english);
    QCOMPARE(instances->resolve<IFarewell>()->Bye(), std::string("bye"));
    QVERIFY(!instances->resolve<Leaf>());
    QCOMPARE(built, QStringList({"Leaf", "Leaf", "Leaf", "Leaf", "English"}));
}

void TestHypodermic::autowiresLeftToRightWithHostRegistrations()
{
    Hypodermic::ContainerBuilder builder;
    const auto french = std::make_shared<French>();
    builder.registerInstance(std::static_pointer_cast<IGreeter>(french));
    builder.registerType<Single>().singleInstance();
    const auto container = builder.build();
    built.clear();

    // Unregistered types are built anew each time; a single instance among their arguments is shared.
    const auto first = container->resolve<Pair>();
    const auto second = container->resolve<Pair>();
    QVERIFY(first != second);
    QCOMPARE(first->greeter->Greet(), std::string("bonjour"));
    QCOMPARE(first->single, second->single);
    QVERIFY(first->single->leaf && first->single->leaf != first->leaf);
    QCOMPARE(built, QStringList({"Leaf", "Leaf", "Single", "Pair", "Leaf", "Pair"}));

    built.clear();
    QVERIFY(container->resolve<Wide>());
    QStringList expected;
    for (int i = 0; i < 20; ++i)
        expected << QStringLiteral("Part<%1>").arg(i);
    QCOMPARE(built, expected << "Wide");
}

void TestHypodermic::failsNamingTheType_data()
{
    QTest::addColumn<Resolution>("resolve");
    QTest::addColumn<QStringList>("fragments");

    QTest::newRow("abstract") << Resolution([](Hypodermic::Container& c) { c.resolve<IGreeter>(); })
                              << QStringList({"Cannot resolve (anonymous namespace)::IGreeter", "abstract"});
    QTest::newRow("nested") << Resolution([](Hypodermic::Container& c) { c.resolve<Pair>(); })
                            << QStringList({"IGreeter", "(while building (anonymous namespace)::Pair)"});
    QTest::newRow("21 arguments") << Resolution([](Hypodermic::Container& c) { c.resolve<TooWide>(); })
                                  << QStringList({"TooWide", "shared_ptr"});
    QTest::newRow("not a pointer") << Resolution([](Hypodermic::Container& c) { c.resolve<NeedsNumber>(); })
                                   << QStringList({"NeedsNumber", "shared_ptr"});
    QTest::newRow("cycle") << Resolution([](Hypodermic::Container& c) { c.resolve<Chicken>(); })
                           << QStringList({"Chicken: it depends on itself", "Chicken -> "});
}

void TestHypodermic::failsNamingTheType()
{
    QFETCH(Resolution, resolve);
    QFETCH(QStringList, fragments);

    const auto container = Hypodermic::ContainerBuilder().build();
    const QString message = MessageOf<Hypodermic::ResolutionException>([&] { resolve(*container); });
    for (const auto& fragment : fragments)
        QVERIFY2(message.contains(fragment), qPrintable(message));
    // A failure leaves nothing behind that changes the next attempt.
    QCOMPARE(MessageOf<Hypodermic::ResolutionException>([&] { resolve(*container); }), message);
}

void TestHypodermic::propagatesConstructorExceptions()
{
    Hypodermic::ContainerBuilder builder;
    builder.registerType<Throwing>().singleInstance();
    const auto container = builder.build();

    for (int attempt = 0; attempt < 2; ++attempt)
    {
        QCOMPARE(MessageOf<std::runtime_error>([&] { container->resolve<AfterThrowing>(); }),
                 QStringLiteral("Throwing failed"));
    }
    // The single instance is retried, and the argument built before the failure was released (see cleanup).
    QCOMPARE(built, QStringList({"Leaf", "Throwing", "Leaf", "Throwing"}));
}

QTEST_GUILESS_MAIN(TestHypodermic)

#include "tst_hypodermic.moc"
