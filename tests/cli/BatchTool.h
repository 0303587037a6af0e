#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
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

// Runs `program` in `environment` while this process's event loop turns, so
// that a session bus this test serves can answer the program.
ToolRun runInEnvironment(const QStringList &arguments, const QString &program,
                         const QProcessEnvironment &environment);

}  // namespace clitest
