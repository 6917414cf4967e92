// tests/dialogs/qt/abbrechen_hilfe.h - dialogs opened through their openers on Qt and closed
// with Cancel once they have shown
#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <span>

// Each opener must come back with 2 (Cancel); the number of dialogs that were seen showing.
inline int oeffnenUndAbbrechen(std::span<const std::function<intptr_t()>> oeffner)
{
    int gesehen = 0;
    for (const auto& oeffnen : oeffner) {
        int runden = 0;
        QTimer schauen;
        QObject::connect(&schauen, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && ++runden >= 3) {
                    ++gesehen;
                    schauen.stop();
                    d->reject();
                }
        });
        schauen.start(10);
        EXPECT_EQ(oeffnen(), 2);
    }
    return gesehen;
}
