#include "LeitorDescricao.h"

#include "TarvekSimulado.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QTime>

namespace {

const QStringList SensoresTermopar
    = { u"J"_qs, u"K"_qs, u"T"_qs, u"E"_qs, u"N"_qs, u"R"_qs, u"S"_qs, u"B"_qs };

QString semAcentos(QString s)
{
    s = s.normalized(QString::NormalizationForm_D);
    s.remove(QRegularExpression(u"[\\x{0300}-\\x{036f}]"_qs));
    return s.toLower().remove(u' ').remove(u'_');
}

std::optional<int> codigoModo(const QJsonValue &v)
{
    if (v.isDouble()) {
        const int m = v.toInt(-1);
        return (m >= 0 && m <= 2) ? std::optional<int>(m) : std::nullopt;
    }
    const QString s = semAcentos(v.toString());
    if (s == u"media")
        return 0;
    if (s == u"maximo")
        return 1;
    if (s == u"minimo")
        return 2;
    return std::nullopt;
}

std::optional<int> alvoFalha(const QJsonValue &v)
{
    if (v.isUndefined())
        return FalhaSimulada::QualquerComando;
    if (v.isDouble()) {
        const int b = v.toInt(-1);
        return (b >= 0 && b <= 255) ? std::optional<int>(b) : std::nullopt;
    }
    static const QList<QPair<QString, int>> nomes = {
        { u"qualquercomando"_qs, FalhaSimulada::QualquerComando },
        { u"tudo"_qs, FalhaSimulada::QualquerTroca },
        { u"ativacao"_qs, TarvekSimulado::Ativacao },
        { u"enviaconfiguracao"_qs, TarvekSimulado::CmdEnviaConfiguracao },
        { u"leconfiguracao"_qs, TarvekSimulado::CmdLeConfiguracao },
        { u"lepagina"_qs, TarvekSimulado::CmdLePagina },
        { u"leleituras"_qs, TarvekSimulado::CmdLeLeituras },
        { u"escrevenaovolateis"_qs, TarvekSimulado::CmdEscreveNaoVolateis },
        { u"lenaovolateis"_qs, TarvekSimulado::CmdLeNaoVolateis },
        { u"fimaquisicoes"_qs, TarvekSimulado::CmdFimAquisicoes },
        { u"lecalibracao"_qs, TarvekSimulado::CmdLeCalibracao },
    };
    const QString s = semAcentos(v.toString());
    for (const auto &[nome, alvo] : nomes)
        if (nome == s)
            return alvo;
    return std::nullopt;
}

std::optional<FalhaSimulada::Tipo> tipoFalha(const QString &nome)
{
    using T = FalhaSimulada::Tipo;
    static const QList<QPair<QString, T>> nomes = {
        { u"silencio"_qs, T::Silencio },
        { u"ecoperdido"_qs, T::EcoPerdido },
        { u"ecoerrado"_qs, T::EcoErrado },
        { u"checksumerrado"_qs, T::ChecksumErrado },
        { u"ackerrado"_qs, T::AckErrado },
        { u"bytesexcedentes"_qs, T::BytesExcedentes },
        { u"respostalenta"_qs, T::RespostaLenta },
    };
    const QString s = semAcentos(nome);
    for (const auto &[n, t] : nomes)
        if (n == s)
            return t;
    return std::nullopt;
}

}  // namespace

LeitorDescricao::LeitorDescricao(const QByteArray &json)
    : m_json(json)
{
}

std::optional<DescricaoTarvek> LeitorDescricao::le(QString *erro)
{
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(m_json, &e);
    bool ok = false;
    if (e.error != QJsonParseError::NoError)
        falhou(QStringLiteral("JSON inválido na posição %1: %2").arg(e.offset).arg(e.errorString()));
    else if (!doc.isObject())
        falhou(QStringLiteral("a descrição deve ser um objeto JSON"));
    else
        ok = leRaiz(doc.object());
    if (!ok) {
        if (erro)
            *erro = m_erro;
        return std::nullopt;
    }
    return m_d;
}

