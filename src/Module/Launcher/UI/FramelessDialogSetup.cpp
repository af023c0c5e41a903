#include "Module/Launcher/UI/FramelessDialogSetup.h"

#include "OrbUtilUI/WindowUtil.h"

namespace Zarvo::Orb::Module::Launcher::UI
{
void MakeTranslucentFrameless(QDialog* window)
{
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    window->setAttribute(Qt::WA_TranslucentBackground);
    // The mask helper must see the window before the off-screen guard moves it.
    Orb::UI::Util::AttachAutoMaskHelper(window);
    Orb::UI::Util::FixWindowOffscreenJumps(window);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
