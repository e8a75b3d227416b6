#pragma once

// The test classes of a folder share one program. Each file registers its
// class under its own name ("tst_Catalogo") instead of defining main(); the
// program runs the class named by its first argument, with the Qt Test
// arguments that follow (see PrincipalTestes.cpp).

#include <QTest>

namespace RegistroTestes {

using Executor = int (*)(int argc, char *argv[]);

// Registers the class of the file `arquivo` (its __FILE__); the name is the
// file's base name. Returns true, so that registration is a static's value.
bool registra(const char *arquivo, Executor executor);

// The program's main(): runs the class named by argv[1].
int executa(int argc, char *argv[]);

}  // namespace RegistroTestes

// What QTEST_MAIN and QTEST_GUILESS_MAIN do, in a function the registry
// calls instead of in main().
#define QUORVANE_TEST_WRAPPER(TestObject, ...)                                                               \
    static int quorvaneExecuta##TestObject(int argc, char *argv[])                                           \
    {                                                                                                        \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                   \
        __VA_ARGS__                                                                                          \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }                                                                                                        \
    [[maybe_unused]] static const bool quorvaneRegistrado##TestObject                                        \
        = RegistroTestes::registra(__FILE__, quorvaneExecuta##TestObject);

// A QApplication where the program links the widgets, as QTEST_MAIN.
#define QUORVANE_TEST_MAIN(TestObject) QUORVANE_TEST_WRAPPER(TestObject, QTEST_MAIN_SETUP())
// A QCoreApplication, as QTEST_GUILESS_MAIN.
#define QUORVANE_TEST_GUILESS_MAIN(TestObject)                                                               \
    QUORVANE_TEST_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
