#include "OrbUiMenu/CommonActions.h"

#include <QCoreApplication>

namespace Zarvo::Orb::UI::Action
{
namespace
{
struct Entry
{
    const char* id;
    const char* text;
    const char* shortcut;
};

const Entry Entries[] = {
    {"ActionShowActiveWindow", QT_TRANSLATE_NOOP("CommonActions", "Show Main Window"), ""},
    {"ActionPreferences", QT_TRANSLATE_NOOP("CommonActions", "Preferences..."), "Ctrl+,"},
    {"ActionQuit", QT_TRANSLATE_NOOP("CommonActions", "Quit"), "Ctrl+Q"},
    {"ActionInstallAudioComponent", QT_TRANSLATE_NOOP("CommonActions", "Install Audio Component"), ""},
    {"ActionUninstallAudioComponent", QT_TRANSLATE_NOOP("CommonActions", "Uninstall Audio Component"), ""},
    {"ActionHelpCenter", QT_TRANSLATE_NOOP("CommonActions", "Help Center"), "F1"},
    {"ActionAbout", QT_TRANSLATE_NOOP("CommonActions", "About"), ""},
    {"ActionShowStyleSheetEditor", QT_TRANSLATE_NOOP("CommonActions", "Style Sheet Editor..."), ""},
};
} // namespace

QVector<ActionContext> GetCommonActionParameters()
{
    QVector<ActionContext> actions;
    for (const auto& entry : Entries)
    {
        const char* text = entry.text;
        actions.append({QString::fromLatin1(entry.id),
                        [text] { return QCoreApplication::translate("CommonActions", text); },
                        QKeySequence::fromString(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText)});
    }
    return actions;
}
} // namespace Zarvo::Orb::UI::Action
