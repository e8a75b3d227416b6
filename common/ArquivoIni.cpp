#include "ArquivoIni.h"

#include "Windows1252.h"

#include <QList>
#include <QStringDecoder>

namespace {

const QByteArray kMarcaUtf8("\xEF\xBB\xBF");

bool branco(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool umaLinha(const QString &texto)
{
    return !texto.contains(u'\n') && !texto.contains(u'\r');
}

bool valido(const QString &secao, const QString &chave, const QString &valor)
{
    const QString nome = chave.trimmed();
    return umaLinha(secao) && umaLinha(chave) && umaLinha(valor) && !secao.contains(u']') && !nome.isEmpty()
        && !nome.contains(u'=') && !nome.startsWith(u';') && !nome.startsWith(u'[');
}

}  // namespace

ArquivoIni::ArquivoIni(const QByteArray &conteudo)
    : m_conteudo(conteudo)
{
    // Decoded once only to learn whether the bytes are UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decodificado = utf8.decode(m_conteudo);
    m_utf8 = !utf8.hasError();
}

std::optional<QString> ArquivoIni::le(const QString &secao, const QString &chave) const
{
    const QList<Linha> lista = linhas();
    const qsizetype k = procuraChave(lista, procuraSecao(lista, secao), chave);
    if (k < 0)
        return std::nullopt;
    qsizetype inicio = lista[k].valor;
    qsizetype fim = lista[k].fimTexto;
    while (fim > inicio && branco(m_conteudo[fim - 1]))
        --fim;
    const char primeiro = inicio < fim ? m_conteudo[inicio] : '\0';
    if (fim - inicio >= 2 && (primeiro == '"' || primeiro == '\'') && m_conteudo[fim - 1] == primeiro) {
        ++inicio;
        --fim;
    }
    return texto(inicio, fim);
}

bool ArquivoIni::grava(const QString &secao, const QString &chave, const QString &valor)
{
    if (!valido(secao, chave, valor))
        return false;
    const QList<Linha> lista = linhas();
    const QByteArray fimLinha = fimDeLinha();
    const QByteArray linhaChave = bytes(chave) + '=' + bytes(valor);
    const Trecho trecho = procuraSecao(lista, secao);
    if (trecho.cabecalho < 0) {
        // A new section at the end, a blank line apart from what is there.
        if (!m_conteudo.isEmpty() && !m_conteudo.endsWith('\n'))
            m_conteudo += fimLinha;
        if (!lista.isEmpty() && lista.last().tipo != Linha::Tipo::Vazia)
            m_conteudo += fimLinha;
        m_conteudo += '[' + bytes(secao) + ']' + fimLinha + linhaChave + fimLinha;
        return true;
    }
    const qsizetype k = procuraChave(lista, trecho, chave);
    if (k >= 0) {
        m_conteudo.replace(lista[k].valor, lista[k].fimTexto - lista[k].valor, bytes(valor));
        return true;
    }
    // After the section's last key, before any blank lines or comments that
    // lead to the next section.
    qsizetype ultima = trecho.cabecalho;
    for (qsizetype i = trecho.cabecalho + 1; i < trecho.fim; ++i) {
        if (lista[i].tipo == Linha::Tipo::Chave)
            ultima = i;
    }
    const Linha &linha = lista[ultima];
    if (m_conteudo[linha.fim - 1] == '\n')
        m_conteudo.insert(linha.fim, linhaChave + fimLinha);
    else
        m_conteudo.insert(linha.fim, fimLinha + linhaChave);
    return true;
}

QList<ArquivoIni::Linha> ArquivoIni::linhas() const
{
    QList<Linha> lista;
    qsizetype inicio = 0;
    while (inicio < m_conteudo.size()) {
        const qsizetype quebra = m_conteudo.indexOf('\n', inicio);
        const qsizetype fim = quebra < 0 ? m_conteudo.size() : quebra + 1;
        qsizetype fimTexto = quebra < 0 ? m_conteudo.size() : quebra;
        if (fimTexto > inicio && m_conteudo[fimTexto - 1] == '\r')
            --fimTexto;
        lista.append(classifica(inicio, fimTexto, fim));
        inicio = fim;
    }
    return lista;
}

ArquivoIni::Linha ArquivoIni::classifica(qsizetype inicio, qsizetype fimTexto, qsizetype fim) const
{
    Linha linha;
    linha.inicio = inicio;
    linha.fimTexto = fimTexto;
    linha.fim = fim;
    qsizetype i = inicio;
    if (i == 0 && m_conteudo.startsWith(kMarcaUtf8))
        i = kMarcaUtf8.size();
    while (i < fimTexto && branco(m_conteudo[i]))
        ++i;
    if (i == fimTexto) {
        linha.tipo = Linha::Tipo::Vazia;
        return linha;
    }
    qsizetype fimNome = -1;
    if (m_conteudo[i] == '[') {
        linha.tipo = Linha::Tipo::Secao;
        ++i;
        fimNome = m_conteudo.indexOf(']', i);
        if (fimNome < 0 || fimNome > fimTexto)
            fimNome = fimTexto;
    } else if (m_conteudo[i] != ';') {
        fimNome = m_conteudo.indexOf('=', i);
        if (fimNome < 0 || fimNome > fimTexto)
            return linha;
        linha.tipo = Linha::Tipo::Chave;
        linha.valor = fimNome + 1;
        while (linha.valor < fimTexto && branco(m_conteudo[linha.valor]))
            ++linha.valor;
    } else {
        return linha;  // a comment
    }
    qsizetype fimAparado = fimNome;
    while (fimAparado > i && branco(m_conteudo[fimAparado - 1]))
        --fimAparado;
    while (i < fimAparado && branco(m_conteudo[i]))
        ++i;
    linha.nome = texto(i, fimAparado);
    if (linha.tipo == Linha::Tipo::Chave && linha.nome.isEmpty())
        linha.tipo = Linha::Tipo::Outra;
    return linha;
}

ArquivoIni::Trecho ArquivoIni::procuraSecao(const QList<Linha> &linhas, const QString &secao)
{
    Trecho trecho;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (linhas[i].tipo != Linha::Tipo::Secao)
            continue;
        if (trecho.cabecalho >= 0) {
            trecho.fim = i;
            return trecho;
        }
        if (linhas[i].nome.compare(secao.trimmed(), Qt::CaseInsensitive) == 0)
            trecho.cabecalho = i;
    }
    if (trecho.cabecalho >= 0)
        trecho.fim = linhas.size();
    return trecho;
}

qsizetype ArquivoIni::procuraChave(const QList<Linha> &linhas, Trecho trecho, const QString &chave)
{
    for (qsizetype i = trecho.cabecalho + 1; trecho.cabecalho >= 0 && i < trecho.fim; ++i) {
        if (linhas[i].tipo == Linha::Tipo::Chave
            && linhas[i].nome.compare(chave.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString ArquivoIni::texto(qsizetype inicio, qsizetype fim) const
{
    const char *dados = m_conteudo.constData() + inicio;
    return m_utf8 ? QString::fromUtf8(dados, fim - inicio) : Windows1252::decodifica(dados, fim - inicio);
}

QByteArray ArquivoIni::bytes(const QString &texto) const
{
    return m_utf8 ? texto.toUtf8() : Windows1252::codifica(texto);
}

QByteArray ArquivoIni::fimDeLinha() const
{
    const qsizetype quebra = m_conteudo.indexOf('\n');
    return quebra > 0 && m_conteudo[quebra - 1] == '\r' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}
