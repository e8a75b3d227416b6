#include "SinalSonoroQt.h"

#include <QApplication>

void SinalSonoroQt::bip()
{
    QApplication::beep();
}