bool LeitorDescricao::leRaiz(const QJsonObject &o)
{
    static const QStringList chaves = {
        u"nome"_qs,
        u"comentario"_qs,
        u"modelo"_qs,
        u"numeroSerie"_qs,
        u"firmware"_qs,
        u"memoria"_qs,
        u"memoriaDeclarada"_qs,
        u"relogio"_qs,
        u"bateria"_qs,
        u"titulo"_qs,
        u"intervalo"_qs,
        u"leiturasPorAquisicao"_qs,
        u"atrasoInicio"_qs,
        u"parada"_qs,
        u"calibracao"_qs,
        u"canais"_qs,
        u"juncaoFria"_qs,
        u"aquisicoes"_qs,
        u"trocaBateria"_qs,
        u"naoVolatilReservado"_qs,
        u"encerradas"_qs,
        u"memoriaBytes"_qs,
        u"blocos"_qs,
        u"falhas"_qs,
        u"cadencia"_qs,
        u"latencia"_qs,
    };
    if (!chavesConhecidas(o, chaves, u"descrição"_qs))
        return false;
    if (!leIdentidade(o) || !leConfiguracao(o) || !leAquisicoes(o) || !leBrutos(o))
        return false;
    const QJsonArray canais = o.value(u"canais").toArray();
    if (canais.size() > 2)
        return falhou(QStringLiteral("o Tarvek tem dois canais, a descrição dá %1").arg(canais.size()));
    for (int i = 0; i < canais.size(); ++i)
        if (!leCanal(canais.at(i), m_d.canais[i], i + 1))
            return false;
    return leFalhas(o.value(u"falhas"));
}

bool LeitorDescricao::leIdentidade(const QJsonObject &o)
{
    if (!inteiro(o, u"modelo"_qs, m_d.modelo, 0, 255))
        return false;
    if (o.contains(u"numeroSerie")) {
        const double n = o.value(u"numeroSerie").toDouble(-1);
        if (n < 0 || n > 4294967295.0 || n != std::floor(n))
            return falhou(QStringLiteral("numeroSerie deve ser um inteiro de 32 bits"));
        m_d.numeroSerie = uint32_t(n);
    }
    const QJsonValue fw = o.value(u"firmware");
    if (fw.isString()) {
        const QStringList partes = fw.toString().split(u'.');
        bool ok1 = false;
        bool ok2 = partes.size() == 2;
        const int alto = partes.value(0).toInt(&ok1);
        const int baixo = partes.value(1).toInt(&ok2);
        if (!ok1 || !ok2 || alto < 0 || alto > 15 || baixo < 0 || baixo > 15)
            return falhou(QStringLiteral("firmware \"%1\": use a forma \"1.3\"").arg(fw.toString()));
        m_d.firmware = alto * 16 + baixo;
    } else if (!inteiro(o, u"firmware"_qs, m_d.firmware, 0, 255)) {
        return false;
    }
    if (!inteiro(o, u"memoria"_qs, m_d.memoria, TarvekSimulado::InicioAreaAquisicoes + 1,
            TarvekSimulado::MemoriaMaxima))
        return false;
    if (o.contains(u"memoriaDeclarada")) {
        int declarada = 0;
        if (!inteiro(o, u"memoriaDeclarada"_qs, declarada, 0, 0xFFFF))
            return false;
        m_d.memoriaDeclarada = declarada;
    }
    if (!inteiro(o, u"bateria"_qs, m_d.bateria, 0, 0xFFFF))
        return false;
    m_d.titulo = o.value(u"titulo").toString();
    const QJsonValue relogio = o.value(u"relogio");
    if (!relogio.isUndefined() && relogio.toString() != u"agora") {
        QDateTime r;
        if (!dataHora(relogio, r, u"relogio"_qs))
            return false;
        m_d.relogio = r;
    }
    if (o.contains(u"trocaBateria")
        && !dataHora(o.value(u"trocaBateria"), m_d.trocaBateria, u"trocaBateria"_qs))
        return false;
    const QJsonObject cal = o.value(u"calibracao").toObject();
    if (!chavesConhecidas(
            cal, { u"coeficientes"_qs, u"naoInterpretados"_qs, u"reservado35"_qs }, u"calibracao"_qs))
        return false;
    if (cal.contains(u"coeficientes")) {
        const QJsonArray w = cal.value(u"coeficientes").toArray();
        if (w.size() != 13)
            return falhou(QStringLiteral("calibracao.coeficientes deve ter 13 palavras"));
        for (int i = 0; i < 13; ++i) {
            const int p = w.at(i).toInt(-100000);
            if (p < -32768 || p > 65535)
                return falhou(QStringLiteral("calibracao.coeficientes[%1] fora de 16 bits").arg(i));
            m_d.coeficientes[i] = uint16_t(p);
        }
    }
    if (cal.contains(u"naoInterpretados")) {
        QByteArray b;
        if (!hex(cal.value(u"naoInterpretados"), b, u"calibracao.naoInterpretados"_qs) || b.size() != 4)
            return falhou(QStringLiteral("calibracao.naoInterpretados: 4 bytes em hexadecimal"));
        for (int i = 0; i < 4; ++i)
            m_d.naoInterpretados[i] = uint8_t(b[i]);
    }
    return inteiro(cal, u"reservado35"_qs, m_d.reservado35, 0, 255);
}

