// The drawing module's entry points (CliDispatch.h); its version script exports these alone.
#include "cli/CliDispatch.h"
#include "picture/PictureLoader.h"

#include <QGuiApplication>

int RunRenderCommand(const QStringList& args);
int RunSheetCommand(const QStringList& args);
int RunCatalogueCommand(const QStringList& args);

namespace {

int RunDrawingCommand(const QString& command, const QStringList& args) {
    if (command == u"render")
        return RunRenderCommand(args);
    if (command == u"sheet")
        return RunSheetCommand(args);
    return RunCatalogueCommand(args);
}

} // namespace

extern "C" int DrapierCliDrawingMain(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return RunCliCommand(args, RunDrawingCommand);
}

extern "C" bool DrapierCliReadWithPictureLoader(const QByteArray* bytes, Canvas* picture, QString* error) {
    return ReadWithPictureLoader(*bytes, *picture, *error);
}
