#include "CenariosTarvek.h"

#include "IRelogio.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The resource of a static library must be registered by name.
static void registraCenarios()
{
    Q_INIT_RESOURCE(cenarios);
}

namespace CenariosTarvek {

QStringList nomes()
{
    registraCenarios();
    QStringList n { Padrao };
    for (const QFileInfo &f : QDir(u":/cenarios"_qs).entryInfoList({ u"*.json"_qs }, QDir::Files, QDir::Name))
        n.append(f.completeBaseName());
    return n;
}

std::optional<DescricaoTarvek> descricao(const QString &nome, QString *erro)
{
    if (nome == Padrao)
        return DescricaoTarvek::padrao();
    registraCenarios();
    if (!nomes().contains(nome)) {
        if (erro)
            *erro = QStringLiteral("cenário desconhecido \"%1\" (há: %2)").arg(nome, nomes().join(u", "));
        return std::nullopt;
    }
    return arquivo(u":/cenarios/"_qs + nome + u".json"_qs, erro);
}

std::optional<DescricaoTarvek> arquivo(const QString &caminho, QString *erro)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro)
            *erro = QStringLiteral("não foi possível ler %1: %2").arg(caminho, f.errorString());
        return std::nullopt;
    }
    QString motivo;
    std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(f.readAll(), &motivo);
    if (!d && erro)
        *erro = QFileInfo(caminho).fileName() + u": "_qs + motivo;
    return d;
}

std::unique_ptr<TarvekSimulado> criaTarvek(
    const DescricaoTarvek &descricao, int64_t instanteMs, const QDateTime &agora, QString *erro)
{
    auto tarvek = std::make_unique<TarvekSimulado>();
    if (!descricao.aplica(*tarvek, instanteMs, agora, erro))
        return nullptr;
    return tarvek;
}

std::optional<DescricaoTarvek> escolhe(const QString &cenarioOuArquivo, QString *erro)
{
    if (cenarioOuArquivo.endsWith(u".json", Qt::CaseInsensitive))
        return arquivo(cenarioOuArquivo, erro);
    return descricao(cenarioOuArquivo.isEmpty() ? Padrao : cenarioOuArquivo, erro);
}

std::function<std::unique_ptr<TMSComm>()> fabricaPorta(IRelogio &relogio, const QString &cenarioOuArquivo)
{
    auto tarvek = std::make_shared<std::shared_ptr<TarvekSimulado>>();
    return [&relogio, cenarioOuArquivo, tarvek]() -> std::unique_ptr<TMSComm> {
        QString erro;
        if (!*tarvek) {
            const std::optional<DescricaoTarvek> d = escolhe(cenarioOuArquivo, &erro);
            std::unique_ptr<TarvekSimulado> novo
                = d ? criaTarvek(*d, relogio.tickCount(), QDateTime::currentDateTime(), &erro) : nullptr;
            *tarvek = std::move(novo);
        }
        if (*tarvek)
            return std::make_unique<TMSCommSimulado>(*tarvek, relogio);
        auto recusa = std::make_unique<TMSCommSimulado>(std::make_shared<TarvekSimulado>(), relogio);
        recusa->defineFalhaAbertura(QStringLiteral("simulador: %1").arg(erro));
        return recusa;
    };
}

}  // namespace CenariosTarvek
