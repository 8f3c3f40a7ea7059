// A window test class whose every test function runs in a fresh sandbox, with the
// game not yet ready, as at a start.
#pragma once

#include <QObject>

#include <memory>

#include "model/GameReady.h"
#include "GameSandbox.h"

class SandboxedTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        sandbox = std::make_unique<GameSandbox>();
        GameReady = false;
    }
    void cleanup() { sandbox.reset(); }

protected:
    std::unique_ptr<GameSandbox> sandbox;
};
