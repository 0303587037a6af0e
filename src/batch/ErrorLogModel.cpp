#include "ErrorLogModel.h"

#include "batch/OutcomeLine.h"

void ErrorLogModel::add(int code, const QString &name) {
    append(outcomeLine(code, name));
}

void ErrorLogModel::append(const QString &line) {
    lines_ << line;
    emit lineAppended(line);
}

void ErrorLogModel::clear() {
    lines_.clear();
    emit cleared();
}
