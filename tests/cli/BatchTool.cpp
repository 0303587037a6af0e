#include "BatchTool.h"

#include <QEventLoop>
#include <QProcess>

namespace clitest {

QString builtTool() {
    return QStringLiteral(TOVRANE_BATCH_PROGRAM);
}

ToolRun runTool(const QStringList &arguments, const QString &program, const QByteArray &input) {
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted())
        return run;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(300000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.errLines =
        QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return run;
}

ToolRun runInEnvironment(const QStringList &arguments, const QString &program,
                         const QProcessEnvironment &environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted())
        return run;
    process.closeWriteChannel();
    loop.exec();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.errLines =
        QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return run;
}

}  // namespace clitest
