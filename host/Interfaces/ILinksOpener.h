#pragma once

#include <QString>

namespace Zarvo::App
{
// Opens the product's web links (help, account, purchase pages).
class ILinksOpener
{
public:
    virtual ~ILinksOpener() = default;
    virtual void OpenLink(const QString& linkId) = 0;
};
} // namespace Zarvo::App
