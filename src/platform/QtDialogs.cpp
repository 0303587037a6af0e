#include "QtDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QString captionOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QCoreApplication::translate("Tovrane", "Information");
        case MessageKind::Warning:
            return QCoreApplication::translate("Tovrane", "Warning");
        case MessageKind::Error:
            return QCoreApplication::translate("Tovrane", "Error");
        case MessageKind::Confirmation:
            return QCoreApplication::translate("Tovrane", "Confirm");
    }
    return {};
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Button QtDialogs::message(MessageKind kind, const QString &text, Buttons buttons) {
    QMessageBox box(iconOf(kind), captionOf(kind), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    struct Choice {
        Button button;
        QMessageBox::StandardButton standard;
    };
    static constexpr Choice choices[] = {{Yes, QMessageBox::Yes},
                                         {No, QMessageBox::No},
                                         {Ok, QMessageBox::Ok},
                                         {Cancel, QMessageBox::Cancel}};
    for (const Choice &c : choices) {
        if (buttons & c.button)
            box.addButton(c.standard);
    }
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice &c : choices) {
        if (answer == c.standard)
            return c.button;
    }
    // Escape on a box without Cancel: the answer that changes nothing.
    return (buttons & No) ? No : (buttons & Cancel) ? Cancel : Ok;
}

QString QtDialogs::qtFilter(const QString &windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtDialogs::saveFileName(const SaveRequest &request) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder,
                       qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace platform
