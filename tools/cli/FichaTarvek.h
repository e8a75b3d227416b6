#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

class Catalogo;
struct BlocoCalibracao;
struct BlocoConfiguracao;
struct BlocoNaoVolatil;

// The decoded fields of the logger's three parameter blocks, named as the
// block layouts name them, with the interpretation of the fields that
// have one, and the quantities derived from them; as text or as JSON.
class FichaTarvek
{
public:
    struct Campo
    {
        QString nome;
        QJsonValue valor;
        QString texto;  // the interpretation; empty when the value says it all
    };
    struct Secao
    {
        QString chave;  // JSON key
        QString titulo;  // heading of the text form
        QList<Campo> campos;
    };

    FichaTarvek(const BlocoConfiguracao &configuracao, const BlocoNaoVolatil &naoVolatil,
        const BlocoCalibracao &calibracao, const Catalogo &catalogo);

    const QList<Secao> &secoes() const { return m_secoes; }
    // One heading per block, then one line per field: name, value and
    // interpretation in columns.
    QString texto() const;
    // One object per block; a field with an interpretation is an object
    // {"valor": ..., "texto": ...}.
    QJsonObject json() const;

private:
    Secao secaoConfiguracao(const BlocoConfiguracao &c) const;
    Secao secaoNaoVolatil(const BlocoNaoVolatil &n, const BlocoConfiguracao &c) const;
    Secao secaoCalibracao(const BlocoCalibracao &k) const;
    Secao secaoDerivados(const BlocoConfiguracao &c, const BlocoCalibracao &k) const;
    QString nomeSensor(int codigo) const;
    QString nomeModo(int modo) const;

    const Catalogo &m_catalogo;
    QList<Secao> m_secoes;
};
