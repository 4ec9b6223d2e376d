#include "app/Icons.h"

// Resources of a static library must be registered by name, outside any namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(tessaly_icons);
}

namespace tessaly::app {

void installIconTheme()
{
    static const bool done = [] {
        initIconResources();
        QStringList paths = QIcon::themeSearchPaths();
        if (!paths.contains(QStringLiteral(":/icons")))
            paths.prepend(QStringLiteral(":/icons"));
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(QStringLiteral("tessaly"));
        return true;
    }();
    (void)done;
}

QIcon themeIcon(const QString& name)
{
    installIconTheme();
    return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/tessaly/scalable/%1.svg").arg(name)));
}

} // namespace tessaly::app
