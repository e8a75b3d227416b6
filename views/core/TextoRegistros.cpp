#include "TextoRegistros.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "FormataDataHora.h"
#include "TextoInformacoes.h"

#include <QDateTime>
#include <QFileInfo>

namespace TextoRegistros {

namespace {

QString dataHoraLocal(const QDateTime &t, const ConfigRegional &regional)
{
    const TDateTime v = DataHora::deQDateTime(t);
    return FormataDataHora(regional.formatoDataCurta, v, regional) + u' '
        + FormataDataHora(regional.formatoHoraLonga, v, regional);
}

// A recording's instant as sealed (ISO 8601 local); the text as stored when
// it does not read as one.
QString instanteGravacao(const QString &iso, const ConfigRegional &regional)
{
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODate);
    return t.isValid() ? dataHoraLocal(t, regional) : iso;
}

QDateTime localDoEvento(const LinhaTrilha &l)
{
    // Stored with its "Z": read as UTC.
    const QDateTime utc = QDateTime::fromString(l.instante, Qt::ISODateWithMs);
    if (!utc.isValid())
        return {};
    return utc.toOffsetFromUtc(l.deslocamento);
}

QString textoDeslocamento(int segundos)
{
    const int abs = std::abs(segundos) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(QChar(segundos < 0 ? u'-' : u'+'))
        .arg(abs / 60, 2, 10, QChar(u'0'))
        .arg(abs % 60, 2, 10, QChar(u'0'));
}

}  // namespace

Integridade integridade(const SeloArquivo &selo, const QString &shaAtual, bool seladoDepois)
{
    if (shaAtual.isEmpty())
        return Integridade::Ausente;
    if (shaAtual.compare(selo.sha256, Qt::CaseInsensitive) == 0)
        return Integridade::Integro;
    return seladoDepois ? Integridade::Substituido : Integridade::Alterado;
}

Integridade verificaArquivo(const SeloArquivo &selo, SelosArquivo &selos)
{
    const QString sha = SelosArquivo::sha256Arquivo(selo.caminho);
    bool seladoDepois = false;
    if (!sha.isEmpty() && sha != selo.sha256) {
        const EstadoIntegridade e = selos.estado(selo.caminho, sha);
        seladoDepois = e.tipo == EstadoIntegridade::Integro && e.selo && e.selo->id > selo.id;
    }
    return integridade(selo, sha, seladoDepois);
}

QString textoIntegridade(Integridade estado, const Catalogo &catalogo)
{
    switch (estado) {
    case Integridade::Integro:
        return catalogo.texto(395);
    case Integridade::Alterado:
        return catalogo.texto(396);
    case Integridade::Substituido:
        return catalogo.texto(440);
    case Integridade::Ausente:
        return catalogo.texto(429);
    case Integridade::Verificando:
        break;
    }
    return catalogo.texto(430);
}

QString textoExcedeu(std::optional<bool> excedeu, const Catalogo &catalogo)
{
    if (!excedeu)
        return QStringLiteral("—");
    return catalogo.texto(*excedeu ? 431 : 432);
}

QString cabecalhoGravacao(ColunaGravacao coluna, const Catalogo &catalogo)
{
    static constexpr int textos[] = { 417, 423, 424, 425, 426, 427, 400, 428 };
    const int k = int(coluna);
    return k >= 0 && k < int(ColunaGravacao::Total) ? catalogo.texto(textos[k]) : QString();
}

QString textoGravacao(
    const SeloArquivo &selo, ColunaGravacao coluna, const Catalogo &catalogo, const ConfigRegional &regional)
{
    switch (coluna) {
    case ColunaGravacao::Serie:
        return selo.serie ? TextoNumeroSerie(quint32(*selo.serie)) : QStringLiteral("—");
    case ColunaGravacao::Titulo:
        return selo.titulo;
    case ColunaGravacao::Primeiro:
        return instanteGravacao(selo.primeiro, regional);
    case ColunaGravacao::Ultimo:
        return instanteGravacao(selo.ultimo, regional);
    case ColunaGravacao::Entradas:
        return QString::number(selo.entradas);
    case ColunaGravacao::Excedeu:
        return textoExcedeu(selo.excedeu, catalogo);
    case ColunaGravacao::Caminho:
        return QFileInfo(selo.caminho).filePath();
    case ColunaGravacao::Integridade:
    case ColunaGravacao::Total:
        break;
    }
    return {};
}

QStringList acoes()
{
    using namespace AcaoAuditoria;
    return { Configuracao, Coleta, Parada, Bateria, Offset, Limites, Portas, Gravacao, Exportacao,
        Impressao };
}

QString nomeAcao(const QString &acao, const Catalogo &catalogo)
{
    const qsizetype ponto = acao.indexOf(u'.');
    const QString base = ponto < 0 ? acao : acao.left(ponto);
    const qsizetype k = acoes().indexOf(base);
    const QStringList nomes = catalogo.texto(441).split(u'|');
    if (k < 0 || k >= nomes.size())
        return acao;
    const QString nome = nomes.at(k);
    const QString sufixo = ponto < 0 ? QString() : acao.mid(ponto);
    const QStringList formas = catalogo.texto(442).split(u'|');
    if (sufixo == AcaoAuditoria::SufixoIntencao && !formas.isEmpty())
        return formas.at(0).arg(nome);
    if (sufixo == AcaoAuditoria::SufixoResultado && formas.size() > 1)
        return formas.at(1).arg(nome);
    return sufixo.isEmpty() ? nome : acao;
}

