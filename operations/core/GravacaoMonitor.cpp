#include "GravacaoMonitor.h"

#include "TextoDecimal.h"

#include <QDateTime>

#include <cstdlib>

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

QString GravacaoMonitor::instanteIso(TDateTime instante)
{
    const QDateTime local = DataHora::paraQDateTime(instante);
    const int offset = local.offsetFromUtc();
    const int minutos = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+')
        + QStringLiteral("%1:%2").arg(minutos / 60, 2, 10, QChar(u'0')).arg(minutos % 60, 2, 10, QChar(u'0'));
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
