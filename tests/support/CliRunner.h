#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs drapier-cli as a separate process and collects what it printed.
struct CliResult {
    int status = -1; // exit code; -1 when it crashed or hung
    QString out;
    QString err;
    QByteArray outBytes;
};

inline CliResult RunCli(const QStringList& args, int timeoutMs = 120000) {
    QProcess p;
    p.start(QStringLiteral(DRAPIER_CLI), args);
    const bool finished = p.waitForFinished(timeoutMs);
    CliResult r;
    r.outBytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.outBytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    r.status = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}
