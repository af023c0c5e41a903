#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace OrbDemo
{
Languages::Languages(const QStringList& folders)
    : folders(folders)
{
}

Languages::~Languages()
{
    for (const auto& translator : installed)
    {
        QCoreApplication::removeTranslator(translator.get());
    }
}

QStringList Languages::DefaultFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {QStringLiteral(ORB_DEMO_TRANSLATIONS_DIR),
            program.filePath(QStringLiteral("../share/OrbModuleLauncher/translations")),
            program.filePath(QStringLiteral("translations"))};
}

bool Languages::Switch(const QString& language)
{
    if (!Available().contains(language))
    {
        return false;
    }
    for (const auto& translator : installed)
    {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed.clear();
    missing.clear();

    Install(QStringLiteral("OrbModuleLauncher"), language);
    // The demo's texts are written in English; only other languages have a catalogue.
    if (language != QLatin1String("en"))
    {
        Install(QStringLiteral("orb-launcher-demo"), language);
    }
    current = language;
    return true;
}

bool Languages::Install(const QString& catalogue, const QString& language)
{
    const QString fileName = catalogue + QLatin1Char('_') + language;
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders)
    {
        if (translator->load(fileName, folder))
        {
            QCoreApplication::installTranslator(translator.get());
            installed.push_back(std::move(translator));
            return true;
        }
    }
    missing.append(fileName + QStringLiteral(".qm"));
    return false;
}
} // namespace OrbDemo