bool LeitorDescricao::leConfiguracao(const QJsonObject &o)
{
    if (o.contains(u"intervalo")) {
        const std::optional<int> i = codigoIntervalo(o.value(u"intervalo"));
        if (!i)
            return falhou(QStringLiteral("intervalo: segundos, \"hh:mm:ss\" ou 0.5"));
        m_d.intervalo = *i;
    }
    if (!inteiro(o, u"leiturasPorAquisicao"_qs, m_d.leiturasPorAquisicao, 1, 255))
        return false;
    if (m_d.intervalo == 0)
        m_d.leiturasPorAquisicao = 1;
    int atraso = 0;
    if (!inteiro(o, u"atrasoInicio"_qs, atraso, 0, 0x7FFFFF))
        return false;
    m_d.atrasoInicio = atraso == 0 ? 0 : atraso * 2 + 1;
    const QJsonValue parada = o.value(u"parada");
    if (parada.isString()) {
        if (semAcentos(parada.toString()) != u"circular" && semAcentos(parada.toString()) != u"nunca")
            return falhou(QStringLiteral("parada: \"circular\" ou um número de aquisições"));
        m_d.parada = 0x8000;
    } else if (!inteiro(o, u"parada"_qs, m_d.parada, 0, 0x7FFF)) {
        return false;
    }
    if (!inteiro(o, u"juncaoFria"_qs, m_d.juncaoFria, 0, 255))
        return false;
    m_d.encerradas = o.value(u"encerradas").toBool(false);
    m_d.cadencia = o.value(u"cadencia").toBool(false);
    return inteiro(o, u"latencia"_qs, m_d.latenciaMs, 0, 60000);
}

bool LeitorDescricao::leAquisicoes(const QJsonObject &raiz)
{
    const QJsonObject o = raiz.value(u"aquisicoes").toObject();
    if (!chavesConhecidas(o, { u"quantidade"_qs, u"inicioCircular"_qs, u"desdeUltima"_qs, u"efetuadas"_qs },
            u"aquisicoes"_qs))
        return false;
    if (!inteiro(o, u"quantidade"_qs, m_d.quantidade, 0, 10000000)
        || !inteiro(o, u"desdeUltima"_qs, m_d.desdeUltima, 0, 0xFFFFFF))
        return false;
    if (o.contains(u"inicioCircular")) {
        int inicio = 0;
        if (!inteiro(o, u"inicioCircular"_qs, inicio, 0, 0xFFFF))
            return false;
        m_d.inicioCircular = inicio;
    }
    if (o.contains(u"efetuadas")) {
        int efetuadas = 0;
        if (!inteiro(o, u"efetuadas"_qs, efetuadas, 0, 0xFFFF))
            return false;
        m_d.aquisicoesEfetuadas = efetuadas;
    }
    return true;
}

