#include "FichaTarvek.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "RotinasSensor.h"
#include "TextoNumero.h"

#include <QDateTime>

#include <cstdlib>

namespace {

constexpr int TextoMeioSegundo = 88;  // "0.5 seg.", the configuration window's choice
constexpr int TextoNenhum = 277;
constexpr int TextoPrimeiroSensor = 278;  // code 128; up to 288 for code 138
constexpr int TextoMedia = 90;
constexpr int TextoMinimo = 91;
constexpr int TextoMaximo = 92;
constexpr int LarguraNome = 26;
constexpr int LarguraValor = 12;

// A limit (a count of the last shown digit) as the channel shows it: 125
// with two decimals is "1,25"; a Pt100 limit, in whole degrees, is shown
// with ",0" ("-200,0"). Empty when the count is the value shown.
QString textoLimite(int contagem, int sensor, int decimais)
{
    if (sensor == CodigoSensor::Pt100)
        return QString::number(contagem) + QStringLiteral(",0");
    if (decimais <= 0)
        return QString();
    QString digitos = QString::number(std::abs(contagem)).rightJustified(decimais + 1, u'0');
    digitos.insert(digitos.size() - decimais, u',');
    return (contagem < 0 ? QStringLiteral("-") : QString()) + digitos;
}

// An offset in the channel's unit: Pt100 offsets are tenths of a degree
// (5 is "0,5"), the others counts of the last shown digit (-4 with two
// decimals is "-0,04"). Empty when the count is the value shown.
QString textoOffset(int contagem, int sensor, int decimais)
{
    const int sensorDocumento = sensor >= CodigoSensor::TermoparJ ? sensor - CodigoSensor::TermoparJ : -1;
    const QString texto = TextoNumero::offset(contagem, sensorDocumento, decimais, u',');
    return texto == QString::number(contagem) ? QString() : texto;
}

QString mascaraDecimal(int decimais)
{
    static const char *const mascaras[] = { "0000", "000,0", "00,00", "0,000" };
    return QString::fromLatin1(mascaras[decimais & 3]);
}

QJsonValue dataHora(const QDateTime &instante)
{
    return instante.isValid() ? QJsonValue(instante.toString(Qt::ISODate)) : QJsonValue();
}

QString textoDataHora(const QDateTime &instante, const QString &formato)
{
    return instante.isValid() ? instante.toString(formato) : QStringLiteral("data inválida");
}

QString textoMeiosSegundos(int meios)
{
    return QStringLiteral("%1%2 s").arg(meios / 2).arg(meios % 2 ? QStringLiteral(",5") : QString());
}

}  // namespace

FichaTarvek::FichaTarvek(const BlocoConfiguracao &configuracao, const BlocoNaoVolatil &naoVolatil,
    const BlocoCalibracao &calibracao, const Catalogo &catalogo)
    : m_catalogo(catalogo)
{
    m_secoes << secaoConfiguracao(configuracao) << secaoNaoVolatil(naoVolatil, configuracao)
             << secaoCalibracao(calibracao) << secaoDerivados(configuracao, calibracao);
}

QString FichaTarvek::nomeSensor(int codigo) const
{
    if (codigo < 128)
        return m_catalogo.texto(TextoNenhum);
    if (codigo <= CodigoSensor::Tensao0a50mV)
        return m_catalogo.texto(TextoPrimeiroSensor + codigo - 128);
    return QStringLiteral("desconhecido");
}

QString FichaTarvek::nomeModo(int modo) const
{
    const int textos[] = { TextoMedia, TextoMaximo, TextoMinimo };
    return m_catalogo.texto(textos[modo >= 0 && modo <= 2 ? modo : 0]);
}

