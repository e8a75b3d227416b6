#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal for tests of serial code: the test holds the master
// end and hands the slave's device name to the code under test. Unix only;
// elsewhere valido() is false.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool valido() const { return m_mestre >= 0; }
    QString escravo() const { return m_escravo; }
    QString erro() const { return m_erro; }

    // Writes to the master end (the slave reads it).
    bool escreve(const QByteArray &bytes);
    // Reads from the master end until n bytes came or ms passed.
    QByteArray le(int n, int ms);
    // Closes the master end, as a device that is unplugged: the slave's
    // reads and writes fail from then on and its device file goes away.
    void fecha();

private:
    int m_mestre = -1;
    QString m_escravo;
    QString m_erro;
};
