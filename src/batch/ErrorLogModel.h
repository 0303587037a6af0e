#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The error log of the batches: an ordered list of lines, only ever appended
// to, cleared at the start of a batch. Windows show it; loops fill it.
class ErrorLogModel : public QObject {
    Q_OBJECT
  public:
    explicit ErrorLogModel(QObject *parent = nullptr) : QObject(parent) {}

    // Appends the line that the outcome table gives for (code, name).
    void add(int code, const QString &name);
    void append(const QString &line);
    void clear();
    int count() const { return static_cast<int>(lines_.size()); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QStringList &lines() const { return lines_; }
    // Asks the window to scroll its last line up as far as the list goes.
    void scrollToEnd() { emit scrollToEndRequested(); }

  signals:
    void lineAppended(const QString &line);
    void cleared();
    void scrollToEndRequested();

  private:
    QStringList lines_;
};
