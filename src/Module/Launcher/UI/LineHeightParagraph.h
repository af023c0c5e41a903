#pragma once

#include <QString>

namespace Zarvo::Orb::Module::Launcher::UI
{
// A rich-text paragraph with the given line height in percent; the dialogs' line
// height comes from the style sheet, so multi-line texts are built through this.
inline QString LineHeightParagraph(int lineHeight, const QString& text)
{
    // Multi-argument arg(): a "%1" inside a translation must stay literal.
    return QStringLiteral("<p style=\"line-height:%1%\">%2</p>").arg(QString::number(lineHeight), text);
}
} // namespace Zarvo::Orb::Module::Launcher::UI
