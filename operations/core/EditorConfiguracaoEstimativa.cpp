// The live estimates of the configuration window (capacity, duration,
// number of acquisitions) and the validation before sending.
#include "EditorConfiguracao.h"

#include "BlocoConfiguracao.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "Instantes.h"
#include "RotinasSensor.h"
#include "TextoLimite.h"
#include "Validacao.h"
#include "Windows1252.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

enum Texto {
    MaximoEmMemoria = 143,
    NroDeAquisicoes = 144,
    TempoEstimadoTexto = 145,
    ExcedeMemoria = 155,
    DoTarvek = 156,
    LimiteInferiorMaior = 157,
    LimitesFaixa = 158,
    LeiturasPorAquisicao = 159,
    Ultrapassa60Dias = 160,
    InformeNumero = 161,
    NumeroInvalido = 162,
    InicioNoPassado = 163,
    FimNoPassado = 164,
    InicioAposFim = 165,
    CaractereSemByte = 314,
};

// Seconds of "hh:mm:ss" from the characters 1-2, 4-5 and 7-8.
std::optional<qint64> segundosDoTexto(const QString &texto)
{
    const auto hh = ConverteInteiro(texto.mid(0, 2));
    const auto mm = ConverteInteiro(texto.mid(3, 2));
    const auto ss = ConverteInteiro(texto.mid(6, 2));
    if (!hh || !mm || !ss)
        return std::nullopt;
    return qint64(*hh) * 3600 + *mm * 60 + *ss;
}

bool temBranco(const QString &texto, std::initializer_list<int> posicoes)
{
    for (int p : posicoes)
        if (p > texto.size() || texto.at(p - 1) == u' ')
            return true;
    return false;
}

QString doisDigitos(qint64 valor)
{
    return QString::asprintf("%.2lld", static_cast<long long>(valor));
}

