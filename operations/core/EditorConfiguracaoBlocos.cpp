// The configuration window and the logger's blocks: filling the fields from
// the three blocks as read, and encoding them into the configuration record
// and the non-volatile block that are written.
#include "EditorConfiguracao.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "Instantes.h"
#include "RotinasBytes.h"
#include "RotinasSensor.h"
#include "TextoLimite.h"

namespace {

enum Texto {
    MaximoEmMemoria = 143,
    DataHoraTarvek = 147,
    AquisicoesEfetuadas = 148,
    NumeroSerie = 149,
    Firmware = 150,
    BytesMemoriaTexto = 151,
    IntervaloInvalido = 152,
};

// Model codes that fix what the channels may hold.
enum Modelo { CanalUnico = 1, SoPt100 = 3, Pt100ComPercentual = 4 };

// The item of the sensor lists for a sensor code; an unknown code shows
// as "Nenhum".
int itemDoSensor(int codigo)
{
    if ((codigo & 0x80) == 0)
        return 0;
    const int item = (codigo & 0x0F) + 1;
    return item <= CodigoSensor::Tensao0a50mV - 127 ? item : 0;
}

// "hh:mm:ss" of an interval in half seconds, each part with at least two
// digits; a half second left over is dropped.
QString textoIntervalo(int meiosSegundos)
{
    return QString::asprintf("%.2d:%.2d:%.2d", meiosSegundos / 7200, (meiosSegundos % 7200) / 120,
        ((meiosSegundos % 7200) % 120) / 2);
}

std::optional<int> segundosDoIntervalo(const QString &texto)
{
    const auto hh = ConverteInteiro(texto.mid(0, 2));
    const auto mm = ConverteInteiro(texto.mid(3, 2));
    const auto ss = ConverteInteiro(texto.mid(6, 2));
    if (!hh || !mm || !ss)
        return std::nullopt;
    return *hh * 3600 + *mm * 60 + *ss;
}

ConfigRegional regionalDe(const Ambiente &ambiente)
{
    return ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
}

}  // namespace

void EditorConfiguracao::preencheModelo(int modelo, int &s1, int &s2, int &p)
{
    auto desabilitaCanal2 = [this] {
        for (CaixaConfiguracao *c : { &Canal2.ComboBoxSensor, &Canal2.EditTag, &Canal2.MELimLow,
                 &Canal2.MELimHi, &Canal2.EditUnid, &Canal2.ComboBoxDec })
            c->habilitado = false;
        Canal2.GrpBx_MediaHabilitado = false;
    };
    if (modelo == CanalUnico) {
        desabilitaCanal2();
        s2 = 0;
        p &= ~0x0C;
    } else if (modelo == SoPt100) {
        Canal1.ComboBoxSensor.habilitado = false;
        desabilitaCanal2();
        s1 = CodigoSensor::Pt100;
        s2 = 0;
        p = 0;
        LabelDecVisivel = false;
    } else if (modelo == Pt100ComPercentual) {
        for (CaixaConfiguracao *c : { &Canal1.ComboBoxSensor, &Canal2.ComboBoxSensor, &Canal2.MELimLow,
                 &Canal2.MELimHi, &Canal2.ComboBoxDec })
            c->habilitado = false;
        Canal2.GrpBx_MediaHabilitado = false;
        Canal2.EditUnid.texto = QStringLiteral("%");
        Canal2.EditUnid.habilitado = false;
        s1 = CodigoSensor::Pt100;
        s2 = CodigoSensor::Tensao0a50mV;
        p = 4;
    }
}

void EditorConfiguracao::preencheLimites(const QByteArray &naoVolatil, int modelo, int s1, int s2)
{
    const ::BlocoNaoVolatil n = ::BlocoNaoVolatil::decodifica(naoVolatil);
    int baixo[] = { n.LimiteInferior1, n.LimiteInferior2 };
    int alto[] = { n.LimiteSuperior1, n.LimiteSuperior2 };
    Canal1.OffsetCanal = n.Offset1;
    Canal2.OffsetCanal = n.Offset2;
    if (modelo == Pt100ComPercentual) {
        baixo[1] = 0;
        alto[1] = 1000;
        Canal2.MELimLow.habilitado = false;
        Canal2.MELimHi.habilitado = false;
        Canal2.EditUnid.habilitado = false;
    }
    // Temperature sensors keep their range, set by the sensor change.
    const int codigos[] = { s1, s2 };
    for (int i = 0; i < 2; ++i) {
        CanalConfiguracao &c = canal(i + 1);
        if (!c.temSensor() || EhTermoparOuPt100(codigos[i]))
            continue;
        c.MELimLow.texto = GetLimValue(baixo[i], c.ComboBoxDec.indice, separadorDecimal());
        c.MELimHi.texto = GetLimValue(alto[i], c.ComboBoxDec.indice, separadorDecimal());
    }
}