bool LeitorDescricao::leCanal(const QJsonValue &v, CanalDescrito &c, int numero)
{
    const QString onde = QStringLiteral("canal %1").arg(numero);
    const QJsonObject o = v.toObject();
    static const QStringList chaves = { u"sensor"_qs, u"modo"_qs, u"decimais"_qs, u"tag"_qs, u"unidade"_qs,
        u"limites"_qs, u"offset"_qs, u"aquisicoes"_qs, u"leituraAtual"_qs, u"contagemAtual"_qs };
    if (!v.isObject())
        return falhou(onde + QStringLiteral(": esperado um objeto"));
    if (!chavesConhecidas(o, chaves, onde))
        return false;
    const std::optional<int> sensor = codigoSensor(o.value(u"sensor"));
    if (!sensor)
        return falhou(onde + QStringLiteral(": sensor desconhecido"));
    c.sensor = *sensor;
    if (o.contains(u"modo")) {
        const std::optional<int> modo = codigoModo(o.value(u"modo"));
        if (!modo)
            return falhou(onde + QStringLiteral(": modo \"media\", \"maximo\" ou \"minimo\""));
        c.modo = *modo;
    }
    if (!inteiro(o, u"decimais"_qs, c.decimais, 0, 3) || !inteiro(o, u"offset"_qs, c.offset, -128, 127))
        return false;
    const std::optional<Faixa> faixa = FaixaSensor(c.sensor);
    c.tag = o.value(u"tag").toString();
    c.unidade = o.value(u"unidade").toString(faixa ? u"°C"_qs : QString());
    c.limiteInferior = faixa ? faixa->baixo : 0;
    c.limiteSuperior = faixa ? faixa->alto : 1000;
    if (o.contains(u"limites")) {
        const QJsonArray l = o.value(u"limites").toArray();
        if (l.size() != 2 || !l.at(0).isDouble() || !l.at(1).isDouble() || l.at(0).toDouble() < -32768
            || l.at(1).toDouble() > 32767)
            return falhou(onde + QStringLiteral(": limites [inferior, superior], inteiros de 16 bits"));
        c.limiteInferior = l.at(0).toInt();
        c.limiteSuperior = l.at(1).toInt();
    }
    if (o.contains(u"leituraAtual"))
        c.leituraAtual = o.value(u"leituraAtual").toDouble();
    if (o.contains(u"contagemAtual")) {
        int contagem = 0;
        if (!inteiro(o, u"contagemAtual"_qs, contagem, -32768, 32767))
            return false;
        c.contagemAtual = contagem;
    }
    if (o.contains(u"aquisicoes"))
        return leForma(o.value(u"aquisicoes"), c.aquisicoes, onde);
    if (c.habilitado()) {
        // Without a curve a channel holds the middle of its converter.
        c.aquisicoes.tipo = FormaOnda::Tipo::Contagens;
        c.aquisicoes.lista = { 2048.0 };
    }
    return true;
}

bool LeitorDescricao::leForma(const QJsonValue &v, FormaOnda &f, const QString &canal)
{
    const QString onde = canal + QStringLiteral(".aquisicoes");
    const QJsonObject o = v.toObject();
    static const QStringList chaves = { u"forma"_qs, u"valor"_qs, u"minimo"_qs, u"maximo"_qs, u"periodo"_qs,
        u"fase"_qs, u"de"_qs, u"ate"_qs, u"valores"_qs, u"contagens"_qs };
    if (!chavesConhecidas(o, chaves, onde))
        return false;
    const QString forma = semAcentos(o.value(u"forma").toString());
    auto lista = [&](const QString &chave, FormaOnda::Tipo tipo) {
        f.tipo = tipo;
        for (const QJsonValue &x : o.value(chave).toArray())
            f.lista.append(x.isNull() ? std::nullopt : std::optional<double>(x.toDouble()));
        return !f.lista.isEmpty() || falhou(onde + QStringLiteral(": lista vazia"));
    };
    if (o.contains(u"valores"))
        return lista(u"valores"_qs, FormaOnda::Tipo::Valores);
    if (o.contains(u"contagens"))
        return lista(u"contagens"_qs, FormaOnda::Tipo::Contagens);
    if (forma == u"constante") {
        f.tipo = FormaOnda::Tipo::Constante;
        f.minimo = o.value(u"valor").toDouble();
    } else if (forma == u"seno") {
        f.tipo = FormaOnda::Tipo::Seno;
        f.minimo = o.value(u"minimo").toDouble();
        f.maximo = o.value(u"maximo").toDouble();
        f.periodo = o.value(u"periodo").toDouble(3600);
        f.fase = o.value(u"fase").toDouble(0);
        if (f.periodo <= 0)
            return falhou(onde + QStringLiteral(": periodo deve ser positivo"));
    } else if (forma == u"rampa") {
        f.tipo = FormaOnda::Tipo::Rampa;
        f.minimo = o.value(u"de").toDouble();
        f.maximo = o.value(u"ate").toDouble();
    } else {
        return falhou(
            onde + QStringLiteral(": forma \"constante\", \"seno\", \"rampa\", ou valores/contagens"));
    }
    return true;
}