QString textoInstante(const LinhaTrilha &l, const ConfigRegional &regional)
{
    const QDateTime t = localDoEvento(l);
    if (!t.isValid())
        return l.instante;
    // The clock the event's user saw, and how far it was from UTC.
    const QDateTime relogio(t.date(), t.time());
    return QStringLiteral("%1 (UTC%2)")
        .arg(dataHoraLocal(relogio, regional), textoDeslocamento(l.deslocamento));
}

QString instanteIso(const LinhaTrilha &l)
{
    const QDateTime t = localDoEvento(l);
    return t.isValid() ? t.toString(Qt::ISODateWithMs) : l.instante;
}

QString cabecalhoTrilha(ColunaTrilha coluna, const Catalogo &catalogo)
{
    if (coluna == ColunaTrilha::Linha)
        return QStringLiteral("#");
    static constexpr int textos[] = { 0, 433, 434, 435, 421, 417, 437 };
    const int k = int(coluna);
    return k > 0 && k < int(ColunaTrilha::Total) ? catalogo.texto(textos[k]) : QString();
}

QString textoTrilha(
    const LinhaTrilha &l, ColunaTrilha coluna, const Catalogo &catalogo, const ConfigRegional &regional)
{
    switch (coluna) {
    case ColunaTrilha::Linha:
        return QString::number(l.id);
    case ColunaTrilha::Instante:
        return textoInstante(l, regional);
    case ColunaTrilha::Usuario:
        return l.usuario;
    case ColunaTrilha::Host:
        return l.host;
    case ColunaTrilha::Acao:
        return nomeAcao(l.acao, catalogo);
    case ColunaTrilha::Serie:
        return l.serie ? TextoNumeroSerie(quint32(*l.serie)) : QStringLiteral("—");
    case ColunaTrilha::Detalhes:
        return l.detalhes;
    case ColunaTrilha::Total:
        break;
    }
    return {};
}

QByteArray csvTrilha(
    const QList<LinhaTrilha> &linhas, const Catalogo &catalogo, const ExportacaoCsv::Opcoes &op)
{
    QByteArray s;
    if (op.bom)
        s += "\xEF\xBB\xBF";
    const QChar sep = op.separador;
    const QStringList cabecalho = { QStringLiteral("#"), catalogo.texto(433), catalogo.texto(434),
        catalogo.texto(435), catalogo.texto(436), catalogo.texto(421), catalogo.texto(417),
        catalogo.texto(437), QStringLiteral("SHA-256") };
    auto linha = [&s, sep](const QStringList &campos) {
        for (qsizetype k = 0; k < campos.size(); ++k) {
            if (k > 0)
                s += sep.toLatin1();
            ExportacaoCsv::acrescentaCampo(s, campos.at(k).toUtf8(), char(sep.toLatin1()));
        }
        s += "\r\n";
    };
    linha(cabecalho);
    for (const LinhaTrilha &l : linhas)
        linha({ QString::number(l.id), instanteIso(l), l.usuario, l.host, l.versao, l.acao,
            l.serie ? TextoNumeroSerie(quint32(*l.serie)) : QString(), l.detalhes, l.hash });
    return s;
}

QString cabecalhoImpressao(const Catalogo &catalogo)
{
    return QStringList { QStringLiteral("#"), catalogo.texto(433), catalogo.texto(434), catalogo.texto(421),
        catalogo.texto(417), catalogo.texto(437) }
        .join(u'\t');
}

QStringList linhasImpressas(
    const LinhaTrilha &l, const Catalogo &catalogo, const ConfigRegional &regional, int largura)
{
    largura = std::max(1, largura);
    const QStringList colunas = { QString::number(l.id), textoInstante(l, regional), l.usuario,
        nomeAcao(l.acao, catalogo), textoTrilha(l, ColunaTrilha::Serie, catalogo, regional) };
    const QString recuo(colunas.size(), u'\t');
    QStringList linhas { colunas.join(u'\t') + u'\t' + l.detalhes.left(largura) };
    for (qsizetype k = largura; k < l.detalhes.size(); k += largura)
        linhas << recuo + l.detalhes.mid(k, largura);
    return linhas;
}

FiltroSelos filtroGravacoes(const Campos &c)
{
    FiltroSelos f;
    f.tipo = QStringLiteral("qvg");
    f.serie = c.serie;
    if (c.de.isValid())
        f.de = QDateTime(c.de, QTime(0, 0));
    if (c.ate.isValid())
        f.ate = QDateTime(c.ate, QTime(23, 59, 59));
    return f;
}

FiltroTrilha filtroTrilha(const Campos &c)
{
    FiltroTrilha f;
    f.serie = c.serie;
    f.acao = c.acao;
    if (c.de.isValid())
        f.de = QDateTime(c.de, QTime(0, 0));
    if (c.ate.isValid())
        f.ate = QDateTime(c.ate, QTime(23, 59, 59, 999));
    return f;
}

}  // namespace TextoRegistros
