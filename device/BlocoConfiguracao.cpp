#include "BlocoConfiguracao.h"

#include "Bytes.h"
#include "RotinasSensor.h"

#include <cmath>

namespace {

constexpr int AnoBase = 1998;

// Offsets of the fields within the block.
enum Posicao {
    PosSensor1 = 0,
    PosSensor2 = 1,
    PosIntervalo = 2,
    PosAtrasoInicio = 5,
    PosParada = 8,
    PosAno = 10,
    PosMes = 11,
    PosDia = 12,
    PosHora = 13,
    PosMinuto = 14,
    PosSegundo = 15,
    PosLeiturasPorAquisicao = 16,
    PosModos = 17,
    PosMedidas = 18,
    PosPontoDecimal = 19,
    PosReservado = 20,
    PosMemoria = 21,
    PosAquisicoesEfetuadas = 23,
    PosInicioCircular = 25,
    PosDesdeUltima = 27,
    PosBateria = 30,
};

}  // namespace

BlocoConfiguracao BlocoConfiguracao::decodifica(const QByteArray &b)
{
    using namespace Bytes;
    BlocoConfiguracao c;
    c.Sensor1 = u8(b, PosSensor1);
    c.Sensor2 = u8(b, PosSensor2);
    c.Intervalo = be24(b, PosIntervalo);
    c.AtrasoInicio = be24(b, PosAtrasoInicio);
    c.Parada = be16(b, PosParada);
    c.Ano = u8(b, PosAno) + AnoBase;
    c.Mes = u8(b, PosMes);
    c.Dia = u8(b, PosDia);
    c.Hora = u8(b, PosHora);
    c.Minuto = u8(b, PosMinuto);
    c.Segundo = u8(b, PosSegundo);
    c.LeiturasPorAquisicao = u8(b, PosLeiturasPorAquisicao);
    c.Modos = u8(b, PosModos);
    c.Medidas = u8(b, PosMedidas);
    c.PontoDecimal = u8(b, PosPontoDecimal);
    c.Reservado = u8(b, PosReservado);
    c.Memoria = be16(b, PosMemoria);
    c.AquisicoesEfetuadas = be16(b, PosAquisicoesEfetuadas);
    c.InicioCircular = be16(b, PosInicioCircular);
    c.DesdeUltima = be24(b, PosDesdeUltima);
    c.Bateria = be16(b, PosBateria);
    return c;
}

namespace {

// Bytes 0 to 20 from the fields, the clock as they hold it.
void escreveEnviados(QByteArray &b, const BlocoConfiguracao &c)
{
    using namespace Bytes;
    poe8(b, PosSensor1, c.Sensor1);
    poe8(b, PosSensor2, c.Sensor2);
    poeBe24(b, PosIntervalo, c.Intervalo);
    poeBe24(b, PosAtrasoInicio, c.AtrasoInicio);
    poeBe16(b, PosParada, c.Parada);
    poe8(b, PosAno, c.Ano - AnoBase);  // low 8 bits of the offset
    poe8(b, PosMes, c.Mes);
    poe8(b, PosDia, c.Dia);
    poe8(b, PosHora, c.Hora);
    poe8(b, PosMinuto, c.Minuto);
    poe8(b, PosSegundo, c.Segundo);
    poe8(b, PosLeiturasPorAquisicao, c.LeiturasPorAquisicao);
    poe8(b, PosModos, c.Modos);
    poe8(b, PosMedidas, c.Medidas);
    poe8(b, PosPontoDecimal, c.PontoDecimal);
    poe8(b, PosReservado, c.Reservado);
}

}  // namespace

QByteArray BlocoConfiguracao::codifica(const QDateTime &instante) const
{
    BlocoConfiguracao c = *this;
    c.defineRelogio(instante);
    c.PontoDecimal &= 0x0F;
    c.Reservado = 0;
    QByteArray b(TamanhoEnviado, '\0');
    escreveEnviados(b, c);
    return b;
}

QByteArray BlocoConfiguracao::codificaRegistro(const QDateTime &instante) const
{
    QByteArray b = codifica(instante);
    b.append(QByteArray(Tamanho - TamanhoEnviado, '\0'));
    return b;
}

QByteArray BlocoConfiguracao::codificaCompleto() const
{
    using namespace Bytes;
    QByteArray b(Tamanho, '\0');
    escreveEnviados(b, *this);
    poeBe16(b, PosMemoria, Memoria);
    poeBe16(b, PosAquisicoesEfetuadas, AquisicoesEfetuadas);
    poeBe16(b, PosInicioCircular, InicioCircular);
    poeBe24(b, PosDesdeUltima, DesdeUltima);
    poeBe16(b, PosBateria, Bateria);
    return b;
}

void BlocoConfiguracao::defineRelogio(const QDateTime &instante)
{
    const QDate d = instante.date();
    const QTime t = instante.time();
    Ano = d.year();
    Mes = d.month();
    Dia = d.day();
    Hora = t.hour();
    Minuto = t.minute();
    Segundo = t.second();
}

QDateTime BlocoConfiguracao::relogio() const
{
    const QDate d(Ano, Mes, Dia);
    const QTime t(Hora, Minuto, Segundo);
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}

QString BlocoConfiguracao::textoIntervalo() const
{
    if (modoMeioSegundo())
        return QStringLiteral("00:00:00");
    const int s = meiosSegundos() / 2;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

int BlocoConfiguracao::decimais(int canal) const
{
    if (canal == 1)
        return PontoDecimal & 0x03;
    if (canal == 2)
        return (PontoDecimal >> 2) & 0x03;
    return 0;
}

void BlocoConfiguracao::defineDecimais(int decimais1, int decimais2)
{
    PontoDecimal = (decimais1 & 0x03) | ((decimais2 & 0x03) << 2);
}

int BlocoConfiguracao::bytesPorAquisicao() const
{
    return TamanhoAquisicao(Sensor1, Sensor2);
}

int BlocoConfiguracao::bytesMemoria() const
{
    return Memoria - InicioAreaAquisicoes;
}

int BlocoConfiguracao::capacidade() const
{
    // A memory smaller than its header holds nothing.
    if (bytesMemoria() <= 0)
        return 0;
    return bytesMemoria() / bytesPorAquisicao();
}

int BlocoConfiguracao::cargaBateria() const
{
    return int(std::trunc(100.0 - Bateria * 100.0 / 65535.0));
}
