#include "cli/DrawingModuleLoader.h"

#include "cli/Cli.h"
#include "cli/CliDispatch.h"
#include "picture/PictureLoader.h"

#include <QByteArray>
#include <climits>
#include <dlfcn.h>
#include <unistd.h>

namespace {

using DrawingMain = int (*)(int argc, char** argv);
using PictureReader = bool (*)(const QByteArray* bytes, Canvas* picture, QString* error);

QByteArray ModulePath() {
    char exe[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof exe))
        return QByteArray(DRAPIER_DRAWING_MODULE);
    QByteArray path(exe, length);
    return path.left(path.lastIndexOf('/') + 1) + DRAPIER_DRAWING_MODULE;
}

// The module's handle, or null with the reason.
void* Module(QString* error) {
    static QString failure;
    static void* const handle = [] {
        const QByteArray path = ModulePath();
        void* loaded = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!loaded)
            failure =
                QStringLiteral("cannot load the drawing module: %1").arg(QString::fromLocal8Bit(dlerror()));
        return loaded;
    }();
    if (!handle)
        *error = failure;
    return handle;
}

void* ModuleSymbol(const char* name, QString* error) {
    void* module = Module(error);
    if (!module)
        return nullptr;
    void* symbol = dlsym(module, name);
    if (!symbol)
        *error = QStringLiteral("the drawing module has no %1").arg(QLatin1StringView(name));
    return symbol;
}

} // namespace

int RunInDrawingModule(int argc, char** argv) {
    QString error;
    const auto run = reinterpret_cast<DrawingMain>(ModuleSymbol(kDrawingMainSymbol, &error));
    if (!run)
        return CliFailure(error);
    return run(argc, argv);
}

// The program's own definition of the picture loader (PictureLoader.h): the linker takes it instead of
// the core's, which would bring in the GUI library for every command.
bool ReadWithPictureLoader(const QByteArray& bytes, Canvas& picture, QString& error) {
    const auto read = reinterpret_cast<PictureReader>(ModuleSymbol(kPictureLoaderSymbol, &error));
    return read && read(&bytes, &picture, &error);
}
