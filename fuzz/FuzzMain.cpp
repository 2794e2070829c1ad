// Linked into every fuzz target (not into the replay, whose test main does the same): one GUI application
// for the whole run, on the offscreen platform, since text drawing and Qt's picture readers need one;
// made once here, never per input. Qt's warnings about bad input would cost more than the input.
#include <QGuiApplication>
#include <QtGlobal>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Qt gets an argument list of its own: it would take out the arguments it knows.
    static int qtArgc = 1;
    static char* qtArgv[] = {*argc > 0 ? (*argv)[0] : nullptr, nullptr};
    static QGuiApplication application(qtArgc, qtArgv);
    return 0;
}
