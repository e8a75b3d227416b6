#include "EditorPerfil.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "TextoNumerico.h"

#include <QLocale>

#include <algorithm>

#include <cmath>

namespace EditorPerfil {

namespace {
constexpr int kCurtoInvalido = 490;
constexpr int kCurtoRepetido = 491;
constexpr int kSemNome = 492;
constexpr int kLimite = 493;
constexpr int kDuracao = 494;
constexpr int kSemDuracao = 495;
constexpr int kSemRegras = 496;
constexpr int kSemSerie = 497;

QString numero(double v, QChar separador)
{
    return QString::number(v, 'f', QLocale::FloatingPointShortest).replace(u'.', separador);
}

bool curtoValido(const QString &curto)
{
    if (curto.isEmpty())
        return false;
    return std::all_of(curto.begin(), curto.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-'
            || c == u'_';
    });
}

}  // namespace

CamposRegra campos(const RegraAlarme &r, const ConfigRegional &regional)
{
    const QChar sep = regional.separadorDecimal;
    const double horas = std::floor(r.segundos / 3600.0);
    const double minutos = (r.segundos - horas * 3600.0) / 60.0;
    return { r.canal, r.tipo, r.acima, numero(r.limite, sep), r.incluiLimite, numero(horas, sep),
        numero(minutos, sep), r.janela };
}

std::optional<RegraAlarme> regra(
    const CamposRegra &c, int numero, QChar separador, const Catalogo &catalogo, QString &erro)
{
    RegraAlarme r { c.canal, c.tipo, c.acima, 0.0, c.incluiLimite, 0.0, c.janela };
    const auto limite = LeNumero(c.limite, separador);
    if (!limite) {
        erro = catalogo.texto(kLimite).arg(numero).arg(c.limite.trimmed());
        return std::nullopt;
    }
    r.limite = *limite;
    double segundos = 0.0;
    for (const auto &[texto, fator] : { std::pair { c.horas, 3600.0 }, std::pair { c.minutos, 60.0 } }) {
        const auto v = texto.trimmed().isEmpty() ? std::optional(0.0) : LeNumero(texto, separador);
        if (!v || *v < 0) {
            erro = catalogo.texto(kDuracao).arg(numero).arg(texto.trimmed());
            return std::nullopt;
        }
        segundos += *v * fator;
    }
    if (r.contaTempo() && segundos <= 0) {
        erro = catalogo.texto(kSemDuracao).arg(numero);
        return std::nullopt;
    }
    r.segundos = segundos;
    return r;
}

QString confere(const PerfilAlarme &p, const QList<PerfilAlarme> &perfis, bool novo, const Catalogo &catalogo)
{
    if (p.nome.trimmed().isEmpty())
        return catalogo.texto(kSemNome);
    if (!curtoValido(p.curto))
        return catalogo.texto(kCurtoInvalido).arg(p.curto);
    bool repetido = p.curto.compare(QStringLiteral("limites"), Qt::CaseInsensitive) == 0;
    for (const PerfilAlarme &outro : perfis)
        repetido = repetido
            || ((outro.somenteLeitura || novo) && outro.curto.compare(p.curto, Qt::CaseInsensitive) == 0);
    if (repetido)
        return catalogo.texto(kCurtoRepetido).arg(p.curto);
    if (p.regras.isEmpty())
        return catalogo.texto(kSemRegras);
    return {};
}

QString semAtribuicao(qint32 numeroSerie, const Catalogo &catalogo)
{
    return numeroSerie == 0 ? catalogo.texto(kSemSerie) : QString();
}

}  // namespace EditorPerfil
