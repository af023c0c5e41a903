#include "ModuleLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <stdexcept>

namespace OrbDemo
{
bool ModuleLibrary::Load(const QString& path)
{
    entry = nullptr;
    const QFileInfo file(path);
    if (!file.exists())
    {
        error = QCoreApplication::translate("ModuleLibrary", "Module library %1 does not exist.").arg(path);
        return false;
    }
    if (!file.isFile())
    {
        error = QCoreApplication::translate("ModuleLibrary", "Module library %1 is not a file.").arg(path);
        return false;
    }
    library.setFileName(file.absoluteFilePath());
    if (!library.load())
    {
        error = QCoreApplication::translate("ModuleLibrary", "Cannot load module library %1: %2")
                    .arg(path, library.errorString());
        return false;
    }
    entry = reinterpret_cast<RegisterFunction>(library.resolve(EntryPoint));
    if (!entry)
    {
        error = QCoreApplication::translate("ModuleLibrary", "Module library %1 has no entry point %2: %3")
                    .arg(path, QLatin1String(EntryPoint), library.errorString());
        return false;
    }
    error.clear();
    return true;
}

void ModuleLibrary::Register(Hypodermic::ContainerBuilder& builder) const
{
    if (!entry)
    {
        throw std::logic_error("ModuleLibrary::Register before a successful Load");
    }
    entry(&builder);
}
} // namespace OrbDemo
