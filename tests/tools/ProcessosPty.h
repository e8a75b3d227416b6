#pragma once

// The two processes of the end-to-end tests: quorvane-tarvek-sim --log
// serving a pseudo-terminal, and quorvane-cli run against it. The test
// defines QUORVANE_TARVEK_SIM and QUORVANE_CLI with the executables' paths.

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#ifndef QUORVANE_TARVEK_SIM
#error "QUORVANE_TARVEK_SIM must name the simulator executable"
#endif
#ifndef QUORVANE_CLI
#error "QUORVANE_CLI must name the command-line tool"
#endif

struct Simulador
{
    QProcess processo;
    QString dispositivo;
    QByteArray registro;  // what --log wrote so far

    // Starts the simulator and waits for the device path on its first line.
    bool inicia(const QStringList &argumentos)
    {
        processo.setProgram(QStringLiteral(QUORVANE_TARVEK_SIM));
        processo.setArguments(argumentos);
        processo.start();
        if (!processo.waitForStarted(5000))
            return false;
        while (!processo.canReadLine() && processo.waitForReadyRead(5000)) { }
        dispositivo = QString::fromLocal8Bit(processo.readLine()).trimmed();
        return !dispositivo.isEmpty();
    }

    // Every byte the simulator received ("->") or sent ("<-"), in order.
    QByteArray bytes(const char *sentido)
    {
        while (processo.waitForReadyRead(300))
            registro += processo.readAllStandardError();
        registro += processo.readAllStandardError();
        QByteArray bytes;
        const QRegularExpression linha(
            QString::fromLatin1(sentido) + QStringLiteral(R"(\s+([0-9A-Fa-f ]+)$)"));
        for (const QByteArray &l : registro.split('\n')) {
            const QRegularExpressionMatch m = linha.match(QString::fromLatin1(l).trimmed());
            if (m.hasMatch())
                bytes += QByteArray::fromHex(m.captured(1).toLatin1());
        }
        return bytes;
    }
    QByteArray recebidos() { return bytes("->"); }
    QByteArray enviados() { return bytes("<-"); }

    ~Simulador()
    {
        if (processo.state() != QProcess::NotRunning) {
            processo.terminate();
            if (!processo.waitForFinished(5000))
                processo.kill();
        }
    }
};

struct Saida
{
    int codigo = -1;
    QString saida;
    QString erros;
};

// Runs quorvane-cli with its settings in pastaConfig; a run that does not
// end within a minute gives code -1.
inline Saida cli(const QStringList &argumentos, const QString &pastaConfig)
{
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QUORVANE_CONFIG_DIR"), pastaConfig);
    p.setProcessEnvironment(ambiente);
    p.start(QStringLiteral(QUORVANE_CLI), argumentos);
    Saida s;
    if (!p.waitForFinished(60000))
        return s;
    s.codigo = p.exitCode();
    s.saida = QString::fromUtf8(p.readAllStandardOutput());
    s.erros = QString::fromUtf8(p.readAllStandardError());
    return s;
}
