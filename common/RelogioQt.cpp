#include "RelogioQt.h"

#include <QCoreApplication>
#include <QThread>

RelogioQt::RelogioQt()
{
    m_cronometro.start();
}

int64_t RelogioQt::tickCount() const
{
    return m_cronometro.elapsed();
}

TDateTime RelogioQt::dataHoraAtual() const
{
    return DataHora::agora();
}

void RelogioQt::dorme(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void RelogioQt::processaMensagens()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
