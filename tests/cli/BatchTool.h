#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a tovrane-batch program to its end.
namespace clitest {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QStringList errLines;
};

// The tool of this build.
QString builtTool();

ToolRun runTool(const QStringList &arguments, const QString &program = builtTool(),
                const QByteArray &input = {});

}  // namespace clitest