bool LeitorDescricao::leBrutos(const QJsonObject &o)
{
    if (o.contains(u"naoVolatilReservado")
        && !hex(o.value(u"naoVolatilReservado"), m_d.naoVolatilReservado, u"naoVolatilReservado"_qs))
        return false;
    for (const QJsonValue &r : o.value(u"memoriaBytes").toArray()) {
        DescricaoTarvek::Remendo remendo;
        remendo.endereco = r.toObject().value(u"endereco").toInt(-1);
        if (!hex(r.toObject().value(u"hex"), remendo.bytes, u"memoriaBytes"_qs))
            return false;
        m_d.remendosMemoria.append(remendo);
    }
    const QJsonObject blocos = o.value(u"blocos").toObject();
    const QList<QPair<QString, int>> tamanhos = {
        { u"configuracao"_qs, TarvekSimulado::TamanhoConfiguracao },
        { u"calibracao"_qs, TarvekSimulado::TamanhoCalibracao },
        { u"naoVolatil"_qs, TarvekSimulado::TamanhoNaoVolatil },
        { u"leituras"_qs, TarvekSimulado::TamanhoLeituras },
    };
    if (!chavesConhecidas(
            blocos, { u"configuracao"_qs, u"calibracao"_qs, u"naoVolatil"_qs, u"leituras"_qs }, u"blocos"_qs))
        return false;
    for (const auto &[nome, tamanho] : tamanhos) {
        if (!blocos.contains(nome))
            continue;
        QByteArray b;
        if (!hex(blocos.value(nome), b, u"blocos."_qs + nome))
            return false;
        if (b.size() != tamanho)
            return falhou(
                QStringLiteral("blocos.%1 deve ter %2 bytes, tem %3").arg(nome).arg(tamanho).arg(b.size()));
        m_d.blocos.insert(nome, b);
    }
    return true;
}

bool LeitorDescricao::leFalhas(const QJsonValue &v)
{
    for (const QJsonValue &f : v.toArray()) {
        QString motivo;
        const std::optional<FalhaSimulada> falha = LeitorDescricao::falha(f, &motivo);
        if (!falha)
            return falhou(motivo);
        m_d.falhas.append(*falha);
    }
    return true;
}

std::optional<FalhaSimulada> LeitorDescricao::falha(const QJsonValue &v, QString *erro)
{
    const QJsonObject o = v.toObject();
    const std::optional<FalhaSimulada::Tipo> tipo = tipoFalha(o.value(u"tipo").toString());
    const std::optional<int> alvo = alvoFalha(o.value(u"alvo"));
    if (!tipo || !alvo) {
        if (erro)
            *erro = !tipo
                ? QStringLiteral("falha de tipo desconhecido \"%1\"").arg(o.value(u"tipo").toString())
                : QStringLiteral("falha com alvo desconhecido");
        return std::nullopt;
    }
    FalhaSimulada f;
    f.tipo = *tipo;
    f.alvo = *alvo;
    f.vezes = o.value(u"vezes").toInt(-1);
    f.atrasoMs = o.value(u"atraso").toInt(f.atrasoMs);
    f.excedentes = o.value(u"excedentes").toInt(f.excedentes);
    if (o.contains(u"pagina")) {
        // One page of the page reads: the target can only be LePagina.
        const int pagina = o.value(u"pagina").toInt(-1);
        const bool alvoDePagina = o.value(u"alvo").isUndefined() || f.alvo == TarvekSimulado::CmdLePagina;
        if (pagina < 0 || pagina > 255 || !alvoDePagina) {
            if (erro)
                *erro = QStringLiteral("falha com \"pagina\": um número de 0 a 255, com o alvo LePagina");
            return std::nullopt;
        }
        f.pagina = pagina;
        f.alvo = TarvekSimulado::CmdLePagina;
    }
    return f;
}

