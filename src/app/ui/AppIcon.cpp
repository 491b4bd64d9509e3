// The program's icon, from the PNG sizes built into the program.
#include "app/ui/AppIcon.h"

#include <QSize>

// The resources live in a static library: without this reference the linker would drop them.
static void InitIconResources() {
    Q_INIT_RESOURCE(AppIcon);
}

namespace zn::app::ui {

QIcon ApplicationIcon() {
    InitIconResources();
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/znackar/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace zn::app::ui