FichaTarvek::Secao FichaTarvek::secaoConfiguracao(const BlocoConfiguracao &c) const
{
    Secao s { QStringLiteral("configuracao"), QStringLiteral("Configuração"), {} };
    s.campos << Campo { QStringLiteral("Sensor1"), c.Sensor1, nomeSensor(c.Sensor1) }
             << Campo { QStringLiteral("Sensor2"), c.Sensor2, nomeSensor(c.Sensor2) }
             << Campo { QStringLiteral("Intervalo"), c.Intervalo,
                    c.modoMeioSegundo() ? m_catalogo.texto(TextoMeioSegundo) : c.textoIntervalo() }
             << Campo { QStringLiteral("AtrasoInicio"), c.AtrasoInicio,
                    c.AtrasoInicio == 0 ? QStringLiteral("início imediato")
                                        : QStringLiteral("início após %1 s").arg((c.AtrasoInicio - 1) / 2) }
             << Campo { QStringLiteral("Parada"), c.Parada,
                    c.nuncaPara() ? QStringLiteral("nunca para (memória circular)")
                                  : QStringLiteral("para após %1 aquisições").arg(c.Parada) }
             << Campo { QStringLiteral("Ano"), c.Ano, {} } << Campo { QStringLiteral("Mes"), c.Mes, {} }
             << Campo { QStringLiteral("Dia"), c.Dia, {} } << Campo { QStringLiteral("Hora"), c.Hora, {} }
             << Campo { QStringLiteral("Minuto"), c.Minuto, {} }
             << Campo { QStringLiteral("Segundo"), c.Segundo, {} }
             << Campo { QStringLiteral("Relogio"), dataHora(c.relogio()),
                    textoDataHora(c.relogio(), QStringLiteral("dd/MM/yyyy hh:mm:ss")) }
             << Campo { QStringLiteral("LeiturasPorAquisicao"), c.LeiturasPorAquisicao, {} }
             << Campo { QStringLiteral("Modos"), c.Modos,
                    QStringLiteral("canal 1: %1, canal 2: %2")
                        .arg(nomeModo(ModoDoCanal(uint8_t(c.Modos), 1)),
                            nomeModo(ModoDoCanal(uint8_t(c.Modos), 2))) }
             << Campo { QStringLiteral("Medidas"), c.Medidas, {} }
             << Campo { QStringLiteral("PontoDecimal"), c.PontoDecimal,
                    QStringLiteral("canal 1: %1, canal 2: %2")
                        .arg(mascaraDecimal(c.decimais(1)), mascaraDecimal(c.decimais(2))) }
             << Campo { QStringLiteral("Reservado"), c.Reservado, {} }
             << Campo { QStringLiteral("Memoria"), c.Memoria, {} }
             << Campo { QStringLiteral("AquisicoesEfetuadas"), c.AquisicoesEfetuadas, {} }
             << Campo { QStringLiteral("InicioCircular"), c.InicioCircular, {} }
             << Campo { QStringLiteral("DesdeUltima"), c.DesdeUltima, textoMeiosSegundos(c.DesdeUltima) }
             << Campo { QStringLiteral("Bateria"), c.Bateria, {} };
    return s;
}

FichaTarvek::Secao FichaTarvek::secaoNaoVolatil(const BlocoNaoVolatil &n, const BlocoConfiguracao &c) const
{
    const int s1 = c.Sensor1;
    const int s2 = c.Sensor2;
    const int d1 = c.decimais(1);
    const int d2 = c.decimais(2);
    Secao s { QStringLiteral("naoVolatil"), QStringLiteral("Não-voláteis"), {} };
    s.campos << Campo { QStringLiteral("Titulo"), n.Titulo, {} }
             << Campo { QStringLiteral("Tag1"), n.Tag1, {} } << Campo { QStringLiteral("Tag2"), n.Tag2, {} }
             << Campo { QStringLiteral("Unidade1"), n.Unidade1, {} }
             << Campo { QStringLiteral("Unidade2"), n.Unidade2, {} }
             << Campo { QStringLiteral("LimiteInferior1"), n.LimiteInferior1,
                    textoLimite(n.LimiteInferior1, s1, d1) }
             << Campo { QStringLiteral("LimiteSuperior1"), n.LimiteSuperior1,
                    textoLimite(n.LimiteSuperior1, s1, d1) }
             << Campo { QStringLiteral("LimiteInferior2"), n.LimiteInferior2,
                    textoLimite(n.LimiteInferior2, s2, d2) }
             << Campo { QStringLiteral("LimiteSuperior2"), n.LimiteSuperior2,
                    textoLimite(n.LimiteSuperior2, s2, d2) }
             << Campo { QStringLiteral("Offset1"), n.Offset1, textoOffset(n.Offset1, s1, d1) }
             << Campo { QStringLiteral("Offset2"), n.Offset2, textoOffset(n.Offset2, s2, d2) }
             << Campo { QStringLiteral("HoraBateria"), n.HoraBateria, {} }
             << Campo { QStringLiteral("MinutoBateria"), n.MinutoBateria, {} }
             << Campo { QStringLiteral("DiaBateria"), n.DiaBateria, {} }
             << Campo { QStringLiteral("MesBateria"), n.MesBateria, {} }
             << Campo { QStringLiteral("AnoBateria"), n.AnoBateria, {} }
             << Campo { QStringLiteral("DataBateria"), dataHora(n.dataBateria()),
                    textoDataHora(n.dataBateria(), QStringLiteral("dd/MM/yyyy hh:mm")) };
    return s;
}