void EditorConfiguracao::preenche(
    const QByteArray &configuracao, const QByteArray &naoVolatil, const QByteArray &calibracao)
{
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(configuracao);
    const BlocoCalibracao k = BlocoCalibracao::decodifica(calibracao);
    const ::BlocoNaoVolatil n = ::BlocoNaoVolatil::decodifica(naoVolatil);
    NaoVolatilLido = naoVolatil.left(::BlocoNaoVolatil::Tamanho);
    NaoVolatilLido.append(QByteArray(::BlocoNaoVolatil::Tamanho - NaoVolatilLido.size(), '\0'));

    SetaModo(uint8_t(c.Modos));
    EditMedia.texto = QString::number(c.LeiturasPorAquisicao);
    lblDataHoraTarvek.texto = texto(DataHoraTarvek)
        + QString::asprintf(
            "%.2d/%.2d/%.4d  %.2d:%.2d:%.2d", c.Dia, c.Mes, c.Ano, c.Hora, c.Minuto, c.Segundo);
    lblNroEfetuadas.texto = texto(AquisicoesEfetuadas) + QString::number(c.AquisicoesEfetuadas);
    EditTitulo.texto = n.Titulo;
    Canal1.EditTag.texto = n.Tag1;
    Canal2.EditTag.texto = n.Tag2;
    Canal1.EditUnid.texto = n.Unidade1;
    Canal2.EditUnid.texto = n.Unidade2;

    const int v = c.Intervalo + 1;  // half seconds
    if (v == 1) {
        marcaIntervalo(Intervalo::MeioSegundo);
    } else {
        marcaIntervalo(Intervalo::Tempo);
        EditIntervalo.texto = textoIntervalo(v);  // a half second left over is dropped
    }
    lblNroSerie.texto = texto(NumeroSerie) + k.textoNumeroSerie();

    int s1 = c.Sensor1;
    int s2 = c.Sensor2;
    int p = c.PontoDecimal;
    preencheModelo(k.Modelo, s1, s2, p);
    lblFirmware.texto = texto(Firmware) + k.textoFirmware();
    FirmwareUmZero = k.textoFirmware() == QLatin1String("1.0");

    Canal1.ComboBoxSensor.indice = itemDoSensor(s1);
    Canal2.ComboBoxSensor.indice = itemDoSensor(s2);
    ComboBoxSensorChange(1);
    ComboBoxSensorChange(2);
    Canal1.ComboBoxDec.indice = p & 3;
    Canal2.ComboBoxDec.indice = (p >> 2) & 3;
    for (CanalConfiguracao *canal : { &Canal1, &Canal2 })
        canal->DecAtual = canal->DecAnterior = canal->ComboBoxDec.indice;
    preencheLimites(naoVolatil, k.Modelo, s1, s2);
    ComboBoxDecChange(1);
    ComboBoxDecChange(2);
    marcaInicio(Inicio::Imediata);

    // A memory smaller than its header holds nothing.
    BytesMemoria = qMax(0, c.Memoria - BlocoConfiguracao::InicioAreaAquisicoes);
    LblBytesMem.texto = texto(BytesMemoriaTexto) + QString::number(BytesMemoria);
    LblMaximoLeituras.texto
        = texto(MaximoEmMemoria) + QString::number(BytesMemoria / TamanhoAquisicao(s1, s2));
    // A count or an end date programmed earlier is not shown again.
    marcaFim(c.nuncaPara() ? Fim::NaoParar : Fim::MemoriaCheia);
    TempoEstimado();
}

QByteArray EditorConfiguracao::codificaNaoVolatil(int sensor1, int sensor2)
{
    ::BlocoNaoVolatil n;
    EditTitulo.texto = CompletaComEspacos(EditTitulo.texto, ::BlocoNaoVolatil::LarguraTitulo);
    Canal1.EditTag.texto = CompletaComEspacos(Canal1.EditTag.texto, ::BlocoNaoVolatil::LarguraTag);
    Canal2.EditTag.texto = CompletaComEspacos(Canal2.EditTag.texto, ::BlocoNaoVolatil::LarguraTag);
    const int codigos[] = { sensor1, sensor2 };
    int limites[2][2] = {};
    for (int i = 0; i < 2; ++i) {
        CanalConfiguracao &c = canal(i + 1);
        const QString unidade = EhTermoparOuPt100(codigos[i]) ? QStringLiteral("°C") : c.EditUnid.texto;
        c.EditUnid.texto = CompletaComEspacos(unidade, ::BlocoNaoVolatil::LarguraUnidade);
        if (!c.temSensor())
            continue;
        for (int j = 0; j < 2; ++j) {
            const QString &t = (j == 0 ? c.MELimLow : c.MELimHi).texto;
            limites[i][j] = codigos[i] == CodigoSensor::Pt100
                ? ConverteInteiro(t.left(qMax<qsizetype>(0, t.size() - 2))).value_or(0)
                : LimWithOutComma(t, c.ComboBoxDec.indice).value_or(0);
        }
    }
    n.Titulo = EditTitulo.texto;
    n.Tag1 = Canal1.EditTag.texto;
    n.Tag2 = Canal2.EditTag.texto;
    n.Unidade1 = Canal1.EditUnid.texto;
    n.Unidade2 = Canal2.EditUnid.texto;
    n.LimiteInferior1 = limites[0][0];
    n.LimiteSuperior1 = limites[0][1];
    n.LimiteInferior2 = limites[1][0];
    n.LimiteSuperior2 = limites[1][1];
    n.Offset1 = Canal1.OffsetCanal;
    n.Offset2 = Canal2.OffsetCanal;
    using C = ::BlocoNaoVolatil::Campo;
    return n.atualiza(NaoVolatilLido, C::Textos | C::Limites | C::Offsets);
}

