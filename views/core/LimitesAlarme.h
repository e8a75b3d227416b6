#pragma once

#include "GravacaoConfiguracao.h"
#include "RegrasLimites.h"
#include "ResumoCanal.h"

class Catalogo;
class IConfiguracoes;

// The alarm limits of each logger's channels, kept in the settings file so
// that they apply to every recording of that logger: section LIMITES_SERIE,
// keys such as "65546_1_ALTO" and "65546_1_BAIXO" (the serial number as the
// decimal of its unsigned 32 bits, the channel, the limit), values written
// with '.' whatever the regional settings; ',' is read as well, and an
// absent, empty or unreadable value is a limit that is off.
//
// Keys of the earlier form are still read when no key of the new form is
// there: section LIMITES, the serial number as its two 16-bit halves of at
// least four digits each ("00010010_1_ALTO"). Only a serial number whose
// halves are both below 10000 is read so: its eight digits name no other
// logger. A recording without a serial number (0) has no stored limits.
class LimitesAlarme
{
public:
    explicit LimitesAlarme(IConfiguracoes *configuracoes);

    // Whether limits can be kept for a serial number.
    static bool temSerie(qint32 numeroSerie) { return numeroSerie != 0; }

    // The values as kept (an off limit empty).
    struct Textos
    {
        QString alto;
        QString baixo;
    };
    Textos textos(qint32 numeroSerie, int canal) const;

    LimitesCanal le(qint32 numeroSerie, int canal) const;
    // The kept limits through the limits' rule: the refusal of values the
    // rule does not take ends with the settings file named (text 373).
    RegrasLimites::Leitura le(
        qint32 numeroSerie, const RegrasLimites::Canal &canal, const Catalogo &catalogo) const;

    // Writes only the keys whose limit changed (an off limit as an empty
    // value), so that the rest of the file stays byte for byte.
    // The first write that fails ends it and is what it returns.
    GravacaoConfiguracao grava(qint32 numeroSerie, int canal, const LimitesCanal &limites);

    // A number written with '.' or ',' (LeNumero); nothing for any other
    // text, an empty one included.
    static std::optional<double> valor(const QString &texto);

    // A refusal of values that came from the settings file, saying so.
    static QString doArquivo(const QString &erro, const QString &arquivo, const Catalogo &catalogo);

private:
    IConfiguracoes *m_configuracoes;
};