FichaTarvek::Secao FichaTarvek::secaoCalibracao(const BlocoCalibracao &k) const
{
    Secao s { QStringLiteral("calibracao"), QStringLiteral("Calibração"), {} };
    for (int i = 0; i < BlocoCalibracao::NumeroCoeficientes; ++i) {
        const int valor = i < 12 ? k.coeficiente(i) : k.offsetJuncaoFria();
        s.campos << Campo { QStringLiteral("W%1").arg(i), valor, {} };
    }
    s.campos << Campo { QStringLiteral("Modelo"), k.Modelo, {} }
             << Campo { QStringLiteral("NumeroSerie"), qint64(k.NumeroSerie), k.textoNumeroSerie() }
             << Campo { QStringLiteral("Reservado35"), k.Reservado35, {} }
             << Campo { QStringLiteral("Firmware"), k.Firmware, k.textoFirmware() };
    return s;
}

FichaTarvek::Secao FichaTarvek::secaoDerivados(const BlocoConfiguracao &c, const BlocoCalibracao &k) const
{
    Secao s { QStringLiteral("derivados"), QStringLiteral("Derivados"), {} };
    s.campos << Campo { QStringLiteral("BytesPorAquisicao"), c.bytesPorAquisicao(), {} }
             << Campo { QStringLiteral("Capacidade"), c.capacidade(), {} }
             << Campo { QStringLiteral("BytesMemoria"), c.bytesMemoria(), {} }
             << Campo { QStringLiteral("CargaBateria"), c.cargaBateria(),
                    QStringLiteral("%1%").arg(c.cargaBateria()) }
             << Campo { QStringLiteral("MaximoLeiturasPorAquisicao"), k.maximoLeiturasPorAquisicao(), {} };
    return s;
}

QString FichaTarvek::texto() const
{
    QString t;
    for (const Secao &s : m_secoes) {
        if (!t.isEmpty())
            t += u'\n';
        t += s.titulo + u'\n';
        for (const Campo &c : s.campos) {
            QString valor = c.valor.isString() ? QStringLiteral("\"%1\"").arg(c.valor.toString())
                : c.valor.isNull()             ? QStringLiteral("-")
                                               : QString::number(c.valor.toDouble(), 'f', 0);
            // A date is shown by its text alone.
            if (c.valor.isString() && !c.texto.isEmpty())
                valor = c.texto;
            else if (!c.texto.isEmpty())
                valor = valor.leftJustified(LarguraValor) + u' ' + c.texto;
            t += QStringLiteral("  ") + c.nome.leftJustified(LarguraNome) + u' ' + valor + u'\n';
        }
    }
    return t;
}

QJsonObject FichaTarvek::json() const
{
    QJsonObject raiz;
    for (const Secao &s : m_secoes) {
        QJsonObject o;
        for (const Campo &c : s.campos)
            o.insert(c.nome,
                c.texto.isEmpty() ? c.valor
                                  : QJsonObject { { QStringLiteral("valor"), c.valor },
                                      { QStringLiteral("texto"), c.texto } });
        raiz.insert(s.chave, o);
    }
    return raiz;
}