// The stop count (Parada) of the end condition; an end date also shows its
// count in EditNLeituras.
int EditorConfiguracao::parada(int sensor1, int sensor2, int e, TDateTime instante)
{
    const ConfigRegional regional = regionalDe(m_ambiente);
    const int m = ConverteInteiro(EditMedia.texto.trimmed()).value_or(1);
    switch (m_fim) {
    case Fim::MemoriaCheia:
        return BytesMemoria / TamanhoAquisicao(sensor1, sensor2);
    case Fim::NaoParar:
        return BlocoConfiguracao::ParadaNunca;
    case Fim::NoDia: {
        const TDateTime fim
            = ConverteDataHora(EditDataFim.texto + u' ' + EditHoraFim.texto, regional).value_or(0);
        const TDateTime desde = m_inicio == Inicio::NoDia
            ? ConverteDataHora(EditDataInicio.texto + u' ' + EditHoraInicio.texto, regional).value_or(0)
            : instante;
        const qint64 l = SegundosEntre(fim, desde);
        const int contagem = int((((l * 2) / (e + 1)) / qMax(1, m) + 1) & 0xFFFF);
        EditNLeituras.texto = QString::number(contagem);
        return contagem;
    }
    case Fim::AposLeituras:
        return NumeroDeAquisicoes(EditNLeituras.texto).value_or(0) & 0xFFFF;
    }
    return 0;
}

// AtrasoInicio: 0 at once, else the seconds to the start x 2 + 1.
int EditorConfiguracao::atrasoInicio(TDateTime instante) const
{
    if (m_inicio == Inicio::Imediata)
        return 0;
    const ConfigRegional regional = regionalDe(m_ambiente);
    const TDateTime inicio
        = ConverteDataHora(EditDataInicio.texto + u' ' + EditHoraInicio.texto, regional).value_or(instante);
    // A start that passed while the user answered the confirmation starts
    // at once rather than some 97 days later.
    qint64 l = qMax<qint64>(0, SegundosEntre(inicio, instante));
    if (ConverteInteiro(EditMedia.texto.trimmed()).value_or(1) > 1)
        l += segundosDoIntervalo(EditIntervalo.texto).value_or(0);
    return int(l * 2 + 1);
}

std::optional<EnvioConfiguracao> EditorConfiguracao::codifica(CampoConfiguracao *foco)
{
    BlocoConfiguracao b;
    b.Sensor1 = Canal1.temSensor() ? ((Canal1.ComboBoxSensor.indice - 1) | 0x80) : 0;
    b.Sensor2 = Canal2.temSensor() ? ((Canal2.ComboBoxSensor.indice - 1) | 0x80) : 0;
    int modo1 = 0;
    int modo2 = 0;
    VerificaModo(modo1, modo2);
    b.Modos = CodificaModos(modo1, modo2);
    b.Medidas = NumeroDeMedidas(b.Sensor1, b.Sensor2);
    int e = 0;
    if (m_intervalo == Intervalo::Tempo) {
        const auto segundos = segundosDoIntervalo(EditIntervalo.texto);
        if (!segundos) {
            aviso(texto(IntervaloInvalido));
            if (foco)
                *foco = CampoConfiguracao::EditIntervalo;
            return std::nullopt;
        }
        e = *segundos * 2 - 1;
    }
    b.Intervalo = e;
    b.LeiturasPorAquisicao = ConverteInteiro(EditMedia.texto.trimmed()).value_or(0) & 0xFF;

    EnvioConfiguracao envio;
    envio.naoVolatil = codificaNaoVolatil(b.Sensor1, b.Sensor2);
    const int decimal1 = Canal1.temSensor() && !EhTermoparOuPt100(b.Sensor1) ? Canal1.ComboBoxDec.indice : 0;
    const int decimal2 = Canal2.temSensor() && !EhTermoparOuPt100(b.Sensor2) ? Canal2.ComboBoxDec.indice : 0;
    b.defineDecimais(decimal1, decimal2);

    const TDateTime instante = agora();  // taken once
    b.Parada = parada(b.Sensor1, b.Sensor2, e, instante);
    b.AtrasoInicio = atrasoInicio(instante);
    envio.configuracao = b.codificaRegistro(DataHora::paraQDateTime(instante));
    return envio;
}
