#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace OrbDemo
{
// The host owns the language: it installs the module's catalogue and its own for the chosen
// language. Installing or removing a translator makes Qt send LanguageChange to every window,
// and the module's windows retranslate themselves on it.
class Languages
{
public:
    // Catalogues are looked up in these folders, first match wins.
    explicit Languages(const QStringList& folders);
    ~Languages();

    Languages(const Languages&) = delete;
    Languages& operator=(const Languages&) = delete;

    static QStringList Available() { return {QStringLiteral("en"), QStringLiteral("de")}; }
    // Folders holding the catalogues: the build's, then an installed tree's beside the program.
    static QStringList DefaultFolders();

    // Replaces the installed catalogues with those of language. Unknown languages change
    // nothing and return false; catalogues that cannot be found are listed in Missing().
    bool Switch(const QString& language);
    QString Current() const { return current; }
    QStringList Missing() const { return missing; }

private:
    bool Install(const QString& catalogue, const QString& language);

    QStringList folders;
    QString current;
    QStringList missing;
    std::vector<std::unique_ptr<QTranslator>> installed;
};
} // namespace OrbDemo
