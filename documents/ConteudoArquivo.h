#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a document file (.qvg, .qvj), taken for reading. Only a
// regular file is opened: opening a FIFO waits for a writer and a device
// may never end. At most kTamanhoMaximo bytes are taken, so a reader sees
// a longer file cut there (and refuses it when its entries run out).
class ConteudoArquivo
{
public:
    // Why nothing was taken; the readers show all but Nenhum as a file that
    // cannot be opened, the command-line tool names each.
    enum class Motivo { Nenhum, NaoExiste, NaoRegular, SemPermissao, Vazio, Ilegivel };
    // Far beyond any recording or merged graph a logger's memory gives.
    static constexpr qint64 kTamanhoMaximo = qint64(16) << 20;

    explicit ConteudoArquivo(const QString &caminho);
    ~ConteudoArquivo();
    ConteudoArquivo(const ConteudoArquivo &) = delete;
    ConteudoArquivo &operator=(const ConteudoArquivo &) = delete;

    Motivo motivo() const { return m_motivo; }

    // A reader's result for the file at caminho: le(dados, tamanho) on what
    // was taken, or a result whose erro is naoAbre; its arquivo says why.
    template <typename Resultado, typename Le, typename Erro>
    static Resultado le(const QString &caminho, Le le, Erro naoAbre)
    {
        const ConteudoArquivo conteudo(caminho);
        Resultado r;
        if (conteudo.motivo() == Motivo::Nenhum)
            r = le(conteudo.dados(), conteudo.tamanho());
        else
            r.erro = naoAbre;
        r.arquivo = conteudo.motivo();
        return r;
    }
    const char *dados() const { return m_dados; }
    qsizetype tamanho() const { return m_tamanho; }

private:
    QFile m_arquivo;
    uchar *m_mapa = nullptr;
    QByteArray m_copia;
    const char *m_dados = "";
    qsizetype m_tamanho = 0;
    Motivo m_motivo = Motivo::Nenhum;
};
