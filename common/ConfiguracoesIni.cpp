#include "ConfiguracoesIni.h"

#include "ArquivoIni.h"
#include "GravacaoAtomica.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char kNomeArquivo[] = "QUORVANE.INI";

}  // namespace

ConfiguracoesIni::ConfiguracoesIni()
    : m_caminho(caminhoPadrao())
{
}

ConfiguracoesIni::ConfiguracoesIni(const QString &caminhoArquivo)
    : m_caminho(caminhoArquivo)
{
}

QString ConfiguracoesIni::caminhoPadrao()
{
    QString pasta = qEnvironmentVariable("QUORVANE_CONFIG_DIR");
    if (pasta.isEmpty())
        pasta = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Quorvane");
    return QDir(pasta).filePath(QString::fromLatin1(kNomeArquivo));
}

QString ConfiguracoesIni::le(const QString &secao, const QString &chave, const QString &padrao) const
{
    QFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return padrao;
    return ArquivoIni(arquivo.readAll()).le(secao, chave).value_or(padrao);
}

void ConfiguracoesIni::grava(const QString &secao, const QString &chave, const QString &valor)
{
    QByteArray anterior;
    const bool existe = QFileInfo::exists(m_caminho);
    if (existe) {
        QFile arquivo(m_caminho);
        // A file that is there but cannot be read is not replaced.
        if (!arquivo.open(QIODevice::ReadOnly))
            return;
        anterior = arquivo.readAll();
    }
    ArquivoIni ini(anterior);
    if (!ini.grava(secao, chave, valor) || (existe && ini.conteudo() == anterior))
        return;
    QDir().mkpath(QFileInfo(m_caminho).absolutePath());
    GravacaoAtomica::grava(m_caminho, ini.conteudo());
}
