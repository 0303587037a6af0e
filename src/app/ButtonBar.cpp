#include "ButtonBar.h"

#include "CommandActions.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>

ButtonBar::ButtonBar(CommandActions &commands, QWidget *parent) : QWidget(parent) {
    setFixedHeight(49);
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    for (const char *name : {"Pause", "Stop", "Invert", "None", "All", "Unzip", "Zip", "Test",
                             "Rezip", "Delete", "Rename", "CRC32", "Trim", "Dupes"}) {
        QAction *command = commands.action(QString::fromLatin1(name));
        auto *b = new QToolButton(this);
        b->setDefaultAction(command);
        b->setIconSize({16, 16});
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFixedSize(47, 45);
        b->setAutoRaise(true);
        row->addWidget(b);
        // A click runs the action between "pressed" and "released".
        connect(b, &QToolButton::pressed, this, [this, command] { clicked_ = command; });
        connect(b, &QToolButton::released, this, [this] { clicked_ = nullptr; });
        connect(b, &QToolButton::clicked, this, [this, command] { emit commandClicked(command); });
    }
    row->addStretch(1);
}
