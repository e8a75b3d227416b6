#include "GravacaoMonitor.h"

#include "InstanteIso.h"
#include "TextoDecimal.h"

#include <QDateTime>

bool GravacaoMonitor::abre(const QString &caminho)
{
    fecha();
    m_arquivo.setFileName(caminho);
    return m_arquivo.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void GravacaoMonitor::fecha()
{
    if (m_arquivo.isOpen())
        m_arquivo.close();
}

QString GravacaoMonitor::instanteIso(TDateTime instante, const QTimeZone &zona)
{
    // To the second below, as the window shows the reading; then as the CSV
    // export writes its instants.
    QDateTime local = DataHora::paraQDateTime(instante);
    local.setTime(QTime(local.time().hour(), local.time().minute(), local.time().second()));
    return QString::fromLatin1(InstanteIso(zona, false).texto(DataHora::deQDateTime(local)));
}

QString GravacaoMonitor::linha(const MonitorOnLine::Leitura &leitura, const MonitorOnLine &monitor)
{
    QString t = instanteIso(leitura.instante);
    for (const auto &[canal, valor] : leitura.valores) {
        char buf[TextoDecimal::TamanhoBuffer];
        const int n = TextoDecimal::leitura(
            buf, sizeof buf, valor, monitor.codigoSensor(canal) & 0x0F, monitor.decimais(canal), '.');
        t += u';' + QString::fromLatin1(buf, n);
    }
    return t;
}

bool GravacaoMonitor::grava(const MonitorOnLine::Leitura &leitura, const MonitorOnLine &monitor)
{
    if (!m_arquivo.isOpen())
        return false;
    const QByteArray bytes = (linha(leitura, monitor) + u'\n').toUtf8();
    if (m_arquivo.write(bytes) != bytes.size() || !m_arquivo.flush()) {
        fecha();
        return false;
    }
    return true;
}