int limitaInt(qint64 valor)
{
    return int(std::clamp<qint64>(valor, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

ConfigRegional regionalDe(const Ambiente &ambiente)
{
    return ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
}

}  // namespace

std::optional<int> EditorConfiguracao::NumeroDeAquisicoes(const QString &texto)
{
    static const QRegularExpression mascara(QStringLiteral("^[0-9]{1,5}$"));
    const QString t = texto.trimmed();
    if (!mascara.match(t).hasMatch())
        return std::nullopt;
    return t.toInt();
}

void EditorConfiguracao::MaximodeAquisicoes()
{
    if (Canal1.temSensor() || Canal2.temSensor()) {
        MaxAquisicoes = BytesMemoria / TamanhoAquisicao(Canal1.codigo(), Canal2.codigo());
        LblMaximoLeituras.texto = texto(MaximoEmMemoria) + QString::number(MaxAquisicoes);
    } else {
        LblMaximoLeituras.texto = texto(MaximoEmMemoria) + QStringLiteral("0");
        LblNroLeituras.texto = texto(NroDeAquisicoes) + QStringLiteral("0");
        MaxAquisicoes = 0;
    }
}

void EditorConfiguracao::escondeEstimativa()
{
    LblMaximoLeituras.visivel = false;
    LblTempoEst.visivel = false;
    LblNroLeituras.visivel = false;
}

// Seconds from the start to the end date and time; nothing when they do
// not convert or the end is not after the start.
std::optional<qint64> EditorConfiguracao::segundosAteFim(TDateTime inicio) const
{
    const ConfigRegional regional = regionalDe(m_ambiente);
    if (!ConverteData(EditDataFim.texto, regional) || !ConverteHora(EditHoraFim.texto, regional))
        return std::nullopt;
    const auto fim = ConverteDataHora(EditDataFim.texto + u' ' + EditHoraFim.texto, regional);
    if (!fim || *fim <= inicio)
        return std::nullopt;
    return SegundosEntre(*fim, inicio);
}

void EditorConfiguracao::TempoEstimado()
{
    NroAquisicoes = 0;
    qint64 s = 0;
    qint64 q = 0;
    LblMaximoLeituras.visivel = LblTempoEst.visivel = LblNroLeituras.visivel = true;
    const ConfigRegional regional = regionalDe(m_ambiente);
    const TDateTime instante = agora();
    TDateTime inicio = instante;
    MaximodeAquisicoes();
    const bool meioSegundo = m_intervalo == Intervalo::MeioSegundo;
    const std::optional<int> m = ConverteInteiro(EditMedia.texto.trimmed());

    if (m_fim == Fim::MemoriaCheia || m_fim == Fim::AposLeituras) {
        NroAquisicoes = m_fim == Fim::MemoriaCheia
            ? BytesMemoria / TamanhoAquisicao(Canal1.codigo(), Canal2.codigo())
            : NumeroDeAquisicoes(EditNLeituras.texto).value_or(0);
        if (meioSegundo)
            s = (NroAquisicoes - 1) / 2;
    } else if (m_fim == Fim::NaoParar) {
        escondeEstimativa();  // the texts are still set below
    }
    if (m_intervalo == Intervalo::Tempo) {
        const auto segundos = segundosDoTexto(EditIntervalo.texto);
        if (!ConverteHora(EditIntervalo.texto, regional) || !segundos) {
            escondeEstimativa();
            return;
        }
        q = *segundos;
    }
    if (m_inicio == Inicio::NoDia) {
        const auto data = ConverteData(EditDataInicio.texto, regional);
        const auto hora = temBranco(EditHoraInicio.texto, { 1, 2, 4, 5, 7, 8 })
            ? std::optional<TDateTime>(DataHora::parteHora(instante))
            : ConverteHora(EditHoraInicio.texto, regional);
        if (!data || !hora) {
            escondeEstimativa();
            return;
        }
        inicio = *data + *hora;
    }
    if (m_fim == Fim::NoDia) {
        const auto e = segundosAteFim(inicio);
        if (!e) {
            escondeEstimativa();
            return;
        }
        // A readings count that does not convert, or a zero interval,
        // gives no estimate.
        const qint64 leituras = m.value_or(0);
        if (meioSegundo) {
            NroAquisicoes = leituras > 0 ? limitaInt((*e / leituras) * 2 - 1) : 0;
            s = *e;
        } else {
            NroAquisicoes = leituras * q > 0 ? limitaInt(*e / (leituras * q) + 1) : 0;
        }
    }

    QString duracao = QStringLiteral("--");
    if (NroAquisicoes != 0) {
        if (m_intervalo == Intervalo::Tempo) {
            if (!m) {
                LblTempoEst.texto = texto(TempoEstimadoTexto) + QStringLiteral("0");
                LblNroLeituras.texto = texto(NroDeAquisicoes) + QStringLiteral("0");
                return;
            }
            s = qint64(*m) * q * NroAquisicoes - qint64(*m) * q;
        }
        duracao = doisDigitos(s / 3600) + u':' + doisDigitos((s % 3600) / 60) + u':' + doisDigitos(s % 60);
    }
    if (meioSegundo)
        duracao += (NroAquisicoes != 0 && (qint64(NroAquisicoes) - 1) % 2 != 0) ? QStringLiteral(".5")
                                                                                : QStringLiteral(".0");
    LblTempoEst.texto = texto(TempoEstimadoTexto) + duracao;
    LblNroLeituras.texto = texto(NroDeAquisicoes) + QString::number(NroAquisicoes);
}

std::optional<CampoConfiguracao> EditorConfiguracao::validaLimites(int n)
{
    const CanalConfiguracao &c = canal(n);
    if (!c.temSensor())
        return std::nullopt;
    const CampoConfiguracao foco = n == 1 ? CampoConfiguracao::MELimLow1 : CampoConfiguracao::MELimLow2;
    auto contagem = [&](const QString &t) -> std::optional<int> {
        if (c.codigo() == CodigoSensor::Pt100)
            return ConverteInteiro(t.left(qMax<qsizetype>(0, t.size() - 2)));
        if (t.trimmed().isEmpty())
            return 0;
        return LimWithOutComma(t, c.ComboBoxDec.indice);
    };
    const auto baixo = contagem(c.MELimLow.texto);
    const auto alto = contagem(c.MELimHi.texto);
    if (!baixo || !alto || *baixo >= *alto) {
        aviso(texto(LimiteInferiorMaior));
        return foco;
    }
    if (c.codigo() == CodigoSensor::Corrente4a20mA || c.codigo() == CodigoSensor::Tensao0a50mV) {
        auto numero = [&](const QString &t) {
            return t.trimmed().isEmpty() ? std::optional<double>(0) : ConverteReal(t, separadorDecimal());
        };
        const auto vBaixo = numero(c.MELimLow.texto);
        const auto vAlto = numero(c.MELimHi.texto);
        if (!vBaixo || !vAlto || *vBaixo < -2000 || *vAlto > 9999) {
            aviso(texto(LimitesFaixa));
            return foco;
        }
    }
    return std::nullopt;
}

// Steps 5 to 11 of the validation: the typed dates and times.
std::optional<CampoConfiguracao> EditorConfiguracao::validaDatas(TDateTime instante)
{
    using C = CampoConfiguracao;
    const ConfigRegional regional = regionalDe(m_ambiente);
    if (EditDataInicio.habilitado && !ValidaDataFutura(EditDataInicio.texto, m_ambiente, instante))
        return C::EditDataInicio;
    if (EditHoraInicio.habilitado && !ValidaHora(EditHoraInicio.texto, m_ambiente))
        return C::EditHoraInicio;
    const auto inicio = ConverteDataHora(EditDataInicio.texto + u' ' + EditHoraInicio.texto, regional);
    if (EditDataInicio.habilitado && EditHoraInicio.habilitado && inicio && *inicio > instante + 60) {
        aviso(texto(Ultrapassa60Dias));
        return C::EditDataInicio;
    }
    if (EditDataFim.habilitado && !ValidaDataFutura(EditDataFim.texto, m_ambiente, instante))
        return C::EditDataFim;
    if (EditHoraFim.habilitado && !ValidaHora(EditHoraFim.texto, m_ambiente))
        return C::EditHoraFim;
    // A count the field's mask cannot hold, or one with the bit that
    // means never stop, is refused even without a sensor: written, it
    // would stop the logger at some other count, or never.
    if (m_fim == Fim::AposLeituras) {
        const auto n = NumeroDeAquisicoes(EditNLeituras.texto);
        const bool zero = n && *n == 0;
        if (!n || *n >= BlocoConfiguracao::ParadaNunca || (zero && MaxAquisicoes != 0)) {
            aviso(texto(zero ? InformeNumero : NumeroInvalido));
            return C::EditNLeituras;
        }
    }
    const auto fim = ConverteDataHora(EditDataFim.texto + u' ' + EditHoraFim.texto, regional);
    if (m_inicio == Inicio::NoDia && inicio.value_or(0) < instante) {
        aviso(texto(InicioNoPassado));
        return C::EditHoraInicio;
    }
    if (m_fim == Fim::NoDia && m_inicio == Inicio::Imediata && fim.value_or(0) < instante) {
        aviso(texto(FimNoPassado));
        return C::EditHoraFim;
    }
    if (m_fim == Fim::NoDia && m_inicio == Inicio::NoDia && fim.value_or(0) < inicio.value_or(0)) {
        aviso(texto(InicioAposFim));
        return C::EditHoraInicio;
    }
    return std::nullopt;
}

// The texts written to the logger: each character must have its byte in
// the logger's character set.
std::optional<CampoConfiguracao> EditorConfiguracao::validaTextos()
{
    using C = CampoConfiguracao;
    const std::pair<const CaixaConfiguracao *, C> textos[] = { { &EditTitulo, C::EditTitulo },
        { &Canal1.EditTag, C::EditTag1 }, { &Canal2.EditTag, C::EditTag2 },
        { &Canal1.EditUnid, C::EditUnid1 }, { &Canal2.EditUnid, C::EditUnid2 } };
    for (const auto &[caixa, campo] : textos) {
        // A temperature sensor's unit is "°C", whatever its box holds.
        const CanalConfiguracao &c = campo == C::EditUnid1 ? Canal1 : Canal2;
        if ((campo == C::EditUnid1 || campo == C::EditUnid2) && EhTermoparOuPt100(c.codigo()))
            continue;
        if (const QString caractere = Windows1252::semByte(caixa->texto); !caractere.isEmpty()) {
            aviso(texto(CaractereSemByte).arg(caractere));
            return campo;
        }
    }
    return std::nullopt;
}

std::optional<CampoConfiguracao> EditorConfiguracao::ValidaTudo()
{
    const TDateTime instante = agora();
    if (MaxAquisicoes != 0 && MaxAquisicoes < NroAquisicoes) {
        aviso(texto(NroDeAquisicoes) + u'(' + QString::number(NroAquisicoes) + QStringLiteral(") ")
            + texto(ExcedeMemoria) + QStringLiteral(" (") + QString::number(MaxAquisicoes)
            + QStringLiteral(") ") + texto(DoTarvek));
        return CampoConfiguracao::Nenhum;
    }
    for (int n = 1; n <= 2; ++n)
        if (const auto foco = validaLimites(n))
            return foco;
    const int limite = FirmwareUmZero ? 127 : 250;
    const auto media = ConverteInteiro(EditMedia.texto.trimmed());
    if (!media || *media < 1 || *media > limite) {
        aviso(texto(LeiturasPorAquisicao) + QString::number(limite) + u'.');
        return CampoConfiguracao::EditMedia;
    }
    if (const auto foco = validaDatas(instante))
        return foco;
    if (m_intervalo == Intervalo::Tempo && !ValidaIntervalo(EditIntervalo.texto, m_ambiente))
        return CampoConfiguracao::EditIntervalo;
    return validaTextos();
}