std::optional<int> LeitorDescricao::codigoSensor(const QJsonValue &v)
{
    if (v.isUndefined() || v.isNull())
        return 0;
    if (v.isDouble()) {
        const int c = v.toInt(-1);
        return (c >= 0 && c <= 255) ? std::optional<int>(c) : std::nullopt;
    }
    QString s = semAcentos(v.toString());
    if (s == u"nenhum")
        return 0;
    if (s == u"pt100")
        return CodigoSensor::Pt100;
    if (s == u"4-20ma")
        return CodigoSensor::Corrente4a20mA;
    if (s == u"0-50mv")
        return CodigoSensor::Tensao0a50mV;
    if (s.startsWith(u"termopar"))
        s = s.mid(8);
    const int i = SensoresTermopar.indexOf(s.toUpper());
    return i >= 0 ? std::optional<int>(CodigoSensor::TermoparJ + i) : std::nullopt;
}

std::optional<int> LeitorDescricao::codigoIntervalo(const QJsonValue &v)
{
    double segundos = -1;
    if (v.isDouble()) {
        segundos = v.toDouble();
    } else {
        const QString s = v.toString().trimmed().replace(u',', u'.');
        bool ok = false;
        segundos = s.toDouble(&ok);
        if (!ok) {
            const QTime t = QTime::fromString(s, u"hh:mm:ss"_qs);
            segundos = t.isValid() ? t.msecsSinceStartOfDay() / 1000.0 : -1;
        }
    }
    if (segundos == 0.5)
        return 0;
    if (segundos < 1 || segundos != std::floor(segundos) || segundos * 2 - 1 > 0xFFFFFF)
        return std::nullopt;
    return int(segundos) * 2 - 1;
}

bool LeitorDescricao::chavesConhecidas(const QJsonObject &o, const QStringList &chaves, const QString &onde)
{
    for (auto i = o.begin(); i != o.end(); ++i)
        if (!chaves.contains(i.key()))
            return falhou(QStringLiteral("%1: chave desconhecida \"%2\"").arg(onde, i.key()));
    return true;
}

bool LeitorDescricao::inteiro(
    const QJsonObject &o, const QString &chave, int &destino, int minimo, int maximo)
{
    if (!o.contains(chave))
        return true;
    const QJsonValue v = o.value(chave);
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || d != std::floor(d) || d < minimo || d > maximo)
        return falhou(QStringLiteral("%1 deve ser um inteiro de %2 a %3").arg(chave).arg(minimo).arg(maximo));
    destino = int(d);
    return true;
}

bool LeitorDescricao::hex(const QJsonValue &v, QByteArray &destino, const QString &onde)
{
    QString s = v.toString();
    s.remove(QRegularExpression(u"\\s"_qs));
    if (!v.isString() || s.size() % 2 != 0 || s.contains(QRegularExpression(u"[^0-9A-Fa-f]"_qs)))
        return falhou(onde + QStringLiteral(": bytes em hexadecimal, como \"0A FF 12\""));
    destino = QByteArray::fromHex(s.toLatin1());
    return true;
}

bool LeitorDescricao::dataHora(const QJsonValue &v, QDateTime &destino, const QString &onde)
{
    destino = QDateTime::fromString(v.toString(), Qt::ISODate);
    if (!destino.isValid())
        return falhou(onde + QStringLiteral(": data e hora como \"2026-12-07T09:30:00\""));
    return true;
}

bool LeitorDescricao::falhou(const QString &motivo)
{
    m_erro = motivo;
    return false;
}
