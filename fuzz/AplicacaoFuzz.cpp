// Part of every fuzz target: the Qt application object, made once before
// the first input, as the program and the tools make theirs. Qt's own code
// is not instrumented; ours, which runs inside it, is.

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Never destroyed: libFuzzer leaves through exit(), and the object must
    // stay valid for whatever runs until then.
    static QCoreApplication *aplicacao = new QCoreApplication(*argc, *argv);
    Q_UNUSED(aplicacao);
    return 0;
}
