#pragma once

#include <QLibrary>
#include <QString>

namespace Hypodermic
{
class ContainerBuilder;
}

namespace OrbDemo
{
// The launcher module as a library loaded at run time. It stays loaded for the life of the
// process: the container and every launcher object run code from it.
class ModuleLibrary
{
public:
    static constexpr const char* EntryPoint = "OrbModuleLauncher_RegisterModuleIoC";

    // On failure Error() names the path and the cause.
    bool Load(const QString& path);
    QString Error() const { return error; }
    QString Path() const { return library.fileName(); }

    // Registers the launcher into builder; only after a successful Load.
    void Register(Hypodermic::ContainerBuilder& builder) const;

private:
    using RegisterFunction = void (*)(Hypodermic::ContainerBuilder*);

    QLibrary library;
    RegisterFunction entry = nullptr;
    QString error;
};
} // namespace OrbDemo
